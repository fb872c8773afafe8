#include "ui/views/SiteFields.h"

#include "session/WorkingSession.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/FieldSync.h"
#include "ui/toolkit/Palette.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace rotamind {

namespace {
// A field under its heading: the site's, then the croupier's.
struct FieldPlace {
    const char* heading;
    const char* headingText;
    const char* field;
    int left;
};
const FieldPlace kSite{"Label64", QT_TRANSLATE_NOOP("SiteFields", "Sito Gaming"), "Edit1", 416};
const FieldPlace kCroupier{"Label63", QT_TRANSLATE_NOOP("SiteFields", "Nome Croupier"), "Edit2",
                           560};

QLineEdit* makeField(QWidget* window, const FieldPlace& place, const SiteFieldsSetup& setup,
                     const QString& text) {
    controls::makeLabel(window,
                        {.name = QString::fromLatin1(place.heading),
                         .text = QCoreApplication::translate("SiteFields", place.headingText),
                         .rect = {place.left, 140, 95, 13},
                         .background = setup.headingBackground,
                         .foreground = setup.headingForeground,
                         .bold = true,
                         .align = Qt::AlignCenter});
    auto* field = new QLineEdit(text, window);
    field->setObjectName(QString::fromLatin1(place.field));
    field->setFont(palette::windowFont());
    field->setGeometry(place.left, 155, 95, 21);
    return field;
}
} // namespace

SiteFields::SiteFields(QWidget* window, WorkingSession& session, const SiteFieldsSetup& setup)
    : QObject(window), m_session(session) {
    m_site = makeField(window, kSite, setup, session.entry().site);
    m_croupier = makeField(window, kCroupier, setup, session.entry().croupier);
    m_site->installEventFilter(this);
    m_croupier->installEventFilter(this);
    connect(m_site, &QLineEdit::textChanged, &session, &WorkingSession::setSite);
    connect(m_croupier, &QLineEdit::textChanged, &session, &WorkingSession::setCroupier);
    connect(&session, &WorkingSession::entryChanged, this, [this] {
        fields::show(m_site, m_session.entry().site);
        fields::show(m_croupier, m_session.entry().croupier);
    });
}

bool SiteFields::eventFilter(QObject* watched, QEvent* event) {
    // Only a left click empties a field: a right click opens the menu with
    // Paste, a middle click pastes the selection, and both need the text kept.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_site)
            emit siteClicked();
        else if (watched == m_croupier)
            emit croupierClicked();
    }
    return QObject::eventFilter(watched, event);
}

SessionCommands::SaveRequest SiteFields::saveRequest(const QString& title,
                                                     const QString& suffix) const {
    // A separator would make the proposed name a path into a folder that is
    // not there: the dialog would propose a name that cannot be written.
    const auto bare = [](QString text) { return text.replace(u'/', u'-').replace(u'\\', u'-'); };
    return {.title = title,
            .suffix = suffix,
            .site = bare(m_session.entry().site),
            .croupier = bare(m_session.entry().croupier)};
}

} // namespace rotamind

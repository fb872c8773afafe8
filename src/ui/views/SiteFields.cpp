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
QLineEdit* makeField(QWidget* window, const QString& name, const QString& text, const QRect& rect) {
    auto* field = new QLineEdit(text, window);
    field->setObjectName(name);
    field->setFont(palette::windowFont());
    field->setGeometry(rect);
    return field;
}
} // namespace

SiteFields::SiteFields(QWidget* window, WorkingSession& session, const SiteFieldsSetup& setup)
    : QObject(window), m_session(session) {
    controls::makeLabel(window, {.name = QStringLiteral("Label64"),
                                 .text = QCoreApplication::translate("SiteFields", "Sito Gaming"),
                                 .rect = {416, 140, 95, 13},
                                 .background = setup.headingBackground,
                                 .foreground = setup.headingForeground,
                                 .bold = true,
                                 .align = Qt::AlignCenter});
    m_site = makeField(window, QStringLiteral("Edit1"), session.entry().site, {416, 155, 95, 21});
    controls::makeLabel(window, {.name = QStringLiteral("Label63"),
                                 .text = QCoreApplication::translate("SiteFields", "Nome Croupier"),
                                 .rect = {560, 140, 95, 13},
                                 .background = setup.headingBackground,
                                 .foreground = setup.headingForeground,
                                 .bold = true,
                                 .align = Qt::AlignCenter});
    m_croupier =
        makeField(window, QStringLiteral("Edit2"), session.entry().croupier, {560, 155, 95, 21});
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

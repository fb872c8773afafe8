#include "ui/views/EntryNotice.h"

#include "session/WorkingSession.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/views/EntryArea.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {
constexpr int kShownMs = 4000;
constexpr int kFlashStepMs = 150;
constexpr int kFlashSteps = 6; // three times red and back

// The notice line is an alert to a screen reader, which speaks an alert as
// it appears; a plain label is read only when the player goes to it.
constexpr const char* kAlertProperty = "rotamindAlert";

class AlertLine final : public QAccessibleWidget {
public:
    explicit AlertLine(QWidget* line) : QAccessibleWidget(line, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* alertLineFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kAlertProperty).toBool())
        return new AlertLine(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

EntryNotice::EntryNotice(QWidget* window, WorkingSession& session, const EntryArea& entry,
                         const QRect& lineRect)
    : QObject(window), m_line(controls::makeLabel(window, {.name = u"AVVISO"_s,
                                                           .rect = lineRect,
                                                           .background = palette::kYellow,
                                                           .foreground = palette::kRed,
                                                           .bold = true,
                                                           .align = Qt::AlignCenter})),
      m_hide(new QTimer(this)), m_flash(new QTimer(this)) {
    m_line->hide();
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(alertLineFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_line->setProperty(kAlertProperty, true);
    m_hide->setSingleShot(true);
    m_hide->setInterval(kShownMs);
    m_flash->setInterval(kFlashStepMs);
    connect(m_hide, &QTimer::timeout, m_line, &QWidget::hide);
    connect(m_flash, &QTimer::timeout, this, &EntryNotice::flashStep);
    connect(&session, &WorkingSession::directionMissing, this, [this, &entry] {
        tell(directionMissingText(),
             {entry.radio(Direction::Clockwise), entry.radio(Direction::CounterClockwise)});
    });
    connect(
        &session, &WorkingSession::foreignNumberRegistered, this,
        [this, &entry](const QString& text) { tell(foreignNumberText(text), {entry.entry()}); });
}

QString EntryNotice::directionMissingText() {
    // The selector has just moved to O: a second Enter registers there.
    return QCoreApplication::translate("EntryNotice", "Scegli O o A (ora è selezionato O)");
}

QString EntryNotice::foreignNumberText(const QString& text) {
    return QCoreApplication::translate(
               "EntryNotice", "«%1» non è un numero della ruota: il lancio è contato senza classe")
        .arg(text);
}

QString EntryNotice::resetText() {
    return QCoreApplication::translate("EntryNotice", "Sessione azzerata: Ctrl+Z la ripristina");
}

void EntryNotice::tellReset() {
    tell(resetText(), {});
}

void EntryNotice::tell(const QString& text, QWidgetList flashing) {
    m_line->setText(text);
    m_line->raise();
    m_line->show();
    // The notice takes no focus: it is announced, or the reader would not say it.
    QAccessibleEvent alert(m_line, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_hide->start();
    // A flash still running ends first, so that its colours are put back.
    while (m_flashStepsLeft > 0)
        flashStep();
    m_flashing = std::move(flashing);
    m_palettes.clear();
    for (const QWidget* widget : m_flashing)
        m_palettes.append(widget->palette());
    m_flashStepsLeft = kFlashSteps;
    flashStep();
    m_flash->start();
}

void EntryNotice::flashStep() {
    --m_flashStepsLeft;
    const bool red = m_flashStepsLeft % 2 == 1;
    for (qsizetype i = 0; i < m_flashing.size(); ++i) {
        if (red)
            palette::setBackground(m_flashing[i], palette::kRed);
        else
            m_flashing[i]->setPalette(m_palettes[i]);
    }
    if (m_flashStepsLeft <= 0)
        m_flash->stop();
}

} // namespace rotamind

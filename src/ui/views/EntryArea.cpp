#include "ui/views/EntryArea.h"

#include "session/WorkingSession.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/FieldSync.h"
#include "ui/toolkit/Palette.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace rotamind {

namespace {
QRadioButton* makeRadio(QWidget* window, const QString& name, const QString& caption,
                        const QRect& rect, const QColor& background, const QString& hint) {
    auto* radio = new QRadioButton(caption, window);
    radio->setObjectName(name);
    radio->setFont(palette::boldFont());
    palette::setBackground(radio, background);
    radio->setToolTip(hint);
    radio->setGeometry(rect);
    return radio;
}
} // namespace

EntryArea::EntryArea(QWidget* window, WorkingSession& session)
    : QObject(window), m_session(session) {
    const LaunchEntry& initial = session.entry();
    const QStringList pockets = controls::pocketTexts();
    m_entry = controls::makeCombo(window, {.name = QStringLiteral("Combo1"),
                                           .rect = {8, 6, 65, 45},
                                           .items = pockets,
                                           .text = initial.number,
                                           .pixelSize = 32,
                                           .bold = true,
                                           .background = palette::kYellow});
    m_clockwise =
        makeRadio(window, QStringLiteral("Radio1"), QStringLiteral("O"), {76, 7, 33, 17},
                  palette::kYellow, QCoreApplication::translate("EntryArea", "spin senso orario"));
    m_counterClockwise = makeRadio(
        window, QStringLiteral("Radio2"), QStringLiteral("A"), {113, 7, 33, 17},
        palette::kMoneyGreen, QCoreApplication::translate("EntryArea", "spin senso antiorario"));
    m_register = controls::makeButton(window, QStringLiteral("Button11"),
                                      QCoreApplication::translate("EntryArea", "REGISTRA"),
                                      {76, 32, 71, 20});
    controls::makeLabel(
        window, {.name = QStringLiteral("Label43"),
                 .text = QCoreApplication::translate("EntryArea", "Ultimi 2 numeri sortiti"),
                 .rect = {8, 58, 137, 13},
                 .background = palette::kSilver,
                 .bold = true,
                 .align = Qt::AlignCenter});
    m_n1 = controls::makeCombo(window, {.name = QStringLiteral("n1"),
                                        .rect = {8, 76, 65, 45},
                                        .items = pockets,
                                        .text = initial.n1,
                                        .pixelSize = 32,
                                        .bold = true,
                                        .background = palette::kGreen});
    m_n2 = controls::makeCombo(window, {.name = QStringLiteral("n2"),
                                        .rect = {80, 76, 65, 45},
                                        .items = pockets,
                                        .text = initial.n2,
                                        .pixelSize = 32,
                                        .bold = true,
                                        .background = palette::kSilver});
    connect(m_entry->lineEdit(), &QLineEdit::returnPressed, m_register, &QPushButton::click);

    connect(m_entry, &QComboBox::editTextChanged, &session, &WorkingSession::setNumber);
    connect(m_n1, &QComboBox::editTextChanged, &session, &WorkingSession::setN1);
    connect(m_n2, &QComboBox::editTextChanged, &session, &WorkingSession::setN2);
    for (const Direction direction : {Direction::Clockwise, Direction::CounterClockwise})
        connect(radio(direction), &QRadioButton::toggled, &session, [&session, direction](bool on) {
            if (on)
                session.setDirection(direction);
        });
    connect(&session, &WorkingSession::entryChanged, this, &EntryArea::showEntry);
}

void EntryArea::showEntry() {
    const LaunchEntry& entry = m_session.entry();
    fields::show(m_entry, entry.number);
    fields::show(m_n1, entry.n1);
    fields::show(m_n2, entry.n2);
    // A radio button, once checked, is only unchecked by its neighbour: a new
    // window keeps neither checked until a direction is chosen.
    if (entry.direction && !radio(*entry.direction)->isChecked())
        radio(*entry.direction)->setChecked(true);
}

QRadioButton* EntryArea::radio(Direction direction) const {
    return direction == Direction::Clockwise ? m_clockwise : m_counterClockwise;
}

} // namespace rotamind

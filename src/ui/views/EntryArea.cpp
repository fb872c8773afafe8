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
// The direction selector, clockwise first as Direction counts, each button
// captioned with its direction's letter.
struct DirectionChoice {
    const char* name;
    int left;
    QColor background;
    const char* hint;
};
const DirectionChoice kDirections[] = {
    {"Radio1", 76, palette::kYellow, QT_TRANSLATE_NOOP("EntryArea", "spin senso orario")},
    {"Radio2", 113, palette::kMoneyGreen, QT_TRANSLATE_NOOP("EntryArea", "spin senso antiorario")},
};

// The last two numbers out, the newest first.
struct LastNumberField {
    const char* name;
    int left;
    QColor background;
};
const LastNumberField kLastNumbers[] = {{"n1", 8, palette::kGreen}, {"n2", 80, palette::kSilver}};
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
    for (size_t i = 0; i < m_directions.size(); ++i) {
        const DirectionChoice& choice = kDirections[i];
        auto* radio = new QRadioButton(controls::directionLetter(Direction(i)), window);
        radio->setObjectName(QString::fromLatin1(choice.name));
        radio->setFont(palette::boldFont());
        palette::setBackground(radio, choice.background);
        radio->setToolTip(QCoreApplication::translate("EntryArea", choice.hint));
        radio->setGeometry(choice.left, 7, 33, 17);
        m_directions[i] = radio;
    }
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
    const QString initialLast[] = {initial.n1, initial.n2};
    for (size_t i = 0; i < m_lastNumbers.size(); ++i)
        m_lastNumbers[i] =
            controls::makeCombo(window, {.name = QString::fromLatin1(kLastNumbers[i].name),
                                         .rect = {kLastNumbers[i].left, 76, 65, 45},
                                         .items = pockets,
                                         .text = initialLast[i],
                                         .pixelSize = 32,
                                         .bold = true,
                                         .background = kLastNumbers[i].background});
    connect(m_entry->lineEdit(), &QLineEdit::returnPressed, m_register, &QPushButton::click);

    connect(m_entry, &QComboBox::editTextChanged, &session, &WorkingSession::setNumber);
    connect(m_lastNumbers[0], &QComboBox::editTextChanged, &session, &WorkingSession::setN1);
    connect(m_lastNumbers[1], &QComboBox::editTextChanged, &session, &WorkingSession::setN2);
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
    fields::show(m_lastNumbers[0], entry.n1);
    fields::show(m_lastNumbers[1], entry.n2);
    // A radio button, once checked, is only unchecked by its neighbour: a new
    // window keeps neither checked until a direction is chosen.
    if (entry.direction && !radio(*entry.direction)->isChecked())
        radio(*entry.direction)->setChecked(true);
}

QRadioButton* EntryArea::radio(Direction direction) const {
    return m_directions[size_t(direction)];
}

} // namespace rotamind

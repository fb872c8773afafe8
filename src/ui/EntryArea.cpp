#include "ui/EntryArea.h"

#include "ui/Controls.h"
#include "ui/Palette.h"

#include <QComboBox>
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

EntryArea::EntryArea(QWidget* window) : QObject(window) {
    const QStringList pockets = controls::pocketTexts();
    m_entry = controls::makeCombo(window, {.name = QStringLiteral("Combo1"),
                                           .rect = {8, 6, 65, 45},
                                           .items = pockets,
                                           .text = QStringLiteral("18"),
                                           .pixelSize = 32,
                                           .bold = true,
                                           .background = palette::kYellow});
    m_clockwise = makeRadio(window, QStringLiteral("Radio1"), QStringLiteral("O"), {76, 7, 33, 17},
                            palette::kYellow, QStringLiteral("spin senso orario"));
    m_counterClockwise =
        makeRadio(window, QStringLiteral("Radio2"), QStringLiteral("A"), {113, 7, 33, 17},
                  palette::kMoneyGreen, QStringLiteral("spin senso antiorario"));
    m_register = controls::makeButton(window, QStringLiteral("Button11"),
                                      QStringLiteral("REGISTRA"), {76, 32, 71, 20});
    controls::makeLabel(window, {.name = QStringLiteral("Label43"),
                                 .text = QStringLiteral("Ultimi 2 numeri sortiti"),
                                 .rect = {8, 58, 137, 13},
                                 .background = palette::kSilver,
                                 .bold = true,
                                 .align = Qt::AlignCenter});
    m_n1 = controls::makeCombo(window, {.name = QStringLiteral("n1"),
                                        .rect = {8, 76, 65, 45},
                                        .items = pockets,
                                        .text = QStringLiteral("21"),
                                        .pixelSize = 32,
                                        .bold = true,
                                        .background = palette::kGreen});
    m_n2 = controls::makeCombo(window, {.name = QStringLiteral("n2"),
                                        .rect = {80, 76, 65, 45},
                                        .items = pockets,
                                        .text = QStringLiteral("17"),
                                        .pixelSize = 32,
                                        .bold = true,
                                        .background = palette::kSilver});
    connect(m_entry->lineEdit(), &QLineEdit::returnPressed, m_register, &QPushButton::click);
}

QString EntryArea::entryText() const {
    return m_entry->currentText();
}

void EntryArea::setEntryText(const QString& text) {
    m_entry->setEditText(text);
}

QString EntryArea::n1Text() const {
    return m_n1->currentText();
}

QString EntryArea::n2Text() const {
    return m_n2->currentText();
}

void EntryArea::setLastTwo(const QString& n1, const QString& n2) {
    m_n2->setEditText(n2);
    m_n1->setEditText(n1);
}

std::optional<Direction> EntryArea::direction() const {
    if (m_clockwise->isChecked())
        return Direction::Clockwise;
    if (m_counterClockwise->isChecked())
        return Direction::CounterClockwise;
    return std::nullopt;
}

void EntryArea::select(Direction direction) {
    radio(direction)->setChecked(true);
}

QRadioButton* EntryArea::radio(Direction direction) const {
    return direction == Direction::Clockwise ? m_clockwise : m_counterClockwise;
}

} // namespace rotamind

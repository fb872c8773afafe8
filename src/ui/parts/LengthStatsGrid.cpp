#include "ui/parts/LengthStatsGrid.h"

#include "session/SeriesStatistics.h"

#include "ui/parts/Controls.h"
#include "ui/parts/Palette.h"
#include "ui/parts/StatisticsHelp.h"

#include <QLabel>
#include <QLocale>

namespace rotamind {

namespace {

constexpr std::array<const char*, 4> kHeadTexts{"L", "Fr.", "Rit.", "I.C."};
// Value columns, from the row label's left edge.
constexpr std::array<int, LengthStatsGrid::ColumnCount> kColumnOffsets{30, 60, 92};
constexpr int kNarrowIndexWidth = 19;
// The help of each head of kHeadTexts; the value columns use the last three.
constexpr std::array<help::Topic, 4> kHeadTopics{
    help::Topic::LengthHeading, help::Topic::LengthFrequency, help::Topic::LengthAbsence,
    help::Topic::LengthIndex};

QString rowText(int length) {
    if (length == 0)
        return QStringLiteral("0");
    return (length > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) +
           QString::number(std::abs(length));
}

// An index label grows with its text, like the auto-sized labels it copies,
// so that "0,6667" is not cut to its first digits.
void setIndexText(QLabel* label, const QString& text) {
    label->setText(text);
    const int wanted = std::max(kNarrowIndexWidth, label->sizeHint().width());
    if (label->width() != wanted)
        label->resize(wanted, label->height());
}

} // namespace

QString LengthStatsGrid::labelName(const QString& prefix, Column column, int length) {
    static constexpr std::array<const char*, ColumnCount> letters{"LF", "LR", "ICL"};
    const QString suffix =
        length >= 0 ? QString::number(length) : QStringLiteral("M") + QString::number(-length);
    return prefix + QString::fromLatin1(letters[column]) + suffix;
}

LengthStatsGrid::LengthStatsGrid(QWidget* panel, const LengthStatsGridSetup& setup) {
    controls::makeLabel(panel, {.text = setup.heading,
                                .rect = setup.headingRect,
                                .background = setup.headingBackground,
                                .foreground = setup.headingForeground,
                                .bold = true,
                                .pixelSize = 13,
                                .align = Qt::AlignCenter});
    for (size_t i = 0; i < kHeadTexts.size(); ++i)
        controls::makeLabel(panel, {.text = QString::fromLatin1(kHeadTexts[i]),
                                    .rect = {setup.headLefts[i], 36, 0, 0},
                                    .bold = true})
            ->setToolTip(help::tooltip(kHeadTopics[i]));
    for (size_t row = 0; row < kLengths.size(); ++row) {
        const int length = kLengths[row];
        const int top = 56 + 24 * int(row);
        controls::makeLabel(panel, {.text = rowText(length),
                                    .rect = {setup.left, top, 24, 16},
                                    .background = setup.headingBackground,
                                    .foreground = setup.headingForeground,
                                    .bold = true,
                                    .align = Qt::AlignCenter})
            ->setToolTip(help::lengthTooltip(length));
        for (int column = 0; column < ColumnCount; ++column) {
            const bool index = column == Index;
            m_values[size_t(column)][row] = controls::makeLabel(
                panel, {.name = labelName(setup.prefix, Column(column), length),
                        .text = QStringLiteral("0"),
                        .rect = {setup.left + kColumnOffsets[size_t(column)], top,
                                 index ? kNarrowIndexWidth : 28, 16},
                        .background = index ? palette::kLime : palette::kNavy,
                        .foreground = index ? palette::kGreen : palette::kYellow,
                        .bold = true,
                        .align = Qt::AlignCenter});
            m_values[size_t(column)][row]->setToolTip(
                help::tooltip(kHeadTopics[size_t(column) + 1]));
        }
    }
}

void LengthStatsGrid::show(const SeriesStatistics& statistics) {
    const LengthStats& lengths = statistics.lengths();
    const QChar separator = QLocale().decimalPoint().at(0);
    for (size_t row = 0; row < kLengths.size(); ++row) {
        m_values[Frequency][row]->setText(QString::number(lengths.frequency[row]));
        m_values[Absence][row]->setText(QString::number(lengths.absence[row]));
        const Fixed4 index = statistics.lengthIndex(static_cast<int>(row));
        QLabel* label = m_values[Index][row];
        setIndexText(label, index.toText(separator));
        palette::setIndexColour(label, index.isOneOrMore());
    }
}

} // namespace rotamind

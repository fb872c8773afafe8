#include "ui/views/LengthStatsGrid.h"

#include "session/SeriesStatistics.h"

#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpokenNames.h"
#include "ui/views/StatisticsHelp.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace rotamind {

namespace {

constexpr std::array<const char*, 4> kHeadTexts{"L", "Fr.",
                                                QT_TRANSLATE_NOOP("LengthStatsGrid", "Rit."),
                                                QT_TRANSLATE_NOOP("LengthStatsGrid", "I.C.")};
// The row label and the value columns, from the grid's left edge. The two
// grids stand side by side 126 pixels apart, so a grid must end within
// 122: the index column is wide enough for "12,3457" in its own, slightly
// smaller type, and never grows into the other grid's row labels.
constexpr int kRowLabelWidth = 24;
constexpr std::array<int, LengthStatsGrid::ColumnCount> kColumnOffsets{26, 54, 82};
constexpr std::array<int, LengthStatsGrid::ColumnCount> kColumnWidths{26, 26, 40};
constexpr int kIndexPixelSize = 10;
// The help of each head of kHeadTexts; the value columns use the last three.
constexpr std::array<help::Topic, 4> kHeadTopics{
    help::Topic::LengthHeading, help::Topic::LengthFrequency, help::Topic::LengthAbsence,
    help::Topic::LengthIndex};

// Each value column as a screen reader names it, in the order of Column.
constexpr std::array<const char*, LengthStatsGrid::ColumnCount> kSpokenColumns{
    QT_TRANSLATE_NOOP("LengthStatsGrid", "Frequenza"),
    QT_TRANSLATE_NOOP("LengthStatsGrid", "Ritardo"),
    QT_TRANSLATE_NOOP("LengthStatsGrid", "Indice di convenienza")};

QString rowText(int length) {
    if (length == 0)
        return QStringLiteral("0");
    return (length > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) +
           QString::number(std::abs(length));
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
    // Each head centred over its column.
    for (size_t i = 0; i < kHeadTexts.size(); ++i) {
        const QRect column =
            i == 0 ? QRect(setup.left, 36, kRowLabelWidth, 16)
                   : QRect(setup.left + kColumnOffsets[i - 1], 36, kColumnWidths[i - 1], 16);
        controls::makeLabel(panel,
                            {.text = QCoreApplication::translate("LengthStatsGrid", kHeadTexts[i]),
                             .rect = column,
                             .bold = true,
                             .align = Qt::AlignCenter})
            ->setToolTip(help::tooltip(kHeadTopics[i]));
    }
    for (size_t row = 0; row < kLengths.size(); ++row) {
        const int length = kLengths[row];
        const int top = 56 + 24 * int(row);
        controls::makeLabel(panel, {.text = rowText(length),
                                    .rect = {setup.left, top, kRowLabelWidth, 16},
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
                                 kColumnWidths[size_t(column)], 16},
                        .background = index ? palette::kLime : palette::kNavy,
                        .foreground = index ? palette::kGreen : palette::kYellow,
                        .bold = true,
                        .pixelSize = index ? kIndexPixelSize : 11,
                        .align = Qt::AlignCenter});
            m_values[size_t(column)][row]->setToolTip(
                help::tooltip(kHeadTopics[size_t(column) + 1]));
            spoken::nameFigure(
                m_values[size_t(column)][row],
                QCoreApplication::translate("LengthStatsGrid", "%1, lunghezza %2")
                    .arg(QCoreApplication::translate("LengthStatsGrid",
                                                     kSpokenColumns[size_t(column)]),
                         length > 0 ? u'+' + QString::number(length) : QString::number(length)));
            m_values[size_t(column)][row]->setAccessibleDescription(setup.heading);
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
        label->setText(index.toText(separator));
        palette::setIndexColour(label, index.isOneOrMore());
        setSign(label, index.isOneOrMore());
    }
}

} // namespace rotamind

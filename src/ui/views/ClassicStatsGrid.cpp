#include "ui/views/ClassicStatsGrid.h"

#include "session/SeriesStatistics.h"

#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpokenNames.h"
#include "ui/views/StatisticsHelp.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace rotamind {

namespace {

struct ColumnLook {
    const char* letters; // after the prefix, before the class suffix
    int left;
    int width;
    QColor background;
    QColor foreground;
};

const std::array<ColumnLook, ClassicStatsGrid::ColumnCount>& columnLooks() {
    static const std::array<ColumnLook, ClassicStatsGrid::ColumnCount> looks{{
        {"F", 27, 33, palette::kNavy, palette::kYellow},
        {"P", 67, 49, palette::kGreen, palette::kYellow},
        {"R", 123, 33, palette::kAqua, palette::kBlue},
        {"RX", 163, 33, palette::kSilver, palette::kYellow},
        {"IC", 203, 42, palette::kLime, palette::kGreen},
    }};
    return looks;
}

struct Head {
    const char* text;
    int left;
};
constexpr std::array<Head, 5> kHeads{{{"D", 7},
                                      {QT_TRANSLATE_NOOP("ClassicStatsGrid", "Frequenza e %"), 29},
                                      {QT_TRANSLATE_NOOP("ClassicStatsGrid", "RIT"), 126},
                                      {QT_TRANSLATE_NOOP("ClassicStatsGrid", "RMAX"), 160},
                                      {QT_TRANSLATE_NOOP("ClassicStatsGrid", "I.C."), 203}}};

// Each value column as a screen reader names it, in the order of Column.
constexpr std::array<const char*, ClassicStatsGrid::ColumnCount> kSpokenColumns{
    QT_TRANSLATE_NOOP("ClassicStatsGrid", "Frequenza"),
    QT_TRANSLATE_NOOP("ClassicStatsGrid", "Percentuale"),
    QT_TRANSLATE_NOOP("ClassicStatsGrid", "Ritardo"),
    QT_TRANSLATE_NOOP("ClassicStatsGrid", "Ritardo massimo"),
    QT_TRANSLATE_NOOP("ClassicStatsGrid", "Indice di convenienza")};

// The help of each value column, in the order of Column.
constexpr std::array<help::Topic, ClassicStatsGrid::ColumnCount> kColumnTopics{
    help::Topic::Frequency, help::Topic::Percentage, help::Topic::Absence, help::Topic::MaxAbsence,
    help::Topic::ClassicIndex};

// The help of each head of kHeads; "Frequenza e %" heads two columns.
QString headHint(std::size_t head) {
    if (head == 0)
        return help::tooltip(help::Topic::ClassHeading);
    if (head == 1)
        return help::tooltip(help::Topic::Frequency) + u' ' +
               help::tooltip(help::Topic::Percentage);
    return help::tooltip(kColumnTopics[head]);
}

QChar decimalSeparator() {
    return QLocale().decimalPoint().at(0);
}

} // namespace

QString ClassicStatsGrid::labelName(const QString& prefix, Column column, int distanceClass) {
    QString suffix = distanceClass > 0 ? QString::number(distanceClass)
                                       : QStringLiteral("M") + QString::number(-distanceClass);
    QString letters = QString::fromLatin1(columnLooks()[column].letters);
    // The percentages of the unprefixed grid are the lower-case p3 ... pm3.
    if (column == Percentage && prefix.isEmpty())
        return QStringLiteral("p") + suffix.toLower();
    return prefix + letters + suffix;
}

ClassicStatsGrid::ClassicStatsGrid(QWidget* panel, const ClassicStatsGridSetup& setup) {
    // Black on yellow on its own: the EASY page under it is black.
    controls::makeLabel(panel, {.text = setup.heading,
                                .rect = setup.headingRect,
                                .background = palette::kYellow,
                                .bold = true,
                                .pixelSize = 13,
                                .align = Qt::AlignCenter});
    for (std::size_t i = 0; i < kHeads.size(); ++i)
        controls::makeLabel(
            panel, {.text = QCoreApplication::translate("ClassicStatsGrid", kHeads[i].text),
                    .rect = {kHeads[i].left, setup.headTop, 0, 0},
                    .background = palette::kMaroon,
                    .foreground = palette::kYellow,
                    .bold = true})
            ->setToolTip(headHint(i));
    for (int row = 0; row < 6; ++row) {
        const int distanceClass = kClasses[size_t(row)];
        const int top = setup.firstRowTop + 16 * row;
        controls::makeLabel(panel, {.text = classText(distanceClass),
                                    .rect = {5, top, 15, 13},
                                    .background = palette::kYellow,
                                    .bold = true,
                                    .align = Qt::AlignCenter})
            ->setToolTip(help::classTooltip(distanceClass));
        for (int column = 0; column < ColumnCount; ++column) {
            const ColumnLook& look = columnLooks()[size_t(column)];
            m_values[size_t(column)][size_t(row)] = controls::makeLabel(
                panel, {.name = labelName(setup.prefix, Column(column), distanceClass),
                        .text = QStringLiteral("0"),
                        .rect = {look.left, top, look.width, 13},
                        .background = look.background,
                        .foreground = look.foreground,
                        .bold = true,
                        .align = Qt::AlignCenter});
            m_values[size_t(column)][size_t(row)]->setToolTip(
                help::tooltip(kColumnTopics[size_t(column)]));
            spoken::nameFigure(m_values[size_t(column)][size_t(row)],
                               QCoreApplication::translate("ClassicStatsGrid", "%1, classe %2")
                                   .arg(QCoreApplication::translate("ClassicStatsGrid",
                                                                    kSpokenColumns[size_t(column)]),
                                        classText(distanceClass)));
            // The heading tells the two grids of a page apart.
            m_values[size_t(column)][size_t(row)]->setAccessibleDescription(setup.heading);
        }
    }
}

void ClassicStatsGrid::show(const SeriesStatistics& statistics) {
    const ClassicStats& classic = statistics.classic();
    const QChar separator = decimalSeparator();
    for (size_t row = 0; row < 6; ++row) {
        const int r = static_cast<int>(row);
        m_values[Frequency][row]->setText(QString::number(classic.frequency[row]));
        m_values[Absence][row]->setText(QString::number(classic.absence[row]));
        m_values[MaxAbsence][row]->setText(QString::number(classic.maxAbsence[row]));
        // Every class gets its percentage, 0 included: after deletes or a load a
        // class may be gone, and its old share beside a zero frequency would lie.
        m_values[Percentage][row]->setText(statistics.percentage(r).toText(separator));
        const Fixed4 index = statistics.classicIndex(r);
        m_values[Index][row]->setText(index.toText(separator));
        palette::setIndexColour(m_values[Index][row], index.isOneOrMore());
        setSign(m_values[Index][row], index.isOneOrMore());
    }
}

} // namespace rotamind

#pragma once

#include "analysis/SeriesAnalysis.h"
#include "ui/parts/StatisticsHelp.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace rotamind {

class Series;

// How a window dresses its "Analisi" page.
struct AnalysisPageSetup {
    QColor background{};
    QColor captionColour{};            // the row captions, on the page's background
    std::array<QString, 2> headings{}; // one per series: "ORARI", "ANTIORARI"
    std::array<QColor, 2> headingBackgrounds{};
    std::array<QColor, 2> headingForegrounds{};
};

// The "Analisi" page: for each of two series, whether its classes look like
// chance, how betting the red I.C. would have done, and whether a class
// depends on the one before. The first series' labels are named plainly
// (X2, HIT, TRP, ...), the second's with the prefix "A". Each column follows
// its series as the grids do, and the tests are kept up to date launch by
// launch.
class AnalysisPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalysisPage)

public:
    enum Figure {
        Statistic,
        PValue,
        Furthest,
        Verdict, // uniformity
        Hits,
        ExpectedHits,
        MethodPValue,
        Balance,
        MethodVerdict, // the method
        DependencePValue,
        DependenceVerdict, // class after class
        FigureCount
    };

    AnalysisPage(const Series& first, const Series& second, const AnalysisPageSetup& setup);

    // Name of a figure's label: the prefix ("" or "A") and the figure's letters.
    static QString labelName(const QString& prefix, Figure figure);

private:
    struct Column {
        const Series* series = nullptr;
        analysis::SeriesAnalysis analysis;
        std::array<QLabel*, FigureCount> labels{};
    };

    void follow(Column& column);
    void showFigures(const Column& column);

    std::array<Column, 2> m_columns;
};

} // namespace rotamind

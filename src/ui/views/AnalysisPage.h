#pragma once

#include "analysis/SeriesAnalysis.h"
#include "session/PlaceHistorySource.h"
#include "ui/views/StatisticsHelp.h"

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace rotamind {

class EvidenceChart;
class ShareChart;

class Series;
class WorkingSession;

// How a window dresses its "Analisi" page.
struct AnalysisPageSetup {
    QColor background{};
    QColor captionColour{};            // the row captions, on the page's background
    std::array<QString, 2> headings{}; // one per series: "ORARI", "ANTIORARI"
    std::array<QColor, 2> headingBackgrounds{};
    std::array<QColor, 2> headingForegrounds{};
    // The archive's block reads the sessions of this mode; column c takes
    // series c of each, for the first archiveColumns columns (1 or 2).
    PlaceHistoryQuery::Mode archiveMode = PlaceHistoryQuery::Mode::Pro;
    int archiveColumns = 2;
};

// The "Analisi" page: for each of two series, whether its classes look like
// chance, how betting the red I.C. would have done, and whether a class
// depends on the one before, each as evidence against the fair wheel that
// stays honest however often it is read; the page's verdict (VERDETTO) comes
// from the mean of all six. Then the share each class may still have, and
// two pictures: the evidence over the launches and the shares. The first
// series' labels are named plainly (X2, HIT, TRP, ...), the second's with the
// prefix "A". Each column follows its series as the grids do, and the tests
// are kept up to date launch by launch. Below, the archive's block: the same
// figures over every archived session with the session's site and croupier,
// named with the suffix "ARC" (X2ARC, AX2ARC, VERDETTOARC, ...), with the
// sessions (SESARC) and launches (LANARC) they cover. Only launches typed at
// the table count there, and only at a real place: the example site and
// croupier of a new window are not one. That block is asked of the archive
// when the page is shown and when site or croupier change while it is, never
// launch by launch.
class AnalysisPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalysisPage)

public:
    enum Figure {
        Statistic,
        PValue,
        Furthest,
        Evidence,
        Verdict, // uniformity
        Hits,
        ExpectedHits,
        MethodPValue,
        Balance,
        ExpectedBalance,
        MethodEvidence,
        MethodVerdict, // the method
        DependencePValue,
        DependenceEvidence,
        DependenceVerdict, // class after class
        Share3,
        Share2,
        Share1,
        ShareM1,
        ShareM2,
        ShareM3, // the share of each class, in the order of kClasses
        FigureCount
    };

    AnalysisPage(const WorkingSession& session, const Series& first, const Series& second,
                 const AnalysisPageSetup& setup);

    // Name of a figure's label: the prefix ("" or "A") and the figure's letters.
    static QString labelName(const QString& prefix, Figure figure);

    // Where the archive's block gets its figures; none: no archive.
    void setPlaceHistory(std::unique_ptr<PlaceHistorySource> source);
    ~AnalysisPage() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Column {
        const Series* series = nullptr;
        std::array<QLabel*, FigureCount> labels{};
    };

    struct ArchiveColumn {
        std::array<QLabel*, FigureCount> labels{};
        QLabel* sessions = nullptr;
        QLabel* launches = nullptr;
    };

    // The page's own verdict and evidence.
    struct VerdictLabels {
        QLabel* verdict = nullptr;
        QLabel* evidence = nullptr;
    };

    void follow(Column& column);
    void showFigures(const Column& column);
    void readArchive();
    void showArchive(const PlaceHistory& history);
    // A note instead of the archive's figures (or above them); empty: none.
    void showArchiveNote(const QString& note, bool withFigures);

    std::array<QColor, 2> m_seriesColours;
    VerdictLabels m_verdict;
    VerdictLabels m_archiveVerdict;
    EvidenceChart* m_evidenceChart = nullptr;
    ShareChart* m_shareChart = nullptr;

    std::array<Column, 2> m_columns;
    const WorkingSession& m_session;
    PlaceHistoryQuery::Mode m_archiveMode;
    int m_archiveColumnCount;
    std::array<ArchiveColumn, 2> m_archiveColumns;
    QWidget* m_archiveBlock = nullptr;
    QLabel* m_archiveNote = nullptr;
    // The place the block was last read for; typing into the fields waits for
    // a pause before the archive is read again.
    QString m_readSite;
    QString m_readCroupier;
    QTimer m_placeSettled;
    std::unique_ptr<PlaceHistorySource> m_history;
    // Answers to older requests, or given after the place became the
    // example, are dropped.
    quint64 m_request = 0;
};

} // namespace rotamind

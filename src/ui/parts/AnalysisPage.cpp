#include "ui/parts/AnalysisPage.h"

#include "analysis/Significance.h"
#include "session/Series.h"
#include "session/WorkingSession.h"
#include "stats/Fixed4.h"
#include "wheel/Wheel.h"

#include "ui/parts/Controls.h"
#include "ui/parts/Palette.h"

#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <tuple>

namespace rotamind {

namespace {

using namespace Qt::StringLiterals;
using analysis::notApplicableText;
using analysis::pValueText;
using analysis::verdictText;

enum class RowKind { Section, Value, Verdict };

struct Row {
    RowKind kind;
    AnalysisPage::Figure figure; // ignored for a section
    const char16_t* letters;     // the label's name after the prefix
    const char16_t* caption;
    help::Topic topic;
};

// The page from top to bottom; a section's caption spans both columns.
constexpr Row kRows[] = {
    {RowKind::Section, AnalysisPage::FigureCount, nullptr, u"Uniformità delle classi",
     help::Topic::Uniformity},
    {RowKind::Value, AnalysisPage::Statistic, u"X2", u"X²", help::Topic::Uniformity},
    {RowKind::Value, AnalysisPage::PValue, u"X2P", u"p", help::Topic::UniformityPValue},
    {RowKind::Value, AnalysisPage::Furthest, u"X2C", u"Più lontana", help::Topic::FurthestClass},
    {RowKind::Verdict, AnalysisPage::Verdict, u"X2V", u"Esito", help::Topic::UniformityVerdict},
    {RowKind::Section, AnalysisPage::FigureCount, nullptr, u"Metodo: puntare gli I.C. rossi",
     help::Topic::Hits},
    {RowKind::Value, AnalysisPage::Hits, u"HIT", u"Vinti", help::Topic::Hits},
    {RowKind::Value, AnalysisPage::ExpectedHits, u"HITX", u"Attesi", help::Topic::ExpectedHits},
    {RowKind::Value, AnalysisPage::MethodPValue, u"HITP", u"p", help::Topic::MethodPValue},
    {RowKind::Value, AnalysisPage::Balance, u"SALDO", u"Saldo", help::Topic::Balance},
    {RowKind::Verdict, AnalysisPage::MethodVerdict, u"HITV", u"Esito", help::Topic::MethodVerdict},
    {RowKind::Section, AnalysisPage::FigureCount, nullptr, u"Classe dopo classe (6 × 6)",
     help::Topic::DependencePValue},
    {RowKind::Value, AnalysisPage::DependencePValue, u"TRP", u"p", help::Topic::DependencePValue},
    {RowKind::Verdict, AnalysisPage::DependenceVerdict, u"TRV", u"Esito",
     help::Topic::DependenceVerdict},
};

// Columns of the page, in pixels: captions, then one column per series; a
// scroll bar fits to their right.
constexpr int kCaptionLeft = 3;
constexpr int kCaptionWidth = 62;
constexpr std::array<int, 2> kColumnLefts{66, 150};
constexpr int kColumnWidth = 82;
constexpr int kContentWidth = kColumnLefts[1] + kColumnWidth + 2;
constexpr int kSpanWidth = kColumnLefts[1] + kColumnWidth - kCaptionLeft;
constexpr int kValueHeight = 14;
constexpr int kVerdictHeight = 38;

const QString kArchiveSuffix = u"ARC"_s;
const std::array<QString, 2> kPrefixes{QString(), u"A"_s};

QLabel* makeSection(QWidget* parent, const QString& caption, int top, help::Topic topic) {
    QLabel* section =
        controls::makeLabel(parent, {.text = caption,
                                     .rect = {kCaptionLeft, top + 2, kSpanWidth, kValueHeight},
                                     .background = palette::kMaroon,
                                     .foreground = palette::kYellow,
                                     .bold = true});
    section->setToolTip(help::tooltip(topic));
    return section;
}

void makeHeadings(QWidget* parent, const AnalysisPageSetup& setup, int top, int columns) {
    for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c)
        controls::makeLabel(parent, {.text = setup.headings[c],
                                     .rect = {kColumnLefts[c], top, kColumnWidth, 16},
                                     .background = setup.headingBackgrounds[c],
                                     .foreground = setup.headingForegrounds[c],
                                     .bold = true,
                                     .align = Qt::AlignCenter});
}

// One row of figures: its caption, then a label per column named prefix +
// letters + suffix. Returns the labels and the row's height.
std::pair<std::array<QLabel*, 2>, int> makeFigureRow(QWidget* parent,
                                                     const AnalysisPageSetup& setup, int top,
                                                     int columns, bool verdict,
                                                     const QString& letters, const QString& suffix,
                                                     const QString& caption, help::Topic topic) {
    const QString hint = help::tooltip(topic);
    const int height = verdict ? kVerdictHeight : kValueHeight;
    controls::makeLabel(parent, {.text = caption,
                                 .rect = {kCaptionLeft, top, kCaptionWidth, kValueHeight},
                                 .foreground = setup.captionColour,
                                 .bold = true})
        ->setToolTip(hint);
    std::array<QLabel*, 2> labels{};
    for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c) {
        QLabel* label = controls::makeLabel(
            parent, {.name = kPrefixes[c] + letters + suffix,
                     .rect = {kColumnLefts[c], top, kColumnWidth, height},
                     .background = verdict ? palette::kSilver : palette::kNavy,
                     .foreground = verdict ? palette::kBlack : palette::kYellow,
                     .bold = !verdict,
                     .pixelSize = verdict ? 10 : 11,
                     .align = verdict ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter});
        label->setWordWrap(verdict);
        label->setToolTip(hint);
        labels[c] = label;
    }
    return {labels, height + 1};
}

// The three tests' rows from `top`, one label per figure and column into
// `labels`; returns the top below them.
template <typename Labels>
int makeTestRows(QWidget* parent, const AnalysisPageSetup& setup, int top, int columns,
                 const QString& suffix, Labels&& labels) {
    for (const Row& row : kRows) {
        const QString caption = QString::fromUtf16(row.caption);
        if (row.kind == RowKind::Section) {
            makeSection(parent, caption, top, row.topic);
            top += kValueHeight + 4;
            continue;
        }
        const auto [made, height] =
            makeFigureRow(parent, setup, top, columns, row.kind == RowKind::Verdict,
                          QString::fromUtf16(row.letters), suffix, caption, row.topic);
        for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c)
            labels(c)[static_cast<std::size_t>(row.figure)] = made[c];
        top += height;
    }
    return top;
}

QChar decimalSeparator() {
    return QLocale().decimalPoint().at(0);
}

// A figure with two decimals and its sign, as the residual of a class.
QString signedTwoDecimals(double value, QChar separator) {
    QString text = QString::number(value, 'f', 2);
    text.replace(u'.', separator);
    return value > 0 ? u"+"_s + text : text;
}

std::array<QString, AnalysisPage::FigureCount> figureTexts(const analysis::SeriesReport& report,
                                                           QChar separator) {
    std::array<QString, AnalysisPage::FigureCount> texts;
    const analysis::UniformityTest& uniformity = report.uniformity;
    texts[AnalysisPage::Statistic] =
        Fixed4::fromQuotient(uniformity.statisticNumerator, uniformity.statisticDenominator)
            .toText(separator);
    texts[AnalysisPage::PValue] = pValueText(uniformity.pValue, separator);
    texts[AnalysisPage::Furthest] =
        uniformity.launches == 0
            ? notApplicableText()
            : classText(kClasses[static_cast<std::size_t>(uniformity.furthestRow)]) + u" ("_s +
                  signedTwoDecimals(uniformity.furthestResidual, separator) + u")"_s;
    texts[AnalysisPage::Verdict] = uniformity.pValue ? verdictText(*uniformity.pValue)
                                                     : u"Troppo pochi lanci (servono almeno 30)"_s;

    const analysis::MethodScoreboard& method = *report.method;
    texts[AnalysisPage::Hits] =
        QString::number(method.hits()) + u" su "_s + QString::number(method.bets());
    texts[AnalysisPage::ExpectedHits] =
        Fixed4::fromQuotient(method.redClasses(), 6).toText(separator);
    texts[AnalysisPage::MethodPValue] = pValueText(method.pValue(), separator);
    const std::int64_t balance = method.balance();
    texts[AnalysisPage::Balance] = (balance > 0 ? u"+"_s : QString()) + QString::number(balance);
    texts[AnalysisPage::MethodVerdict] =
        method.pValue() ? verdictText(*method.pValue()) : u"Nessuna puntata: mai un I.C. rosso"_s;

    const analysis::IndependenceTest& dependence = report.dependence;
    texts[AnalysisPage::DependencePValue] = pValueText(dependence.pValue, separator);
    texts[AnalysisPage::DependenceVerdict] = dependence.pValue
                                                 ? verdictText(*dependence.pValue)
                                                 : u"Attesi troppo bassi: servono più lanci"_s;
    return texts;
}

} // namespace

QString AnalysisPage::labelName(const QString& prefix, Figure figure) {
    for (const Row& row : kRows)
        if (row.kind != RowKind::Section && row.figure == figure)
            return prefix + QString::fromUtf16(row.letters);
    return {};
}

AnalysisPage::AnalysisPage(const WorkingSession& session, const Series& first, const Series& second,
                           const AnalysisPageSetup& setup)
    : m_session(session), m_archiveMode(setup.archiveMode),
      m_archiveColumnCount(std::clamp(setup.archiveColumns, 1, 2)) {
    setObjectName(u"ANALISI"_s);
    palette::setWindowColour(this, setup.background);
    m_columns[0].series = &first;
    m_columns[1].series = &second;

    // Two blocks do not fit the tab's height: the page scrolls, sideways never.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    palette::setWindowColour(scroll->viewport(), setup.background);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    auto* content = new QWidget;
    palette::setWindowColour(content, setup.background);

    makeHeadings(content, setup, 4, 2);
    int top = makeTestRows(
        content, setup, 24, 2,
        QString(), [this](std::size_t c) -> auto& { return m_columns[c].labels; });
    QLabel* caveat = controls::makeLabel(
        content,
        {.text = u"Con molti test, ogni tanto uno risulta \"significativo\" per puro caso."_s,
         .rect = {kCaptionLeft, top + 3, kSpanWidth, 28},
         .foreground = setup.captionColour,
         .pixelSize = 10});
    caveat->setWordWrap(true);
    top += 36;

    makeSection(content, u"Archivio: stesso sito e croupier"_s, top, help::Topic::Archive);
    top += kValueHeight + 6;
    m_archiveNote = controls::makeLabel(content, {.name = u"STATOARC"_s,
                                                  .rect = {kCaptionLeft, top, kSpanWidth, 30},
                                                  .foreground = setup.captionColour,
                                                  .pixelSize = 10});
    // "Archivio illeggibile: " and the reason need more than one line.
    m_archiveNote->setWordWrap(true);
    m_archiveNote->setToolTip(help::tooltip(help::Topic::Archive));
    m_archiveBlock = new QWidget(content);
    m_archiveBlock->move(0, top);
    makeHeadings(m_archiveBlock, setup, 0, m_archiveColumnCount);
    int blockTop = 20;
    for (const auto& [letters, caption, topic, target] :
         {std::tuple{u"SES"_s, u"Sessioni"_s, help::Topic::ArchiveSessions,
                     &ArchiveColumn::sessions},
          std::tuple{u"LAN"_s, u"Lanci"_s, help::Topic::ArchiveLaunches,
                     &ArchiveColumn::launches}}) {
        const auto [made, height] =
            makeFigureRow(m_archiveBlock, setup, blockTop, m_archiveColumnCount, false, letters,
                          kArchiveSuffix, caption, topic);
        for (std::size_t c = 0; c < static_cast<std::size_t>(m_archiveColumnCount); ++c)
            m_archiveColumns[c].*target = made[c];
        blockTop += height;
    }
    blockTop = makeTestRows(
        m_archiveBlock, setup, blockTop, m_archiveColumnCount,
        kArchiveSuffix, [this](std::size_t c) -> auto& { return m_archiveColumns[c].labels; });
    m_archiveBlock->resize(kContentWidth, blockTop);
    content->resize(kContentWidth, top + blockTop + 4);
    scroll->setWidget(content);
    readArchive();

    for (Column& column : m_columns) {
        follow(column);
        showFigures(column);
    }

    m_placeSettled.setSingleShot(true);
    m_placeSettled.setInterval(400);
    connect(&m_placeSettled, &QTimer::timeout, this, &AnalysisPage::readArchive);
    connect(&m_session, &WorkingSession::entryChanged, this, [this] {
        const LaunchEntry& entry = m_session.entry();
        if (isVisible() && (entry.site != m_readSite || entry.croupier != m_readCroupier))
            m_placeSettled.start();
    });
}

void AnalysisPage::setArchivePath(const QString& path) {
    m_archivePath = path;
    if (isVisible())
        readArchive();
}

void AnalysisPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The archive has grown since the page was last looked at.
    if (!event->spontaneous())
        readArchive();
}

void AnalysisPage::readArchive() {
    m_placeSettled.stop();
    m_readSite = m_session.entry().site;
    m_readCroupier = m_session.entry().croupier;
    if (m_archivePath.isEmpty()) {
        showArchive(ArchiveCatalog::Status::Missing, {}, {});
        return;
    }
    // Thousands of sessions take seconds to read and join: both happen off
    // the window's thread, which only shows the figures.
    m_historyReader.requestWork(
        m_archivePath, m_archiveMode, m_readSite, m_readCroupier,
        [this, columns = static_cast<std::size_t>(m_archiveColumnCount)](
            ArchiveCatalog::PlaceHistory history) -> PlaceHistoryReader::Finish {
            auto joined = std::make_shared<std::array<analysis::JoinedAnalysis, 2>>();
            for (const std::array<ArchiveCatalog::Classes, 2>& session : history.sessions)
                for (std::size_t c = 0; c < columns; ++c)
                    (*joined)[c].addSession(session[c]);
            return [this, joined, status = history.status, error = history.error] {
                showArchive(status, error, *joined);
            };
        });
}

void AnalysisPage::showArchive(ArchiveCatalog::Status status, const QString& error,
                               const std::array<analysis::JoinedAnalysis, 2>& joined) {
    std::int64_t sessions = 0;
    for (const analysis::JoinedAnalysis& column : joined)
        sessions += column.sessions();

    QString note;
    if (status == ArchiveCatalog::Status::Missing)
        note = u"Nessun archivio: ancora nessuna sessione registrata"_s;
    else if (status == ArchiveCatalog::Status::Failed)
        note = u"Archivio illeggibile: "_s + error;
    else if (sessions == 0)
        note = u"Nessuna sessione archiviata con questo sito e croupier"_s;
    m_archiveNote->setText(note);
    m_archiveNote->setVisible(!note.isEmpty());
    m_archiveBlock->setVisible(note.isEmpty());
    if (!note.isEmpty())
        return;
    for (std::size_t c = 0; c < static_cast<std::size_t>(m_archiveColumnCount); ++c) {
        const ArchiveColumn& column = m_archiveColumns[c];
        column.sessions->setText(QString::number(joined[c].sessions()));
        column.launches->setText(QString::number(joined[c].launches()));
        const std::array<QString, FigureCount> texts =
            figureTexts(joined[c].report(), decimalSeparator());
        for (std::size_t figure = 0; figure < FigureCount; ++figure)
            column.labels[figure]->setText(texts[figure]);
    }
}

void AnalysisPage::follow(Column& column) {
    // The series keeps its analysis up to date before it tells its figures.
    connect(column.series, &Series::statisticsChanged, this,
            [this, &column] { showFigures(column); });
}

void AnalysisPage::showFigures(const Column& column) {
    const std::array<QString, FigureCount> texts =
        figureTexts(column.series->analysisReport(), decimalSeparator());
    for (std::size_t figure = 0; figure < FigureCount; ++figure)
        column.labels[figure]->setText(texts[figure]);
}

} // namespace rotamind

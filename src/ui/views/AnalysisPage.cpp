#include "ui/views/AnalysisPage.h"

#include "analysis/PageVerdict.h"
#include "analysis/ShareBounds.h"
#include "analysis/Significance.h"
#include "session/Series.h"
#include "session/WorkingSession.h"
#include "stats/Fixed4.h"
#include "wheel/Wheel.h"

#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/SpokenNames.h"
#include "ui/views/EvidenceChart.h"
#include "ui/views/ShareChart.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

namespace rotamind {

namespace {

using namespace Qt::StringLiterals;
using analysis::notApplicableText;
using analysis::pValueText;
using analysis::Test;
using analysis::verdictText;

enum class RowKind { Section, Value, Share, Verdict };

struct Row {
    RowKind kind;
    AnalysisPage::Figure figure; // ignored for a section
    const char16_t* letters;     // the label's name after the prefix
    const char* caption;         // to translate
    help::Topic topic;
};

// The page from top to bottom, below its verdict; a section's caption spans
// both columns.
constexpr Row kRows[] = {
    {RowKind::Section, AnalysisPage::FigureCount, nullptr,
     QT_TRANSLATE_NOOP("AnalysisPage", "Uniformità delle classi"), help::Topic::Uniformity},
    {RowKind::Value, AnalysisPage::Statistic, u"X2", QT_TRANSLATE_NOOP("AnalysisPage", "X²"),
     help::Topic::Uniformity},
    {RowKind::Value, AnalysisPage::PValue, u"X2P", QT_TRANSLATE_NOOP("AnalysisPage", "p"),
     help::Topic::UniformityPValue},
    {RowKind::Value, AnalysisPage::Furthest, u"X2C",
     QT_TRANSLATE_NOOP("AnalysisPage", "Più lontana"), help::Topic::FurthestClass},
    {RowKind::Value, AnalysisPage::Evidence, u"X2E", QT_TRANSLATE_NOOP("AnalysisPage", "Evidenza"),
     help::Topic::UniformityEvidence},
    {RowKind::Verdict, AnalysisPage::Verdict, u"X2V", QT_TRANSLATE_NOOP("AnalysisPage", "Esito"),
     help::Topic::UniformityVerdict},
    {RowKind::Section, AnalysisPage::FigureCount, nullptr,
     QT_TRANSLATE_NOOP("AnalysisPage", "Metodo: puntare gli I.C. rossi"), help::Topic::Hits},
    {RowKind::Value, AnalysisPage::Hits, u"HIT", QT_TRANSLATE_NOOP("AnalysisPage", "Vinti"),
     help::Topic::Hits},
    {RowKind::Value, AnalysisPage::ExpectedHits, u"HITX",
     QT_TRANSLATE_NOOP("AnalysisPage", "Attesi"), help::Topic::ExpectedHits},
    {RowKind::Value, AnalysisPage::MethodPValue, u"HITP", QT_TRANSLATE_NOOP("AnalysisPage", "p"),
     help::Topic::MethodPValue},
    {RowKind::Value, AnalysisPage::Balance, u"SALDO", QT_TRANSLATE_NOOP("AnalysisPage", "Saldo"),
     help::Topic::Balance},
    {RowKind::Value, AnalysisPage::ExpectedBalance, u"ATTESO",
     QT_TRANSLATE_NOOP("AnalysisPage", "Atteso"), help::Topic::ExpectedBalance},
    {RowKind::Value, AnalysisPage::MethodEvidence, u"HITE",
     QT_TRANSLATE_NOOP("AnalysisPage", "Evidenza"), help::Topic::MethodEvidence},
    {RowKind::Verdict, AnalysisPage::MethodVerdict, u"HITV",
     QT_TRANSLATE_NOOP("AnalysisPage", "Esito"), help::Topic::MethodVerdict},
    {RowKind::Section, AnalysisPage::FigureCount, nullptr,
     QT_TRANSLATE_NOOP("AnalysisPage", "Classe dopo classe (6 × 6)"),
     help::Topic::DependencePValue},
    {RowKind::Value, AnalysisPage::DependencePValue, u"TRP", QT_TRANSLATE_NOOP("AnalysisPage", "p"),
     help::Topic::DependencePValue},
    {RowKind::Value, AnalysisPage::DependenceEvidence, u"TRE",
     QT_TRANSLATE_NOOP("AnalysisPage", "Evidenza"), help::Topic::DependenceEvidence},
    {RowKind::Verdict, AnalysisPage::DependenceVerdict, u"TRV",
     QT_TRANSLATE_NOOP("AnalysisPage", "Esito"), help::Topic::DependenceVerdict},
    {RowKind::Section, AnalysisPage::FigureCount, nullptr,
     QT_TRANSLATE_NOOP("AnalysisPage", "Quota di ogni classe (fiducia 95 %)"), help::Topic::Shares},
    {RowKind::Share, AnalysisPage::Share3, u"QUO3", QT_TRANSLATE_NOOP("AnalysisPage", "Classe 3"),
     help::Topic::Shares},
    {RowKind::Share, AnalysisPage::Share2, u"QUO2", QT_TRANSLATE_NOOP("AnalysisPage", "Classe 2"),
     help::Topic::Shares},
    {RowKind::Share, AnalysisPage::Share1, u"QUO1", QT_TRANSLATE_NOOP("AnalysisPage", "Classe 1"),
     help::Topic::Shares},
    {RowKind::Share, AnalysisPage::ShareM1, u"QUOM1",
     QT_TRANSLATE_NOOP("AnalysisPage", "Classe -1"), help::Topic::Shares},
    {RowKind::Share, AnalysisPage::ShareM2, u"QUOM2",
     QT_TRANSLATE_NOOP("AnalysisPage", "Classe -2"), help::Topic::Shares},
    {RowKind::Share, AnalysisPage::ShareM3, u"QUOM3",
     QT_TRANSLATE_NOOP("AnalysisPage", "Classe -3"), help::Topic::Shares},
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
constexpr int kPictureHeight = 96;

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
                                                     int columns, RowKind kind,
                                                     const QString& letters, const QString& suffix,
                                                     const QString& caption, help::Topic topic) {
    const QString hint = help::tooltip(topic);
    const bool verdict = kind == RowKind::Verdict;
    const int height = verdict ? kVerdictHeight : kValueHeight;
    controls::makeLabel(parent, {.text = caption,
                                 .rect = {kCaptionLeft, top, kCaptionWidth, kValueHeight},
                                 .foreground = setup.captionColour,
                                 .bold = true})
        ->setToolTip(hint);
    std::array<QLabel*, 2> labels{};
    // Read with its row and column, "Evidenza, serie orari: ×37"; the
    // archive's rows repeat the page's captions, so they say whose they are.
    const QString spokenRow = QCoreApplication::translate("AnalysisPage", "%1, serie %2");
    const QString archive =
        suffix == kArchiveSuffix
            ? QCoreApplication::translate("AnalysisPage", "Archivio: stesso sito e croupier")
            : QString();
    for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c) {
        QLabel* label = controls::makeLabel(
            parent, {.name = kPrefixes[c] + letters + suffix,
                     .rect = {kColumnLefts[c], top, kColumnWidth, height},
                     .background = verdict ? palette::kSilver : palette::kNavy,
                     .foreground = verdict ? palette::kBlack : palette::kYellow,
                     .bold = kind == RowKind::Value,
                     .pixelSize = kind == RowKind::Value ? 11 : 10,
                     .align = verdict ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter});
        label->setWordWrap(verdict);
        label->setToolTip(hint);
        spoken::nameFigure(label, spokenRow.arg(caption, setup.headings[c].toLower()));
        label->setAccessibleDescription(archive);
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
        const QString caption = QCoreApplication::translate("AnalysisPage", row.caption);
        if (row.kind == RowKind::Section) {
            makeSection(parent, caption, top, row.topic);
            top += kValueHeight + 4;
            continue;
        }
        const auto [made, height] =
            makeFigureRow(parent, setup, top, columns, row.kind, QString::fromUtf16(row.letters),
                          suffix, caption, row.topic);
        for (std::size_t c = 0; c < static_cast<std::size_t>(columns); ++c)
            labels(c)[static_cast<std::size_t>(row.figure)] = made[c];
        top += height;
    }
    return top;
}

QChar decimalSeparator() {
    return QLocale().decimalPoint().at(0);
}

// A figure with two decimals and its sign, as the residual of a class; one
// that rounds to nothing has no sign.
QString signedTwoDecimals(double value, QChar separator) {
    const double rounded = std::round(value * 100) / 100;
    QString text = QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
    text.replace(u'.', separator);
    return rounded > 0 ? u"+"_s + text : text;
}

// The band of each class's share, in the order of kClasses.
using ShareBands = std::array<analysis::ShareInterval, 6>;

ShareBands shareBands(const std::array<std::int64_t, 6>& frequency, std::int64_t launches) {
    ShareBands bands;
    for (std::size_t row = 0; row < 6; ++row)
        bands[row] = analysis::shareInterval(frequency[row], launches);
    return bands;
}

// "tra 14 % e 29 %", widened to whole percents.
QString shareText(const analysis::ShareInterval& band, std::int64_t count, std::int64_t launches) {
    if (launches == 0)
        return notApplicableText();
    // Widened outwards, but a bound of exactly 29 % stays 29 %, not 30 %.
    const QString low = QString::number(static_cast<int>(std::floor(band.low * 100 + 1e-9)));
    const QString high = QString::number(static_cast<int>(std::ceil(band.high * 100 - 1e-9)));
    if (count == 0)
        return QCoreApplication::translate("AnalysisPage", "mai, ≤ %1 %").arg(high);
    return QCoreApplication::translate("AnalysisPage", "tra %1 % e %2 %").arg(low, high);
}

analysis::SeriesEvidence evidenceOf(const analysis::SeriesReport& report) {
    return {report.logEvidence, report.launches};
}

// The texts of one column, with what its tests bring to the page (`column`
// of `page`).
std::array<QString, AnalysisPage::FigureCount>
figureTexts(const analysis::SeriesReport& report, const std::array<std::int64_t, 6>& frequency,
            const ShareBands& bands, const analysis::PageFigures& page, std::size_t column,
            QChar separator) {
    std::array<QString, AnalysisPage::FigureCount> texts;
    const auto evidence = [&](Test test) {
        return analysis::evidenceText(page.testEvidence[column][static_cast<std::size_t>(test)],
                                      separator);
    };
    const auto verdict = [&](Test test) {
        return verdictText(page.testVerdicts[column][static_cast<std::size_t>(test)]);
    };
    const analysis::UniformityTest& uniformity = report.uniformity;
    texts[AnalysisPage::Statistic] =
        Fixed4::fromQuotient(uniformity.statisticNumerator, uniformity.statisticDenominator)
            .toText(separator);
    texts[AnalysisPage::PValue] = pValueText(uniformity.pValue, separator);
    // Below 30 launches the largest of six residuals says nothing.
    texts[AnalysisPage::Furthest] =
        uniformity.launches < analysis::kMinimumVerdictLaunches || uniformity.furthestRow < 0
            ? notApplicableText()
            : classText(kClasses[static_cast<std::size_t>(uniformity.furthestRow)]) + u" ("_s +
                  signedTwoDecimals(uniformity.furthestResidual, separator) + u")"_s;
    texts[AnalysisPage::Evidence] = evidence(Test::Uniformity);
    texts[AnalysisPage::Verdict] = verdict(Test::Uniformity);

    const analysis::MethodScoreboard& method = *report.method;
    texts[AnalysisPage::Hits] = QCoreApplication::translate("AnalysisPage", "%1 su %2")
                                    .arg(method.hits())
                                    .arg(method.bets());
    texts[AnalysisPage::ExpectedHits] =
        Fixed4::fromQuotient(method.redClasses(), 6).toText(separator);
    texts[AnalysisPage::MethodPValue] = pValueText(method.pValue(), separator);
    const std::int64_t balance = method.balance();
    texts[AnalysisPage::Balance] = (balance > 0 ? u"+"_s : QString()) + QString::number(balance);
    texts[AnalysisPage::ExpectedBalance] =
        method.stakedClasses() == 0
            ? u"0"_s
            : signedTwoDecimals(static_cast<double>(method.expectedBalanceIn37ths()) / 37.0,
                                separator);
    texts[AnalysisPage::MethodEvidence] = evidence(Test::Method);
    texts[AnalysisPage::MethodVerdict] =
        method.bets() == 0 && report.launches >= analysis::kMinimumVerdictLaunches
            ? QCoreApplication::translate("AnalysisPage", "Nessuna puntata: mai un I.C. rosso")
            : verdict(Test::Method);

    const analysis::IndependenceTest& dependence = report.dependence;
    texts[AnalysisPage::DependencePValue] = pValueText(dependence.pValue, separator);
    texts[AnalysisPage::DependenceEvidence] = evidence(Test::Dependence);
    texts[AnalysisPage::DependenceVerdict] = verdict(Test::Dependence);

    for (std::size_t row = 0; row < 6; ++row)
        texts[AnalysisPage::Share3 + row] = shareText(bands[row], frequency[row], report.launches);
    return texts;
}

// The page's verdict (VERDETTO + suffix) and evidence (EVIDENZA + suffix)
// across both columns; returns their height.
template <typename Labels>
int makeVerdictRows(QWidget* parent, const AnalysisPageSetup& setup, int top, const QString& suffix,
                    Labels& labels) {
    makeSection(parent, QCoreApplication::translate("AnalysisPage", "Verdetto della pagina"), top,
                help::Topic::PageVerdict);
    int height = kValueHeight + 4;
    labels.verdict = controls::makeLabel(
        parent, {.name = u"VERDETTO"_s + suffix,
                 .rect = {kColumnLefts[0], top + height,
                          kSpanWidth - kColumnLefts[0] + kCaptionLeft, 2 * kValueHeight},
                 .background = palette::kSilver,
                 .bold = true,
                 .align = Qt::AlignCenter});
    // "Troppo pochi lanci (servono almeno 30)" takes two lines.
    labels.verdict->setWordWrap(true);
    labels.verdict->setToolTip(help::tooltip(help::Topic::PageVerdict));
    controls::makeLabel(parent, {.text = QCoreApplication::translate("AnalysisPage", "Verdetto"),
                                 .rect = {kCaptionLeft, top + height, kCaptionWidth, kValueHeight},
                                 .foreground = setup.captionColour,
                                 .bold = true})
        ->setToolTip(help::tooltip(help::Topic::PageVerdict));
    height += 2 * kValueHeight + 2;
    labels.evidence = controls::makeLabel(
        parent, {.name = u"EVIDENZA"_s + suffix,
                 .rect = {kColumnLefts[0], top + height,
                          kSpanWidth - kColumnLefts[0] + kCaptionLeft, kValueHeight},
                 .background = palette::kNavy,
                 .foreground = palette::kYellow,
                 .bold = true,
                 .align = Qt::AlignCenter});
    labels.evidence->setToolTip(help::tooltip(help::Topic::PageEvidence));
    spoken::nameFigure(labels.verdict, QCoreApplication::translate("AnalysisPage", "Verdetto"));
    spoken::nameFigure(labels.evidence, QCoreApplication::translate("AnalysisPage", "Evidenza"));
    controls::makeLabel(parent, {.text = QCoreApplication::translate("AnalysisPage", "Evidenza"),
                                 .rect = {kCaptionLeft, top + height, kCaptionWidth, kValueHeight},
                                 .foreground = setup.captionColour,
                                 .bold = true})
        ->setToolTip(help::tooltip(help::Topic::PageEvidence));
    return height + kValueHeight + 6;
}

void showVerdict(QLabel* verdict, QLabel* evidence, const analysis::PageFigures& page,
                 QChar separator) {
    verdict->setText(verdictText(page.verdict));
    evidence->setText(analysis::evidenceText(page.evidence, separator));
}

// The launches a series needs alone to show "Firma significativa" with one
// class at 25 % and at 35 %: the figure a player can weigh against theirs.
QString launchesNeededText() {
    constexpr double kAlone = analysis::kSignificantEvidence * 2 * analysis::kTestsPerSeries;
    return QCoreApplication::translate(
               "AnalysisPage",
               "Firma da una serie sola: circa %1 lanci se una classe esce al 25 %, %2 al 35 %.")
        .arg(QString::number(analysis::launchesToDetect(0.25, kAlone)),
             QString::number(analysis::launchesToDetect(0.35, kAlone)));
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

    // Lighter than the headings, to stand out on the pictures' black.
    for (std::size_t c = 0; c < 2; ++c)
        m_seriesColours[c] = setup.headingBackgrounds[c].lighter(160);
    makeHeadings(content, setup, 4, 2);
    int top = 24;
    top += makeVerdictRows(content, setup, top, QString(), m_verdict);
    top = makeTestRows(
        content, setup, top, 2,
        QString(), [this](std::size_t c) -> auto& { return m_columns[c].labels; });
    QLabel* needed = controls::makeLabel(content, {.name = u"SERVONO"_s,
                                                   .text = launchesNeededText(),
                                                   .rect = {kCaptionLeft, top + 2, kSpanWidth, 28},
                                                   .foreground = setup.captionColour,
                                                   .pixelSize = 10});
    needed->setWordWrap(true);
    needed->setToolTip(help::tooltip(help::Topic::LaunchesNeeded));
    top += 34;

    makeSection(content, QCoreApplication::translate("AnalysisPage", "Evidenza lancio per lancio"),
                top, help::Topic::EvidenceChart);
    top += kValueHeight + 6;
    m_evidenceChart = new EvidenceChart(content);
    m_evidenceChart->setGeometry(kCaptionLeft, top, kSpanWidth, kPictureHeight);
    m_evidenceChart->setToolTip(help::tooltip(help::Topic::EvidenceChart));
    top += kPictureHeight + 4;
    makeSection(content, QCoreApplication::translate("AnalysisPage", "Quota di ogni classe"), top,
                help::Topic::ShareChart);
    top += kValueHeight + 6;
    m_shareChart = new ShareChart(content);
    m_shareChart->setGeometry(kCaptionLeft, top, kSpanWidth, kPictureHeight);
    m_shareChart->setToolTip(help::tooltip(help::Topic::ShareChart));
    top += kPictureHeight + 2;

    QLabel* caveat = controls::makeLabel(
        content,
        {.text = QCoreApplication::translate(
             "AnalysisPage", "Guardare dopo ogni lancio è lecito. Nessun test prova che la ruota "
                             "è giusta."),
         .rect = {kCaptionLeft, top + 3, kSpanWidth, 28},
         .foreground = setup.captionColour,
         .pixelSize = 10});
    caveat->setWordWrap(true);
    top += 36;

    makeSection(content,
                QCoreApplication::translate("AnalysisPage", "Archivio: stesso sito e croupier"),
                top, help::Topic::Archive);
    top += kValueHeight + 6;
    m_archiveNote = controls::makeLabel(content, {.name = u"STATOARC"_s,
                                                  .rect = {kCaptionLeft, top, kSpanWidth, 30},
                                                  .foreground = setup.captionColour,
                                                  .pixelSize = 10});
    // "Archivio illeggibile: " and the reason need more than one line.
    m_archiveNote->setWordWrap(true);
    m_archiveNote->setToolTip(help::tooltip(help::Topic::Archive));
    top += 32;
    m_archiveBlock = new QWidget(content);
    m_archiveBlock->move(0, top);
    int blockTop = makeVerdictRows(m_archiveBlock, setup, 0, kArchiveSuffix, m_archiveVerdict);
    makeHeadings(m_archiveBlock, setup, blockTop, m_archiveColumnCount);
    blockTop += 20;
    for (const auto& [letters, caption, topic, target] :
         {std::tuple{u"SES"_s, QCoreApplication::translate("AnalysisPage", "Sessioni"),
                     help::Topic::ArchiveSessions, &ArchiveColumn::sessions},
          std::tuple{u"LAN"_s, QCoreApplication::translate("AnalysisPage", "Lanci"),
                     help::Topic::ArchiveLaunches, &ArchiveColumn::launches}}) {
        const auto [made, height] =
            makeFigureRow(m_archiveBlock, setup, blockTop, m_archiveColumnCount, RowKind::Value,
                          letters, kArchiveSuffix, caption, topic);
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

AnalysisPage::~AnalysisPage() = default;

void AnalysisPage::setPlaceHistory(std::unique_ptr<PlaceHistorySource> source) {
    m_history = std::move(source);
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
    const quint64 request = ++m_request;
    if (!m_history) {
        showArchive({});
        return;
    }
    // Every window that kept them would pool as one croupier evenings that
    // have nothing in common.
    const LaunchEntry& example = m_session.initialEntry();
    if (m_readSite == example.site && m_readCroupier == example.croupier) {
        showArchiveNote(QCoreApplication::translate(
                            "AnalysisPage", "Sito e croupier sono quelli d'esempio: scrivi "
                                            "quelli veri per vedere le sessioni archiviate"),
                        false);
        return;
    }
    m_history->request({.mode = m_archiveMode, .site = m_readSite, .croupier = m_readCroupier},
                       [this, request](const PlaceHistory& history) {
                           if (request == m_request)
                               showArchive(history);
                       });
}

void AnalysisPage::showArchiveNote(const QString& note, bool withFigures) {
    m_archiveNote->setText(note);
    m_archiveNote->setVisible(!note.isEmpty());
    m_archiveBlock->setVisible(withFigures);
}

void AnalysisPage::showArchive(const PlaceHistory& history) {
    const auto columns = static_cast<std::size_t>(m_archiveColumnCount);
    std::array<analysis::JoinedAnalysis, 2> joined;
    std::int64_t sessions = 0;
    std::int64_t setAside = 0;
    for (std::size_t c = 0; c < columns; ++c) {
        joined[c].addSummary(history.pooled[c], history.sessions[c]);
        sessions += joined[c].sessions();
        setAside += history.setAside[c];
    }
    // Loaded or imported series hold launches counted where they were typed.
    const QString setAsideNote =
        setAside == 0
            ? QString()
            : QCoreApplication::translate(
                  "AnalysisPage", "%1 serie caricate da file o importate non contano: i loro lanci "
                                  "contano dove furono battuti")
                  .arg(setAside);
    if (history.status == PlaceHistory::Status::Missing)
        return showArchiveNote(
            QCoreApplication::translate("AnalysisPage",
                                        "Nessun archivio: ancora nessuna sessione registrata"),
            false);
    if (history.status == PlaceHistory::Status::Failed)
        return showArchiveNote(
            QCoreApplication::translate("AnalysisPage", "Archivio illeggibile: ") + history.error,
            false);
    if (sessions == 0)
        return showArchiveNote(
            setAside == 0
                ? QCoreApplication::translate(
                      "AnalysisPage", "Nessuna sessione archiviata con questo sito e croupier")
                : setAsideNote,
            false);
    showArchiveNote(setAsideNote, true);
    std::array<analysis::SeriesReport, 2> reports;
    std::array<analysis::SeriesEvidence, 2> evidence;
    for (std::size_t c = 0; c < columns; ++c) {
        reports[c] = joined[c].report();
        evidence[c] = evidenceOf(reports[c]);
    }
    const analysis::PageFigures page = analysis::pageFigures(std::span(evidence).first(columns));
    const QChar separator = decimalSeparator();
    showVerdict(m_archiveVerdict.verdict, m_archiveVerdict.evidence, page, separator);
    for (std::size_t c = 0; c < columns; ++c) {
        const ArchiveColumn& column = m_archiveColumns[c];
        column.sessions->setText(QString::number(joined[c].sessions()));
        column.launches->setText(QString::number(joined[c].launches()));
        const std::array<QString, FigureCount> texts = figureTexts(
            reports[c], joined[c].frequency(),
            shareBands(joined[c].frequency(), joined[c].launches()), page, c, separator);
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
    // The page's verdict reads both columns; the labels and pictures of the
    // other column stay as they are.
    const std::size_t index = &column == &m_columns[0] ? 0 : 1;
    std::array<analysis::SeriesReport, 2> reports;
    std::array<analysis::SeriesEvidence, 2> evidence;
    for (std::size_t c = 0; c < 2; ++c) {
        reports[c] = m_columns[c].series->analysisReport();
        evidence[c] = evidenceOf(reports[c]);
    }
    const analysis::PageFigures page = analysis::pageFigures(evidence);
    const QChar separator = decimalSeparator();
    showVerdict(m_verdict.verdict, m_verdict.evidence, page, separator);

    const analysis::SeriesAnalysis& series = column.series->analysis();
    const auto launches = series.launches();
    const ShareBands bands = shareBands(series.frequency(), launches);
    const std::array<QString, FigureCount> texts =
        figureTexts(reports[index], series.frequency(), bands, page, index, separator);
    for (std::size_t figure = 0; figure < FigureCount; ++figure)
        column.labels[figure]->setText(texts[figure]);

    m_evidenceChart->setSeries(index, series.trace(), series.spins(), series.log10Evidence(),
                               m_seriesColours[index]);
    std::array<double, 6> shares{};
    for (std::size_t row = 0; row < 6; ++row)
        shares[row] = launches == 0 ? 0.0
                                    : static_cast<double>(series.frequency()[row]) /
                                          static_cast<double>(launches);
    m_shareChart->setSeries(index, shares, bands, launches > 0, m_seriesColours[index]);
}

} // namespace rotamind

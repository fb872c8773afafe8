#include "ui/parts/AnalysisPage.h"

#include "analysis/Significance.h"
#include "session/Series.h"
#include "stats/Fixed4.h"
#include "wheel/Wheel.h"

#include "ui/parts/Controls.h"
#include "ui/parts/Palette.h"

#include <QLabel>
#include <QLocale>

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

// Columns of the page, in pixels: captions, then one column per series.
constexpr int kCaptionLeft = 3;
constexpr int kCaptionWidth = 64;
constexpr std::array<int, 2> kColumnLefts{68, 161};
constexpr int kColumnWidth = 90;
constexpr int kValueHeight = 14;
constexpr int kVerdictHeight = 38;

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

AnalysisPage::AnalysisPage(const Series& first, const Series& second,
                           const AnalysisPageSetup& setup) {
    setObjectName(u"ANALISI"_s);
    palette::setWindowColour(this, setup.background);
    m_columns[0].series = &first;
    m_columns[1].series = &second;
    const std::array<QString, 2> prefixes{QString(), u"A"_s};

    for (std::size_t c = 0; c < 2; ++c)
        controls::makeLabel(this, {.text = setup.headings[c],
                                   .rect = {kColumnLefts[c], 4, kColumnWidth, 16},
                                   .background = setup.headingBackgrounds[c],
                                   .foreground = setup.headingForegrounds[c],
                                   .bold = true,
                                   .align = Qt::AlignCenter});
    int top = 24;
    for (const Row& row : kRows) {
        const QString caption = QString::fromUtf16(row.caption);
        const QString hint = help::tooltip(row.topic);
        if (row.kind == RowKind::Section) {
            QLabel* section = controls::makeLabel(
                this, {.text = caption,
                       .rect = {kCaptionLeft, top + 2,
                                kColumnLefts[1] + kColumnWidth - kCaptionLeft, kValueHeight},
                       .background = palette::kMaroon,
                       .foreground = palette::kYellow,
                       .bold = true});
            section->setToolTip(hint);
            top += kValueHeight + 4;
            continue;
        }
        const bool verdict = row.kind == RowKind::Verdict;
        const int height = verdict ? kVerdictHeight : kValueHeight;
        controls::makeLabel(this, {.text = caption,
                                   .rect = {kCaptionLeft, top, kCaptionWidth, kValueHeight},
                                   .foreground = setup.captionColour,
                                   .bold = true})
            ->setToolTip(hint);
        for (std::size_t c = 0; c < 2; ++c) {
            QLabel* label = controls::makeLabel(
                this, {.name = prefixes[c] + QString::fromUtf16(row.letters),
                       .rect = {kColumnLefts[c], top, kColumnWidth, height},
                       .background = verdict ? palette::kSilver : palette::kNavy,
                       .foreground = verdict ? palette::kBlack : palette::kYellow,
                       .bold = !verdict,
                       .pixelSize = verdict ? 10 : 11,
                       .align = verdict ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter});
            label->setWordWrap(verdict);
            label->setToolTip(hint);
            m_columns[c].labels[static_cast<std::size_t>(row.figure)] = label;
        }
        top += height + 1;
    }
    QLabel* caveat = controls::makeLabel(
        this, {.text = u"Con molti test, ogni tanto uno risulta \"significativo\" per puro caso."_s,
               .rect = {kCaptionLeft, top + 3, kColumnLefts[1] + kColumnWidth - kCaptionLeft, 28},
               .foreground = setup.captionColour,
               .pixelSize = 10});
    caveat->setWordWrap(true);

    for (Column& column : m_columns) {
        follow(column);
        showFigures(column);
    }
}

void AnalysisPage::follow(Column& column) {
    const Series* series = column.series;
    // Launches only ever arrive at the end; everything else rebuilds.
    connect(series, &Series::rowsInserted, this,
            [&column, series](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    column.analysis.add(series->classAt(row));
            });
    const auto rebuild = [&column, series] { column.analysis.recompute(series->classes()); };
    connect(series, &Series::rowsRemoved, this, rebuild);
    connect(series, &Series::modelReset, this, rebuild);
    connect(series, &Series::statisticsChanged, this, [this, &column] { showFigures(column); });
}

void AnalysisPage::showFigures(const Column& column) {
    const std::array<QString, FigureCount> texts =
        figureTexts(column.analysis.report(column.series->statistics()), decimalSeparator());
    for (std::size_t figure = 0; figure < FigureCount; ++figure)
        column.labels[figure]->setText(texts[figure]);
}

} // namespace rotamind

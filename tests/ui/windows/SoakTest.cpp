// Long random runs of the PRO and EASY windows: launches (numbers and foreign
// texts), the direction lock, deletes, resets, loads and chart pages, with the
// lists, charts, counts and statistics labels checked against a model of the
// series kept by the test. ROTAMIND_SOAK_SEED replays a run,
// ROTAMIND_SOAK_OPERATIONS sets its length (per window).
#include "../WindowDriver.h"

#include "stats/SeriesStats.h"
#include "ui/views/ClassicStatsGrid.h"
#include "ui/views/LengthStatsGrid.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"

#include <QItemSelectionModel>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

using namespace rotamind;
using rotamind::testing::WindowDriver;

namespace {
constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kDefaultOperations = 10000;
#else
constexpr qint64 kDefaultOperations = 100000;
#endif

// One series as the window shows it, with what the test expects it to hold.
struct SeriesView {
    Series* series = nullptr;
    const char* list = nullptr;
    const char* chart = nullptr;
    const char* count = nullptr;
    QString classicPrefix{};
    std::optional<QString> lengthPrefix{};
    QStringList expected{};
    // Label texts are read through cached pointers: finding them by name each
    // time would cost more than the operations.
    std::array<std::array<QLabel*, 6>, ClassicStatsGrid::ColumnCount> classic{};
    std::array<std::array<QLabel*, 11>, LengthStatsGrid::ColumnCount> lengths{};
};

void cacheLabels(const WindowDriver& driver, SeriesView& view) {
    for (int column = 0; column < ClassicStatsGrid::ColumnCount; ++column)
        for (size_t row = 0; row < 6; ++row)
            view.classic[size_t(column)][row] = driver.control<QLabel>(
                ClassicStatsGrid::labelName(view.classicPrefix, ClassicStatsGrid::Column(column),
                                            kClasses[row])
                    .toLatin1()
                    .constData());
    if (!view.lengthPrefix)
        return;
    for (int column = 0; column < LengthStatsGrid::ColumnCount; ++column)
        for (size_t row = 0; row < kLengths.size(); ++row)
            view.lengths[size_t(column)][row] = driver.control<QLabel>(
                LengthStatsGrid::labelName(*view.lengthPrefix, LengthStatsGrid::Column(column),
                                           kLengths[row])
                    .toLatin1()
                    .constData());
}

QString mismatch(const QString& what, const QString& shown, const QString& expected) {
    return shown == expected ? QString()
                             : u"%1 shows \"%2\", expected \"%3\""_s.arg(what, shown, expected);
}

QString mismatch(const QString& what, const QStringList& shown, const QStringList& expected) {
    return shown == expected
               ? QString()
               : u"%1 holds [%2], expected [%3]"_s.arg(what, shown.join(u' '), expected.join(u' '));
}

// Lists, charts, series and counts against the model: empty when all agree.
QString checkContents(const WindowDriver& driver, const SeriesView& view) {
    QStringList points;
    for (const int value : driver.points(view.chart))
        points << classText(value);
    QString problem =
        mismatch(QString::fromLatin1(view.list), driver.items(view.list), view.expected);
    if (problem.isEmpty())
        problem = mismatch(QString::fromLatin1(view.chart), points, view.expected);
    if (problem.isEmpty())
        problem = mismatch(u"the series of "_s + QString::fromLatin1(view.list),
                           view.series->texts(), view.expected);
    if (problem.isEmpty())
        problem = mismatch(QString::fromLatin1(view.count), driver.text(view.count),
                           QString::number(view.expected.size()));
    if (problem.isEmpty()) {
        // Deletes may leave the current page beyond the last one; the page drawn never is.
        const auto* chart = driver.control<DistanceChart>(view.chart);
        if (chart->currentPage() < 1 || chart->displayedPage() < 1 ||
            chart->displayedPage() > chart->pageCount())
            problem = u"%1 draws page %2 of %3"_s.arg(QString::fromLatin1(view.chart))
                          .arg(chart->displayedPage())
                          .arg(chart->pageCount());
    }
    return problem;
}

// Every statistics label against a recomputation from the expected items.
QString checkStatistics(const SeriesView& view) {
    const QChar separator = QLocale().decimalPoint().at(0);
    const QStringList& items = view.expected;
    const auto n = std::int64_t(items.size());
    const std::span<const QString> texts{items.constData(), size_t(items.size())};
    const ClassicStats classic = computeClassicStats(texts);
    auto indexText = [&](std::int64_t frequency, std::int64_t absence) {
        return n > 0 ? convenienceIndex(frequency, absence, n).toText(separator) : u"0"_s;
    };
    for (size_t row = 0; row < 6; ++row) {
        const std::array<QString, ClassicStatsGrid::ColumnCount> wanted{
            QString::number(classic.frequency[row]),
            n > 0 ? percentage(classic.frequency[row], n).toText(separator) : u"0"_s,
            QString::number(classic.absence[row]), QString::number(classic.maxAbsence[row]),
            indexText(classic.frequency[row], classic.absence[row])};
        for (size_t column = 0; column < wanted.size(); ++column) {
            const QLabel* label = view.classic[column][row];
            if (QString problem = mismatch(label->objectName(), label->text(), wanted[column]);
                !problem.isEmpty())
                return problem;
        }
    }
    if (!view.lengthPrefix)
        return {};
    const LengthStats lengths = computeLengthStats(texts);
    for (size_t row = 0; row < kLengths.size(); ++row) {
        const std::array<QString, LengthStatsGrid::ColumnCount> wanted{
            QString::number(lengths.frequency[row]), QString::number(lengths.absence[row]),
            indexText(lengths.frequency[row], lengths.absence[row])};
        for (size_t column = 0; column < wanted.size(); ++column) {
            const QLabel* label = view.lengths[column][row];
            if (QString problem = mismatch(label->objectName(), label->text(), wanted[column]);
                !problem.isEmpty())
                return problem;
        }
    }
    return {};
}

// The random run: the choices and the replay information.
class Run {
public:
    // `stream` picks one window's sequence of operations from the seed.
    Run(quint32 seed, quint32 stream) : m_seed(seed), m_random(seed ^ stream) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    Direction direction() { return below(2) ? O : A; }

    // A number 0..36 or, now and then, a text no launch has.
    QString entry() {
        static const std::array<QString, 4> foreign{u"37"_s, u"07"_s, u"ab"_s, u"??"_s};
        return chance(8) ? foreign[size_t(below(int(foreign.size())))] : QString::number(below(37));
    }

    std::vector<std::int8_t> classes() {
        std::vector<std::int8_t> result(size_t(below(4) == 0 ? 0 : below(40)));
        for (std::int8_t& value : result)
            value = std::int8_t(kClasses[size_t(below(6))]);
        return result;
    }

    QString where(qint64 operation, const QString& what) const {
        return u"seed %1, operation %2 (%3): "_s.arg(m_seed).arg(operation).arg(what);
    }

private:
    quint32 m_seed;
    std::mt19937 m_random;
};

quint32 soakSeed() {
    bool ok = false;
    const quint32 fromEnvironment = qEnvironmentVariable("ROTAMIND_SOAK_SEED").toUInt(&ok);
    return ok ? fromEnvironment : QRandomGenerator::global()->generate();
}

qint64 soakOperations() {
    bool ok = false;
    const qint64 fromEnvironment = qEnvironmentVariable("ROTAMIND_SOAK_OPERATIONS").toLongLong(&ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : kDefaultOperations;
}

// Enter a number, choose the direction and press REGISTRA, updating the model:
// the class of the pair (n1, entry) in the direction the selector shows once
// chosen goes to `into(direction)`.
template <typename Into> QString registerLaunch(WindowDriver& driver, Run& run, Into into) {
    const QString n1 = driver.text("n1");
    driver.type("Combo1", run.entry());
    const QString number = driver.text("Combo1");
    driver.select(run.direction());
    // A lock may hold the selector on its own direction.
    const Direction direction = driver.checked(O) ? O : A;
    driver.click("Button11");
    if (number != WorkingSession::noNumber())
        if (const auto distanceClass = classifyPair(direction, n1, number))
            into(direction).expected << classText(*distanceClass);
    return u"register \"%1\" %2 after \"%3\""_s.arg(number, direction == O ? u"O"_s : u"A"_s, n1);
}

// Select a random row of the list (through its selection model, or by a
// click on it) and run the window's double-click command.
template <typename Window>
QString deleteRow(Window& window, WindowDriver& driver, Run& run, SeriesView& view,
                  void (Window::*doubleClick)()) {
    auto* list = driver.control<QAbstractItemView>(view.list);
    const int rows = list->model()->rowCount();
    int row = -1;
    if (rows > 0) {
        row = run.below(rows);
        const QModelIndex index = list->model()->index(row, 0);
        if (run.chance(50)) {
            list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        } else {
            list->scrollTo(index);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(index).center());
        }
    }
    (window.*doubleClick)();
    if (rows >= 2)
        view.expected.removeAt(row);
    return u"delete row %1 of %2"_s.arg(row).arg(QString::fromLatin1(view.list));
}

QString deleteLast(WindowDriver& driver, const char* button, SeriesView& view) {
    driver.click(button);
    if (view.expected.size() >= 2)
        view.expected.removeLast();
    return u"delete last with "_s + QString::fromLatin1(button);
}

QString load(WorkingSession& session, Run& run, SeriesView& view) {
    const std::vector<std::int8_t> classes = run.classes();
    view.expected.clear();
    for (const std::int8_t value : classes)
        view.expected << classText(value);
    session.load(*view.series, classes);
    return u"load %1 classes into %2"_s.arg(classes.size()).arg(QString::fromLatin1(view.list));
}
} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian));
        m_seed = soakSeed();
        m_operations = soakOperations();
        qInfo("soak seed %u (ROTAMIND_SOAK_SEED), %lld operations per window", m_seed,
              m_operations);
    }

    void pro_randomOperations_keepListsChartsAndStatisticsInStep() {
        TPRO window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver pro(window);
        std::array<SeriesView, 2> views{SeriesView{.series = &window.session().seriesFor(O),
                                                   .list = "List1",
                                                   .chart = "Chart1",
                                                   .count = "boules",
                                                   .lengthPrefix = QString()},
                                        SeriesView{.series = &window.session().seriesFor(A),
                                                   .list = "List2",
                                                   .chart = "Chart2",
                                                   .count = "BOULES2",
                                                   .classicPrefix = u"A"_s,
                                                   .lengthPrefix = u"Z"_s}};
        for (SeriesView& view : views)
            cacheLabels(pro, view);
        auto into = [&views](Direction direction) -> SeriesView& {
            return views[direction == O ? 0 : 1];
        };
        Run run(m_seed, 0);
        static const std::array<const char*, 4> pages{"SpeedButton12", "SpeedButton13",
                                                      "SpeedButton14", "SpeedButton15"};
        for (qint64 operation = 1; operation <= m_operations; ++operation) {
            const int side = run.below(2);
            QString what;
            const int pick = run.below(100);
            if (pick < 62) {
                what = registerLaunch(pro, run, into);
            } else if (pick < 65) {
                what = u"lock "_s + (side ? u"A"_s : u"O"_s);
                pro.click(side ? "SpeedButton7" : "SpeedButton8");
            } else if (pick < 73) {
                what = deleteLast(pro, side ? "SpeedButton2" : "SpeedButton1", views[size_t(side)]);
            } else if (pick < 81) {
                what = deleteRow(window, pro, run, views[size_t(side)],
                                 side ? &TPRO::List2DblClick : &TPRO::List1DblClick);
            } else if (pick < 82) {
                what = u"reset"_s;
                window.AZZERAClick();
                for (SeriesView& view : views)
                    view.expected.clear();
            } else if (pick < 85) {
                what = load(window.session(), run, views[size_t(side)]);
            } else {
                const char* button = pages[size_t(run.below(int(pages.size())))];
                what = u"page with "_s + QString::fromLatin1(button);
                pro.click(button);
            }
            for (const SeriesView& view : views) {
                QString problem = checkContents(pro, view);
                if (problem.isEmpty())
                    problem = checkStatistics(view);
                QVERIFY2(problem.isEmpty(), qPrintable(run.where(operation, what) + problem));
            }
            // A lock holds the selector on its direction.
            const bool lockHeld = (!window.timer1On() || pro.checked(A)) &&
                                  (!window.timer2On() || pro.checked(O)) &&
                                  !(window.timer1On() && window.timer2On());
            QVERIFY2(lockHeld,
                     qPrintable(run.where(operation, what) + u"lock and selector differ"_s));
        }
    }

    void easy_randomOperations_keepListsChartsAndStatisticsInStep() {
        TEASY window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowDriver easy(window);
        std::array<SeriesView, 2> views{SeriesView{.series = &window.session().current(),
                                                   .list = "List1",
                                                   .chart = "Chart1",
                                                   .count = "boules"},
                                        SeriesView{.series = &window.session().saved(),
                                                   .list = "List2",
                                                   .chart = "Chart2",
                                                   .count = "boules2",
                                                   .classicPrefix = u"A"_s}};
        for (SeriesView& view : views)
            cacheLabels(easy, view);
        auto into = [&views](Direction) -> SeriesView& { return views[0]; };
        Run run(m_seed, 0x5eed5eedu);
        static const std::array<const char*, 4> pages{"SpeedButton14", "SpeedButton15",
                                                      "SpeedButton2", "SpeedButton4"};
        for (qint64 operation = 1; operation <= m_operations; ++operation) {
            const int side = run.below(2);
            QString what;
            const int pick = run.below(100);
            if (pick < 65) {
                what = registerLaunch(easy, run, into);
            } else if (pick < 73) {
                what = deleteLast(easy, "SpeedButton1", views[0]);
            } else if (pick < 81) {
                what = deleteRow(window, easy, run, views[0], &TEASY::List1DblClick);
            } else if (pick < 82) {
                what = side ? u"reset saved"_s : u"reset current"_s;
                side ? easy.click("SpeedButton8") : easy.trigger("AZZERA");
                views[size_t(side)].expected.clear();
            } else if (pick < 85) {
                what = load(window.session(), run, views[size_t(side)]);
            } else {
                const char* button = pages[size_t(run.below(int(pages.size())))];
                what = u"page with "_s + QString::fromLatin1(button);
                easy.click(button);
            }
            for (const SeriesView& view : views) {
                QString problem = checkContents(easy, view);
                if (problem.isEmpty())
                    problem = checkStatistics(view);
                QVERIFY2(problem.isEmpty(), qPrintable(run.where(operation, what) + problem));
            }
        }
    }

private:
    quint32 m_seed = 0;
    qint64 m_operations = 0;
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"

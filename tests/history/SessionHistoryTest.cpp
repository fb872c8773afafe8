#include "history/SessionHistory.h"
#include "session/EasySession.h"
#include "session/ProSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace rotamind {
namespace {

// Everything a change may touch: the entry but site and croupier, which no
// launch changes; each series and every figure of its statistics.
struct State {
    std::vector<QString> entry; // number, n1, n2, P
    std::optional<Direction> direction;
    std::vector<std::int8_t> classes[WorkingSession::kSeriesCount];
    std::vector<std::int64_t> figures[WorkingSession::kSeriesCount];
    bool operator==(const State&) const = default;
};

State snapshot(const WorkingSession& session) {
    const LaunchEntry& entry = session.entry();
    State state;
    state.entry = {entry.number, entry.n1, entry.n2, entry.lastNumber};
    state.direction = entry.direction;
    for (int i = 0; i < WorkingSession::kSeriesCount; ++i) {
        const Series& series = session.seriesAt(i);
        const SeriesStatistics& statistics = series.statistics();
        state.classes[i].assign(series.classes().begin(), series.classes().end());
        std::vector<std::int64_t>& figures = state.figures[i];
        for (const auto& column : {statistics.classic().frequency, statistics.classic().absence,
                                   statistics.classic().maxAbsence})
            figures.insert(figures.end(), column.begin(), column.end());
        for (const auto& column : {statistics.lengths().frequency, statistics.lengths().absence})
            figures.insert(figures.end(), column.begin(), column.end());
    }
    return state;
}

constexpr auto O = Direction::Clockwise;
constexpr auto A = Direction::CounterClockwise;

// A PRO session in the middle of an evening: launches in both series, a
// number typed and "A" selected.
std::unique_ptr<ProSession> eveningSession() {
    auto pro = std::make_unique<ProSession>(
        LaunchEntry{.number = u"17"_s, .n1 = u"21"_s, .n2 = u"4"_s, .lastNumber = u"21"_s});
    pro->load(pro->seriesAt(0), {3, -1, 2, 2, -3});
    pro->load(pro->seriesAt(1), {1, -2, 1});
    pro->setDirection(A);
    return pro;
}

using Change = void (*)(SessionHistory&, ProSession&);
void press(SessionHistory& history, ProSession&) {
    history.pressRegister();
}

TEST(SessionHistory, everyKindOfChange_undoneAndRedone_restoresSessionExactly) {
    struct Case {
        const char* what;
        QString number;    // typed before the change
        bool emptyCounter; // the counter-clockwise series emptied before the change
        Change change;
        QString undoText;
    };
    const Case cases[] = {
        {"registration with a class", u"17"_s, false, press, u"registrazione di 17"_s},
        {"registration without a class", u"37"_s, false, press, u"registrazione di 37"_s},
        {"first launch of a series", u"17"_s, true, press, u"registrazione di 17"_s},
        {"a direction's own command", u"17"_s, false,
         [](SessionHistory& h, ProSession&) { h.registerLaunch(O); }, u"registrazione di 17"_s},
        {"delete last", u"17"_s, false,
         [](SessionHistory& h, ProSession& p) { h.deleteLast(p.seriesAt(0), O); },
         u"eliminazione dell'ultimo inserimento"_s},
        {"double-click delete", u"17"_s, false,
         [](SessionHistory& h, ProSession& p) { h.deleteAt(p.seriesAt(0), 1); },
         u"eliminazione della riga 2"_s},
        {"reset of one series", u"17"_s, false,
         [](SessionHistory& h, ProSession& p) { h.clear(p.seriesAt(1)); },
         u"azzeramento degli spin antiorari"_s},
        {"reset of the session", u"17"_s, false,
         [](SessionHistory& h, ProSession&) { h.clearAll(); }, u"azzeramento della sessione"_s},
        {"load", u"17"_s, false,
         [](SessionHistory& h, ProSession& p) {
             h.load(p.seriesAt(0), {-1, -1, 3});
         },
         u"caricamento degli spin orari"_s},
        {"load of an empty series", u"17"_s, true,
         [](SessionHistory& h, ProSession& p) { h.load(p.seriesAt(1), {2}); },
         u"caricamento degli spin antiorari"_s},
    };
    for (const Case& c : cases) {
        auto pro = eveningSession();
        pro->setNumber(c.number);
        if (c.emptyCounter)
            pro->clear(pro->seriesAt(1));
        SessionHistory history(*pro, {u"degli spin orari"_s, u"degli spin antiorari"_s});
        const State before = snapshot(*pro);
        c.change(history, *pro);
        const State after = snapshot(*pro);
        ASSERT_NE(after, before) << c.what;
        EXPECT_EQ(history.undoText(), c.undoText) << c.what;
        history.undo();
        EXPECT_EQ(snapshot(*pro), before) << c.what;
        EXPECT_EQ(history.redoText(), c.undoText) << c.what;
        history.redo();
        EXPECT_EQ(snapshot(*pro), after) << c.what;
    }
}

TEST(SessionHistory, whatChangesNoSeries_leavesNothingToUndo) {
    auto pro = eveningSession();
    pro->load(pro->seriesAt(1), {2});
    SessionHistory history(*pro);
    pro->setNumber(WorkingSession::noNumber());
    history.pressRegister();
    history.deleteLast(pro->seriesAt(1), A);
    history.deleteAt(pro->seriesAt(0), std::nullopt);
    history.deleteAt(pro->seriesAt(0), 99);
    EXPECT_FALSE(history.stack().canUndo());
}

TEST(SessionHistory, aSeriesChangedPastTheHistory_emptiesTheStack) {
    auto pro = eveningSession();
    SessionHistory history(*pro);
    history.registerLaunch(A);
    history.undo();
    ASSERT_TRUE(history.stack().canRedo());
    history.registerLaunch(A);
    pro->load(pro->seriesAt(0), {1}); // say, a session restored from elsewhere
    EXPECT_FALSE(history.stack().canUndo());
    EXPECT_FALSE(history.stack().canRedo());
}

// The number being typed and the selector are the player's between changes,
// not changes on the stack: a walk through the stack compares the rest.
State withoutTyping(State state) {
    state.entry[0].clear();
    state.direction.reset();
    return state;
}

// Random evenings of registrations, deletes, resets and loads; then every
// change is undone and redone one by one, each step landing on the state that
// change started from or ended in, the walk ending where it began.
TEST(SessionHistory, undoAllThenRedoAll_walksBackAndForthThroughEveryState) {
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        auto pick = [&](int below) {
            return std::uniform_int_distribution<int>(0, below - 1)(random);
        };
        ProSession pro({.number = u"18"_s, .n1 = u"21"_s, .n2 = u"17"_s});
        EasySession easy({.number = u"18"_s, .n1 = u"21"_s, .n2 = u"17"_s});
        WorkingSession& session = seed % 2 ? static_cast<WorkingSession&>(pro) : easy;
        SessionHistory history(session);
        auto press = [&](const QString& number, Direction direction) {
            session.setNumber(number);
            session.setDirection(direction);
            history.pressRegister();
        };
        const std::function<void(Series&, Direction)> changes[] = {
            [&](Series&, Direction d) { history.registerLaunch(d); },
            [&](Series& s, Direction d) { history.deleteLast(s, d); },
            [&](Series& s, Direction) { history.deleteAt(s, pick(int(s.count()) + 1)); },
            [&](Series& s, Direction) { history.clear(s); },
            [&](Series&, Direction) { history.clearAll(); },
            [&](Series& s, Direction) {
                history.load(s, std::vector<std::int8_t>(std::size_t(pick(6)), pick(3) + 1));
            },
            [&](Series&, Direction d) { press(u"40"_s, d); }, // no class
            [&](Series&, Direction d) { press(QString::number(pick(37)), d); },
        };
        const State initial = withoutTyping(snapshot(session));
        std::vector<State> before{};
        std::vector<State> after{};
        for (int step = 0; step < 300; ++step) {
            const State start = withoutTyping(snapshot(session));
            const int startIndex = history.stack().index();
            changes[pick(int(std::size(changes)))](session.seriesAt(pick(2)), pick(2) ? O : A);
            if (history.stack().index() > startIndex) {
                before.push_back(start);
                after.push_back(withoutTyping(snapshot(session)));
            }
        }
        ASSERT_EQ(std::size_t(history.stack().count()), after.size());
        for (std::size_t i = after.size(); i-- > 0;) {
            history.undo();
            ASSERT_EQ(withoutTyping(snapshot(session)), before[i]) << seed << " undo " << i;
        }
        EXPECT_EQ(withoutTyping(snapshot(session)), initial) << seed;
        for (std::size_t i = 0; i < after.size(); ++i) {
            history.redo();
            ASSERT_EQ(withoutTyping(snapshot(session)), after[i]) << seed << " redo " << i;
        }
    }
}

} // namespace
} // namespace rotamind

#include "history/SessionHistory.h"
#include "session/EasySession.h"
#include "session/ProSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>

using namespace Qt::StringLiterals;

namespace rotamind {
namespace {

// Everything a change may touch: the entry (but site and croupier, which no
// launch changes), each series and the statistics the windows show.
struct State {
    QString number, n1, n2, lastNumber;
    std::optional<Direction> direction;
    std::vector<std::int8_t> classes[WorkingSession::kSeriesCount];
    ClassicStats classic[WorkingSession::kSeriesCount];
    LengthStats lengths[WorkingSession::kSeriesCount];

    bool operator==(const State& other) const {
        auto sameStats = [&](int i) {
            return classic[i].frequency == other.classic[i].frequency &&
                   classic[i].absence == other.classic[i].absence &&
                   classic[i].maxAbsence == other.classic[i].maxAbsence &&
                   lengths[i].frequency == other.lengths[i].frequency &&
                   lengths[i].absence == other.lengths[i].absence;
        };
        return number == other.number && n1 == other.n1 && n2 == other.n2 &&
               lastNumber == other.lastNumber && direction == other.direction &&
               classes[0] == other.classes[0] && classes[1] == other.classes[1] && sameStats(0) &&
               sameStats(1);
    }
};

void PrintTo(const State& state, std::ostream* out) {
    *out << "entry " << state.number.toStdString() << " n1 " << state.n1.toStdString() << " n2 "
         << state.n2.toStdString() << " P " << state.lastNumber.toStdString() << " dir "
         << (state.direction ? static_cast<int>(*state.direction) : -1);
    for (const auto& classes : state.classes) {
        *out << " |";
        for (const std::int8_t c : classes)
            *out << ' ' << int(c);
    }
}

State snapshot(const WorkingSession& session) {
    const LaunchEntry& entry = session.entry();
    State state;
    state.number = entry.number;
    state.n1 = entry.n1;
    state.n2 = entry.n2;
    state.lastNumber = entry.lastNumber;
    state.direction = entry.direction;
    for (int i = 0; i < WorkingSession::kSeriesCount; ++i) {
        const Series& series = session.seriesAt(i);
        state.classes[i].assign(series.classes().begin(), series.classes().end());
        state.classic[i] = series.statistics().classic();
        state.lengths[i] = series.statistics().lengths();
    }
    return state;
}

// The number whose launch in `direction` after `previous` has `distanceClass`.
QString numberFor(int previous, Direction direction, int distanceClass) {
    const int position = (wheelPosition(previous) + classBlock(direction, distanceClass)) % 37;
    return QString::number(kWheelOrder[static_cast<std::size_t>(position)]);
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

TEST(SessionHistory, everyKindOfChange_undoneAndRedone_restoresSessionExactly) {
    struct Case {
        const char* what;
        std::function<void(ProSession&)> prepare; // before the change, outside the history
        std::function<void(SessionHistory&, ProSession&)> change;
        QString undoText;
    };
    const Case cases[] = {
        {"registration with a class",
         {},
         [](SessionHistory& h, ProSession&) { h.pressRegister(); },
         u"registrazione di 17"_s},
        {"registration without a class", [](ProSession& p) { p.setNumber(u"37"_s); },
         [](SessionHistory& h, ProSession&) { h.pressRegister(); }, u"registrazione di 37"_s},
        {"first launch of an empty series", [](ProSession& p) { p.clear(p.seriesAt(1)); },
         [](SessionHistory& h, ProSession&) { h.pressRegister(); }, u"registrazione di 17"_s},
        {"a direction's own command",
         {},
         [](SessionHistory& h, ProSession&) { h.registerLaunch(O); },
         u"registrazione di 17"_s},
        {"delete last",
         {},
         [](SessionHistory& h, ProSession& p) { h.deleteLast(p.seriesAt(0), O); },
         u"eliminazione dell'ultimo inserimento"_s},
        {"double-click delete",
         {},
         [](SessionHistory& h, ProSession& p) { h.deleteAt(p.seriesAt(0), 1); },
         u"eliminazione della riga 2"_s},
        {"reset of one series",
         {},
         [](SessionHistory& h, ProSession& p) { h.clear(p.seriesAt(1)); },
         u"azzeramento degli spin antiorari"_s},
        {"reset of the session",
         {},
         [](SessionHistory& h, ProSession&) { h.clearAll(); },
         u"azzeramento della sessione"_s},
        {"load",
         {},
         [](SessionHistory& h, ProSession& p) {
             h.load(p.seriesAt(0), {-1, -1, 3});
         },
         u"caricamento degli spin orari"_s},
        {"load of an empty series", [](ProSession& p) { p.clear(p.seriesAt(1)); },
         [](SessionHistory& h, ProSession& p) { h.load(p.seriesAt(1), {2}); },
         u"caricamento degli spin antiorari"_s},
    };
    for (const Case& c : cases) {
        auto pro = eveningSession();
        if (c.prepare)
            c.prepare(*pro);
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

TEST(SessionHistory, aSingleRemainingLaunch_canBeTakenBack) {
    EasySession easy({.number = u"5"_s, .n1 = u"21"_s, .n2 = u"17"_s});
    SessionHistory history(easy);
    easy.setDirection(O);
    history.pressRegister();
    ASSERT_EQ(easy.current().count(), 1);
    history.deleteLast(easy.current(), O); // refused: a series of one keeps it
    EXPECT_EQ(easy.current().count(), 1);
    history.undo();
    EXPECT_TRUE(easy.current().isEmpty());
    EXPECT_EQ(easy.entry().number, u"5"_s);
    EXPECT_EQ(easy.entry().n1, u"21"_s);
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
    state.number.clear();
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
        const State initial = snapshot(session);
        std::vector<State> before{};
        std::vector<State> after{};
        for (int step = 0; step < 300; ++step) {
            Series& series = session.seriesAt(pick(2));
            const Direction direction = pick(2) ? O : A;
            const int kind = pick(9);
            if (kind >= 6) { // the player types a number, 40 for one without a class
                const int distanceClass = kClasses[static_cast<std::size_t>(pick(6))];
                session.setNumber(
                    kind == 6 ? u"40"_s
                              : numberFor(session.entry().n1.toInt(), direction, distanceClass));
                session.setDirection(direction);
            }
            const State start = withoutTyping(snapshot(session));
            const int startIndex = history.stack().index();
            switch (kind) {
            case 0:
                history.registerLaunch(direction);
                break;
            case 1:
                history.deleteLast(series, direction);
                break;
            case 2:
                history.deleteAt(series, pick(static_cast<int>(series.count()) + 1));
                break;
            case 3:
                history.clear(series);
                break;
            case 4:
                history.clearAll();
                break;
            case 5:
                history.load(series,
                             std::vector<std::int8_t>(static_cast<std::size_t>(pick(6)),
                                                      static_cast<std::int8_t>(pick(3) + 1)));
                break;
            default:
                history.pressRegister();
            }
            if (history.stack().index() > startIndex) {
                before.push_back(start);
                after.push_back(withoutTyping(snapshot(session)));
            }
        }
        ASSERT_EQ(static_cast<std::size_t>(history.stack().count()), after.size());
        for (std::size_t i = after.size(); i-- > 0;) {
            history.undo();
            ASSERT_EQ(withoutTyping(snapshot(session)), before[i])
                << "seed " << seed << " undo " << i;
        }
        EXPECT_EQ(withoutTyping(snapshot(session)), withoutTyping(initial)) << "seed " << seed;
        for (std::size_t i = 0; i < after.size(); ++i) {
            history.redo();
            ASSERT_EQ(withoutTyping(snapshot(session)), after[i])
                << "seed " << seed << " redo " << i;
        }
    }
}

} // namespace
} // namespace rotamind

#pragma once

// Random changes of a working session, the same for a seed wherever they are
// played: the kill test's driver plays them against an archive, the test
// replays them without one to know what the archive must hold.
#include "archive/Archive.h"
#include "session/EasySession.h"
#include "session/ProSession.h"

#include <QModelIndex>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace rotamind::testing {

inline LaunchEntry scriptEntry() {
    return {.number = QStringLiteral("18"),
            .n1 = QStringLiteral("21"),
            .n2 = QStringLiteral("17"),
            .lastNumber = QStringLiteral("18"),
            .site = QStringLiteral("Bet365"),
            .croupier = QStringLiteral("Ormilda")};
}

// PRO for an even seed, EASY for an odd one.
inline SessionMode scriptMode(std::uint32_t seed) {
    return seed % 2 == 0 ? SessionMode::Pro : SessionMode::Easy;
}

inline std::unique_ptr<WorkingSession> makeScriptSession(std::uint32_t seed) {
    if (seed % 2 == 0)
        return std::make_unique<ProSession>(scriptEntry());
    return std::make_unique<EasySession>(scriptEntry());
}

// One user change of `session`, one transaction of the archive: an entry or
// a registration (most of the time), a delete
// of the last launch, a double-click delete, a class put back at a row (as
// undo does), a reset, a load, an edit of the entry or a save.
inline void playStep(WorkingSession& session, std::mt19937& random) {
    const auto pick = [&random](std::uint32_t n) { return static_cast<int>(random() % n); };
    const auto direction = [&] {
        return pick(2) == 0 ? Direction::Clockwise : Direction::CounterClockwise;
    };
    Series& series = session.seriesAt(pick(WorkingSession::kSeriesCount));
    const int roll = pick(100);
    if (roll < 35) {
        session.setNumber(QString::number(pick(37)));
    } else if (roll < 70) {
        session.pressRegister();
    } else if (roll < 75) {
        session.setDirection(direction());
    } else if (roll < 80) {
        session.deleteLast(series, direction());
    } else if (roll < 85) {
        const auto count = static_cast<std::uint32_t>(series.count());
        session.deleteAt(series, count == 0 ? std::nullopt : std::optional<qsizetype>(pick(count)));
    } else if (roll < 90) {
        session.insertAt(series, pick(static_cast<std::uint32_t>(series.count() + 1)),
                         kClasses[static_cast<std::size_t>(pick(6))]);
    } else if (roll < 91) {
        if (auto* pro = dynamic_cast<ProSession*>(&session))
            pro->resetAll();
        else
            session.clear(series);
    } else if (roll < 94) {
        std::vector<std::int8_t> classes(static_cast<std::size_t>(pick(300)));
        for (std::int8_t& distanceClass : classes)
            distanceClass = static_cast<std::int8_t>(kClasses[static_cast<std::size_t>(pick(6))]);
        session.load(series, std::move(classes));
    } else if (roll < 97) {
        if (pick(2) == 0)
            session.setSite(QStringLiteral("Sito %1").arg(pick(5)));
        else
            session.setCroupier(QStringLiteral("Croupier %1").arg(pick(5)));
    } else {
        session.noteSaved(series);
    }
}

// What the archive must hold of a session besides the series: the launch
// count and the unsaved flags, followed as the recorder follows them.
class SessionModel final {
public:
    explicit SessionModel(WorkingSession& session) : m_session(session) {
        QObject::connect(&session, &WorkingSession::seriesSaved, &session,
                         [this](int index) { m_unsaved[static_cast<std::size_t>(index)] = false; });
        QObject::connect(&session, &WorkingSession::seriesChanged, &session,
                         [this](int index, const SeriesChange& change) {
                             using Kind = SeriesChange::Kind;
                             if (change.kind == Kind::Inserted && change.launch)
                                 ++m_launches;
                             if (change.kind == Kind::RegisteredWithoutClass)
                                 ++m_launches;
                             else
                                 m_unsaved[static_cast<std::size_t>(index)] = true;
                         });
    }

    qint64 launches() const { return m_launches; }
    const std::array<bool, WorkingSession::kSeriesCount>& unsaved() const { return m_unsaved; }

    // The archive's row as it must be now.
    StoredSession expected(SessionMode mode) const {
        StoredSession stored;
        stored.mode = mode;
        stored.entry = m_session.entry();
        for (int index = 0; index < WorkingSession::kSeriesCount; ++index) {
            const auto classes = m_session.seriesAt(index).classes();
            stored.classes[static_cast<std::size_t>(index)].assign(classes.begin(), classes.end());
        }
        stored.unsaved = m_unsaved;
        stored.launches = m_launches;
        return stored;
    }

    // Nothing has changed since the session was made.
    bool untouched() const {
        return m_launches == 0 && m_session.seriesAt(0).isEmpty() &&
               m_session.seriesAt(1).isEmpty() && !m_unsaved[0] && !m_unsaved[1] &&
               sameEntry(m_session.entry(), scriptEntry());
    }

    static bool sameEntry(const LaunchEntry& a, const LaunchEntry& b) {
        return a.number == b.number && a.direction == b.direction && a.n1 == b.n1 && a.n2 == b.n2 &&
               a.lastNumber == b.lastNumber && a.site == b.site && a.croupier == b.croupier;
    }

    // The parts of two rows the archive must keep equal (not the times).
    static bool sameContent(const StoredSession& a, const StoredSession& b) {
        return a.mode == b.mode && sameEntry(a.entry, b.entry) && a.classes == b.classes &&
               a.unsaved == b.unsaved && a.launches == b.launches;
    }

private:
    WorkingSession& m_session;
    qint64 m_launches = 0;
    std::array<bool, WorkingSession::kSeriesCount> m_unsaved{};
};

} // namespace rotamind::testing

#pragma once

#include "analysis/SeriesSummary.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

namespace rotamind {

// Which sessions of one place the Analisi page asks about.
struct PlaceHistoryQuery {
    enum class Mode { Pro, Easy };
    Mode mode = Mode::Pro;
    QString site;
    QString croupier;
};

// What the archived sessions of one place add up to, per series (0, 1): only
// series whose launches were typed at the table; a series loaded from a file
// or from the archive, or imported, holds launches counted where they were
// typed, and is only counted as set aside.
struct PlaceHistory {
    enum class Status {
        Read,    // the sessions were read (possibly none)
        Missing, // no archive yet: nothing has been recorded
        Failed,  // the archive cannot be read; error says why
    };
    Status status = Status::Missing;
    QString error;
    std::array<analysis::SeriesSummary, 2> pooled{};
    std::array<std::int64_t, 2> sessions{};
    std::array<std::int64_t, 2> setAside{};
    // Series left out as damaged, each named with the reason.
    QStringList refused;
};

// Where the Analisi page gets the figures of a place's archived sessions: the
// archive answers, the page never opens it. Requests are answered on the
// asking thread, never inside request(), and only the newest is.
class PlaceHistorySource {
public:
    using Answer = std::function<void(const PlaceHistory&)>;

    PlaceHistorySource() = default;
    virtual ~PlaceHistorySource() = default;
    PlaceHistorySource(const PlaceHistorySource&) = delete;
    PlaceHistorySource& operator=(const PlaceHistorySource&) = delete;

    virtual void request(const PlaceHistoryQuery& query, Answer answer) = 0;
    // Whether a request has not been answered yet.
    virtual bool busy() const = 0;
    // Blocks until the requests made so far are answered (tests, and a
    // caller that must have the answer now).
    virtual void waitForAnswer() = 0;
};

} // namespace rotamind

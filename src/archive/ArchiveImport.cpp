// An import plan into the archive: every session in one transaction, through
// the writes the recorder uses, so that a fault leaves the archive as it was.
#include "archive/Archive.h"
#include "archive/CsvExchange.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// An imported session is no window's: it ends as it comes in, until a window
// takes it up.
const QString kEndImported = u"imported"_s;

// One run of classes with no launch behind them goes in as one write; each
// launch with its number and direction as one write, as the recorder does.
bool insertSeries(Archive& archive, qint64 id, int series, const std::vector<ImportedItem>& items,
                  const std::function<void(qint64)>& written) {
    std::vector<std::int8_t> loaded;
    qint64 count = 0;
    const auto flushLoaded = [&] {
        const bool done = archive.insertItems(id, series, count, loaded, count);
        count += static_cast<qint64>(loaded.size());
        written(static_cast<qint64>(loaded.size()));
        loaded.clear();
        return done;
    };
    for (const ImportedItem& item : items) {
        if (item.number.isEmpty()) {
            loaded.push_back(item.distanceClass);
            continue;
        }
        if (!flushLoaded())
            return false;
        const std::int8_t distanceClass = item.distanceClass;
        if (!archive.insertItems(id, series, count, {&distanceClass, 1}, count, item.number,
                                 item.direction))
            return false;
        ++count;
        written(1);
    }
    return flushLoaded();
}

} // namespace

QString ImportPlan::firstProblem() const {
    if (!fault.isEmpty())
        return fault;
    if (!refused.empty())
        return u"Riga %1: %2"_s.arg(refused.front().line).arg(refused.front().reason);
    return {};
}

std::variant<std::vector<qint64>, QString> importSessions(Archive& archive, const ImportPlan& plan,
                                                          const ExchangeProgress& progress) {
    if (!plan.canImport())
        return plan.firstProblem().isEmpty() ? u"Niente da importare."_s : plan.firstProblem();
    if (!archive.isAvailable())
        return u"l'archivio non è disponibile"_s;
    // A change of a working window still open would be committed with ours.
    if (archive.inTransaction() || !archive.begin())
        return u"l'archivio sta scrivendo, riprova"_s;
    const auto failed = [&archive]() -> std::variant<std::vector<qint64>, QString> {
        // A write that failed rolled everything back and told the reason.
        return archive.messages().isEmpty() ? u"scrittura nell'archivio non riuscita"_s
                                            : archive.messages().back();
    };
    std::vector<qint64> ids;
    const qint64 total = std::max<qint64>(plan.classes, 1);
    qint64 written = 0;
    const auto advance = [&](qint64 items) {
        // Every few thousand classes: the bar moves without costing the write.
        const qint64 before = written / 4096;
        written += items;
        if (progress && written / 4096 != before)
            progress(static_cast<int>(written * 1000 / total));
    };
    for (const ImportedSession& session : plan.sessions) {
        SessionState state{.entry = session.entry, .launches = session.launches};
        for (std::size_t series = 0; series < state.counts.size(); ++series) {
            state.counts[series] = static_cast<qint64>(session.series[series].size());
            // Not in any session file yet.
            state.unsaved[series] = !session.series[series].empty();
        }
        const qint64 id = archive.createSession(session.mode, state);
        if (id == 0 || (session.started.isValid() && !archive.setStarted(id, session.started)))
            return failed();
        for (int series = 0; series < WorkingSession::kSeriesCount; ++series) {
            const auto& items = session.series[static_cast<std::size_t>(series)];
            if (!insertSeries(archive, id, series, items, advance))
                return failed();
        }
        if (!archive.endSession(id, kEndImported))
            return failed();
        ids.push_back(id);
    }
    if (!archive.commit())
        return failed();
    if (progress)
        progress(1000);
    return ids;
}

} // namespace rotamind

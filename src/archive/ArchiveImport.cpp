// An import plan into the archive: every session in one transaction of the
// archive's own writes, so that a fault leaves the archive as it was.
#include "archive/Archive.h"
#include "archive/CsvExchange.h"

using namespace Qt::StringLiterals;

#include <QCoreApplication>

namespace rotamind {

namespace {

// An imported session is no window's: it ends as it comes in, until a window
// takes it up.
const QString kEndImported = u"imported"_s;

} // namespace

QString ImportPlan::firstProblem() const {
    if (!fault.isEmpty())
        return fault;
    if (!refused.empty())
        return QCoreApplication::translate("ArchiveImport", "Riga %1: %2")
            .arg(refused.front().line)
            .arg(refused.front().reason);
    return {};
}

std::variant<std::vector<qint64>, QString> importSessions(Archive& archive, const ImportPlan& plan,
                                                          const ExchangeProgress& progress) {
    if (!plan.canImport())
        return plan.firstProblem().isEmpty()
                   ? QCoreApplication::translate("ArchiveImport", "Niente da importare.")
                   : plan.firstProblem();
    if (!archive.isAvailable())
        return QCoreApplication::translate("ArchiveImport", "l'archivio non è disponibile");
    // A change of a working window still open would be committed with ours.
    if (archive.inTransaction() || !archive.begin())
        return QCoreApplication::translate("ArchiveImport", "l'archivio sta scrivendo, riprova");
    const auto failed = [&archive]() -> std::variant<std::vector<qint64>, QString> {
        // A write that failed rolled everything back and told the reason.
        return archive.messages().isEmpty()
                   ? QCoreApplication::translate("ArchiveImport",
                                                 "scrittura nell'archivio non riuscita")
                   : archive.messages().back();
    };
    std::vector<qint64> ids;
    const qint64 total = std::max<qint64>(plan.classes, 1);
    qint64 written = 0;
    const auto advance = [&](qint64 items) {
        written += items;
        if (progress)
            progress(static_cast<int>(written * 1000 / total));
    };
    for (const ImportedSession& session : plan.sessions) {
        const std::optional<SessionMode> mode = modeFromText(session.mode);
        if (!mode)
            return failed();
        StoredSession state{.entry = session.entry, .launches = session.launches};
        for (std::size_t series = 0; series < state.counts.size(); ++series) {
            state.counts[series] = static_cast<qint64>(session.series[series].size());
            // Not in any session file yet.
            state.unsaved[series] = !session.series[series].empty();
        }
        const qint64 id = archive.createSession(*mode, state);
        if (id == 0 || (session.started.isValid() && !archive.setStarted(id, session.started)))
            return failed();
        for (int series = 0; series < WorkingSession::kSeriesCount; ++series) {
            const auto& items = session.series[static_cast<std::size_t>(series)];
            std::vector<std::int8_t> classes;
            classes.reserve(items.size());
            for (const ArchiveItem& item : items)
                classes.push_back(item.distanceClass);
            // Launches typed elsewhere, perhaps already in this archive:
            // shown when loaded, never pooled.
            if (!archive.appendItems(id, series, 0, items) ||
                !archive.writeSummary(id, series, SeriesOrigin::Imported,
                                      analysis::SeriesSummary::of(classes)))
                return failed();
            advance(static_cast<qint64>(items.size()));
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

#pragma once

#include "archive/ArchiveItem.h"
#include "session/WorkingSession.h"
#include "wheel/Wheel.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

// Archived sessions to and from comma-separated values, for a spreadsheet or
// an evening noted elsewhere. One row per class of a series, in order, under
// this header:
//   sessione,modo,sito,croupier,inizio,serie,posizione,numero,direzione,classe,ora
// sessione groups the rows of one session; modo is PRO or EASY; inizio the
// session's start (ISO 8601); serie ORARIO / ANTIORARIO in PRO, ATTUALE /
// SALVATA in EASY; posizione counts from 1 in each series; numero and
// direzione (O or A) are what was typed, empty for a class loaded from a
// file; classe is empty for a launch without class; ora is the moment of
// the launch, empty while the archive keeps none.
namespace rotamind {

class Archive;

// The header row, in the order every exported row follows.
const QStringList& csvColumns();
// The name of series 0 or 1 in the serie column: ORARIO / ANTIORARIO in PRO,
// ATTUALE / SALVATA in EASY, as the archive window names them.
const QString& csvSeriesName(const QString& mode, int series);

// How far a long task has come, 0..1000.
using ExchangeProgress = std::function<void(int permille)>;

// The sessions `ids` of the archive at `archivePath`, in that order, as the
// bytes of a CSV file (UTF-8, CR LF, the header first); sessions without a
// class give no row. The reason in words when the archive cannot be read or
// a series in it is damaged: then nothing is given.
std::variant<QByteArray, QString> exportCsv(const QString& archivePath,
                                            std::span<const qint64> ids);

using ImportedItem = ArchiveItem;

// A session read from a file or a pasted text, checked and ready to archive.
struct ImportedSession {
    QString mode{}; // "PRO" or "EASY"
    QString site{};
    QString croupier{};
    QDateTime started{}; // invalid: the session starts at its import
    std::array<std::vector<ImportedItem>, WorkingSession::kSeriesCount> series{};
    qint64 launches = 0; // launches with a number, with or without a class
    LaunchEntry entry{}; // as the window shows it after the last launch
};

// A line of the text that cannot come in, and why.
struct RefusedLine {
    qsizetype line = 0; // 1-based
    QString reason{};
};

// A launch as the preview lists it.
struct PreviewRow {
    qsizetype line = 0;
    QString session{};
    QString series{};
    QString number{};
    QString direction{};
    QString distanceClass{}; // empty for a launch without class
};

// What a text would bring in. It comes in whole or not at all: only when
// fault is empty and no line is refused.
struct ImportPlan {
    std::vector<ImportedSession> sessions{};
    std::vector<RefusedLine> refused{}; // the first kMaxRefusedShown
    qsizetype refusedCount = 0;
    QString fault{};                   // the whole text refused: why, naming the line
    std::vector<PreviewRow> preview{}; // the first kPreviewRows launches and classes
    qsizetype launches = 0;
    qsizetype classes = 0;

    static constexpr qsizetype kMaxRefusedShown = 100;
    static constexpr qsizetype kPreviewRows = 12;
    bool canImport() const { return fault.isEmpty() && refusedCount == 0 && !sessions.empty(); }
    // "Riga 12: ..." for the fault or the first refused line; empty when none.
    QString firstProblem() const;
};

// A CSV file in the format above (a ';'-separated one from a spreadsheet too).
// A row with a number and no class gets its class from the wheel: from the
// number of the launch before it in the same session, in its direction. A
// class written beside a number is kept once checked as a class: the archive
// keeps no number before a series' first launch, nor the order of launches
// across PRO's two series, so the launch it followed is not in the file.
ImportPlan readCsvSessions(const QByteArray& bytes, const ExchangeProgress& progress = {});

// How a pasted list of numbers is read.
struct PasteOptions {
    QString mode = QStringLiteral("PRO");
    // None: each line holds a number and its direction (O or A, either order).
    // Otherwise the numbers alone, launched alternately from this direction.
    std::optional<Direction> alternateFrom{};
    // The list shows the newest launch first, as a live table's board does.
    bool newestFirst = false;
    QString site{};
    QString croupier{};
};

// Numbers separated by line ends, blanks, commas or semicolons, one launch
// each, classified by the wheel in order as the working windows do.
ImportPlan readPastedLaunches(const QString& text, const PasteOptions& options);

// Every session of a plan that canImport() as new sessions of `archive`, in
// one transaction, each ended as imported. Their ids in order, or the reason
// nothing came in.
std::variant<std::vector<qint64>, QString> importSessions(Archive& archive, const ImportPlan& plan,
                                                          const ExchangeProgress& progress = {});

} // namespace rotamind

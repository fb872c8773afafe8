#pragma once

#include "session/Series.h"
#include "wheel/Wheel.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace rotamind {

// What the player has typed and chosen in a working window.
struct LaunchEntry {
    QString number{};                     // the number to register, "??" for none
    std::optional<Direction> direction{}; // none until the player picks one
    QString n1{};                         // the last number registered
    QString n2{};                         // the one before it
    QString lastNumber{};                 // the betting aid's last number (P)
    QString site{};
    QString croupier{};
};

// What the player asked for, as the outermost operation of a change tells it:
// the undo history names its commands after it.
struct SessionOperation {
    enum class Kind {
        None,       // a change that names no operation: the series' own events say it
        Register,   // "REGISTRA" or a direction's own command; `number` was typed
        DeleteLast, // the delete button of a series
        DeleteRow,  // a double click on `row`
        Insert,     // a class put back at `row`
        Clear,      // one series reset
        ClearAll,   // every series of the session reset
        Load,       // a series replaced by a file
        Restore,    // the whole session put back from the archive: a fresh start
    };
    Kind kind = Kind::None;
    int series = -1; // place of the series (WorkingSession::seriesAt), -1 for none
    qsizetype row = 0;
    QString number{};
};

// The data and rules a working window shows: the entry, the last two numbers,
// the series the launches go to and every operation that changes them. A
// window's handler calls one operation; its views follow the notifications.
// The changes of both series reach every follower through seriesChanged,
// inside changeStarted() / changeFinished(): there is no other way to change
// a series of the session.
class WorkingSession : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorkingSession)

public:
    // The entry as a new window shows it.
    explicit WorkingSession(LaunchEntry initial, QObject* parent = nullptr);
    ~WorkingSession() override;

    const LaunchEntry& entry() const { return m_entry; }
    // The entry as a new window shows it: its site and croupier are examples,
    // not a place.
    const LaunchEntry& initialEntry() const { return m_initial; }
    // The series a launch in `direction` goes to.
    virtual Series& seriesFor(Direction direction) = 0;
    // The session's two series by place: 0 is the clockwise (PRO) or current
    // (EASY) series, 1 the counter-clockwise or saved one.
    static constexpr int kSeriesCount = 2;
    virtual Series& seriesAt(int index) = 0;
    const Series& seriesAt(int index) const {
        return const_cast<WorkingSession*>(this)->seriesAt(index);
    }
    // The place of `series` in this session, -1 for a series of another.
    int indexOf(const Series& series) const;

    // Groups the changes made while it lives into one change of the session:
    // observers that keep the session elsewhere (the archive) see
    // changeStarted() before the first and changeFinished() after the last,
    // however deeply scopes nest.
    class ChangeScope final {
    public:
        explicit ChangeScope(WorkingSession& session, SessionOperation operation = {});
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        WorkingSession& m_session;
    };

    // What the change under way was asked as: the first operation named by a
    // scope since changeStarted(); Kind::None outside a change.
    const SessionOperation& operation() const { return m_operation; }

    // The player's own edits of the entry fields.
    void setNumber(const QString& number);
    void setDirection(Direction direction);
    void setN1(const QString& number);
    void setN2(const QString& number);
    // A number typed into P also becomes the last number registered.
    void setLastNumber(const QString& number);
    void setSite(const QString& site);
    void setCroupier(const QString& croupier);

    // "REGISTRA": registers the entry in the selected direction (not while the
    // entry is "??" or no direction is selected), flips the selector to "A"
    // after a clockwise launch and to "O" in every other case, makes the entry
    // the betting aid's last number and empties the entry to "??".
    void pressRegister();
    // One launch in `direction`: the entry becomes n1 and n1 becomes n2; the
    // class of the pair, when it has one, is appended to its series.
    void registerLaunch(Direction direction);
    // Only a series of two or more loses its last launch (n1 steps back to n2,
    // n2 becomes "??"); the direction of the series is then selected.
    void deleteLast(Series& series, Direction seriesDirection);
    // Deletes the launch at `row` of a series of two or more.
    void deleteAt(Series& series, std::optional<qsizetype> row);
    void clear(Series& series);
    // Replaces a series with the classes of a file.
    void load(Series& series, std::vector<std::int8_t> classes);
    // Puts a class back at `row` (0..count), as before a delete there.
    void insertAt(Series& series, qsizetype row, int distanceClass);
    // Makes `change` of `series` again (redo), or its inverse (undo, see
    // inverse()); a replacement puts `contents` in the series. It runs as a
    // change of the session, which its followers see as any other.
    void apply(Series& series, const SeriesChange& change, const SeriesContents* contents);
    // Puts the whole entry back as it was (undo, a restored session).
    void restoreEntry(const LaunchEntry& entry);
    // The series was written to a session file as it is now.
    void noteSaved(const Series& series);

    static const QString& noNumber();

signals:
    // Any field of the entry changed; the views show entry() again.
    void entryChanged();
    // The series at `index` changed, once per change of it; always between
    // changeStarted() and changeFinished().
    void seriesChanged(int index, const SeriesChange& change);
    void changeStarted();
    void changeFinished();
    // The series at `index` is in a session file as it is now.
    void seriesSaved(int index);
    // "REGISTRA" was pressed on a number with no direction chosen: nothing
    // was registered.
    void directionMissing();
    // A text that is no pocket number was registered: the launch counts, but
    // neither it nor the next one can have a class.
    void foreignNumberRegistered(const QString& text);

protected:
    // Called by a session once its series exist: from then on their changes
    // are the session's.
    void followSeries();

private:
    void setField(QString LaunchEntry::*field, const QString& value);

    LaunchEntry m_entry;
    const LaunchEntry m_initial;
    int m_changeDepth = 0;
    SessionOperation m_operation;
};

} // namespace rotamind

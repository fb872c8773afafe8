#pragma once

#include "session/AutoSaveSource.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

class QTimer;

namespace rotamind {

// Automatic saving of the PRO series: a switch, a folder, an interval in
// minutes and which of four files to write, ticking whether any window is
// shown or not. It keeps every setting itself, so a view only hands it the
// player's edits and draws what it tells; the clock is injected so that the
// names and the next tick can be checked without waiting.
class AutoSaveModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutoSaveModel)

public:
    using Clock = std::function<QDateTime()>;

    // The files a tick may write, in writing order.
    enum class File { ClockwiseSession, CounterSession, ClockwiseChart, CounterChart };
    static constexpr int kFileCount = 4;

    enum class SwitchOutcome { TurnedOn, TurnedOff, NoInterval };

    // How the last tick went: when, and why it failed (empty when it saved).
    struct Outcome {
        QDateTime at;
        bool saved = false;
        QString reason;
    };

    explicit AutoSaveModel(QObject* parent = nullptr);
    ~AutoSaveModel() override;

    // Not owned; must outlive the model or be reset to nullptr. Without a
    // source a tick writes nothing.
    void setSource(const AutoSaveSource* source) { m_source = source; }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setLocale(const QLocale& locale) { m_locale = locale; }
    // Length of one interval minute for the timer; one minute except in tests.
    // The next tick is always told in the clock's minutes.
    void setMinuteLength(std::chrono::milliseconds length) { m_minuteLength = length; }

    bool isOn() const { return m_nextTick.has_value(); }
    // Turns saving on (the first tick one interval from now) or off. An
    // interval text that is no whole number of minutes from 1 up leaves the
    // switch as it was.
    SwitchOutcome toggle();

    // The interval as typed. While saving is on, an interval counts at once
    // from now; a text that is no interval keeps the one running.
    void setIntervalText(const QString& text);
    const QString& intervalText() const { return m_intervalText; }
    // The interval in minutes (1 or more); nothing for any other text.
    std::optional<int> intervalMinutes() const;

    // The folder of a file name the player chose; no file is created. Empty
    // until chosen: then files go to the working folder.
    void chooseFolder(const QString& chosenPath);
    const QString& folder() const { return m_folder; }
    // The name the folder dialog proposes: the last one chosen or written.
    const QString& proposedName() const { return m_lastName; }

    bool writes(File file) const { return m_writes[static_cast<std::size_t>(file)]; }
    void setWrites(File file, bool write) { m_writes[static_cast<std::size_t>(file)] = write; }

    // When the next tick is due by the clock; nothing while off.
    std::optional<QDateTime> nextTick() const { return m_nextTick; }
    const std::optional<Outcome>& lastOutcome() const { return m_lastOutcome; }

    // Writes the chosen files in order; the first failure ends the tick.
    void tick();

signals:
    void switchChanged(bool on);
    void folderChanged(const QString& folder);
    // A tick wrote the session file of series `index` (0 clockwise, 1
    // counter-clockwise) as the source holds it now.
    void sessionWritten(int index);
    // A file could not be written: the full path tried and why.
    void writeFailed(const QString& path, const QString& reason);
    // After every tick, with lastOutcome() up to date.
    void ticked(const AutoSaveModel::Outcome& outcome);

private:
    void startTicking(int minutes);
    bool writeOne(File file);
    void finishTick(bool saved, const QString& reason);

    const AutoSaveSource* m_source = nullptr;
    Clock m_clock;
    QLocale m_locale;
    std::chrono::milliseconds m_minuteLength{60000};
    QString m_intervalText;
    QString m_folder;
    QString m_lastName;
    std::array<bool, kFileCount> m_writes{true, true, false, false};
    std::optional<QDateTime> m_nextTick;
    std::optional<Outcome> m_lastOutcome;
    QTimer* m_timer = nullptr;
};

// "Ultimo salvataggio 21:14: riuscito" or "... non riuscito: <reason>".
QString autoSaveStatus(const AutoSaveModel::Outcome& outcome);

} // namespace rotamind

#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace rotamind {

class Archive;
class ArchiveRecorder;
class ArchiveService;
class TARCHIVIO;
class TAZZERAPRO;
class TEASY;
class TINTRO;
class TPRO;
class TRISORSE;
class TSALVA;

// Every window of the program, created once at start in a fixed order and
// kept until the end; through it one window shows, hides or reads another.
// It wires the windows to the archive service, which records PRO's and
// EASY's sessions from their first change and finds the sessions the last
// run left unsaved for the launcher to offer.
class Windows final {
public:
    // The archive at `archivePath`; empty for Archive::defaultPath().
    explicit Windows(const QString& archivePath = {});
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // Shows the launcher, the only window visible at start, opens the
    // archive and offers the interrupted session, if any.
    void start();
    // RESTORE: the interrupted session's window opened with it.
    void restore(int offer);
    // An archived session opened in the window of its mode in place of the
    // other working window; that window's recorder goes on with its row.
    // False when the session cannot be read.
    bool openArchived(qint64 id);

    TINTRO& intro() const { return *m_intro; }
    TRISORSE& resources() const { return *m_resources; }
    TPRO& pro() const { return *m_pro; }
    TAZZERAPRO& resetConfirmation() const { return *m_resetConfirmation; }
    TEASY& easy() const { return *m_easy; }
    TSALVA& autoSave() const { return *m_autoSave; }
    Archive& archive() const;
    ArchiveRecorder& proRecorder() const;
    ArchiveRecorder& easyRecorder() const;
    // The archive window, made the first time a working window asks for it.
    TARCHIVIO& archiveWindow();

private:
    // A working window shown for the first time is centred over the launcher;
    // later it comes back where it was left.
    struct WorkingWindow {
        QWidget* window = nullptr;
        bool shownBefore = false;
    };
    void show(WorkingWindow& working);
    void end();
    void showArchiveMessage(const QString& text) const;

    // Declared, hence created, in the order of start-up.
    std::unique_ptr<TINTRO> m_intro;
    std::unique_ptr<TRISORSE> m_resources;
    std::unique_ptr<TPRO> m_pro;
    std::unique_ptr<TAZZERAPRO> m_resetConfirmation;
    std::unique_ptr<TEASY> m_easy;
    std::unique_ptr<TSALVA> m_autoSave;
    std::unique_ptr<ArchiveService> m_archive;
    std::unique_ptr<TARCHIVIO> m_archiveWindow;
    WorkingWindow m_proShown;
    WorkingWindow m_easyShown;
};

} // namespace rotamind

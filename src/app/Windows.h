#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace rotamind {

class TARCHIVIO;
class TAZZERAPRO;
class TEASY;
class TINTRO;
class TPRO;
class TRISORSE;
class TSALVA;

// Every window of the program, created once at start in a fixed order and
// kept until the end; through it one window shows, hides or reads another.
class Windows final {
public:
    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // Shows the launcher, the only window visible at start.
    void start();

    TINTRO& intro() const { return *m_intro; }
    TRISORSE& resources() const { return *m_resources; }
    TPRO& pro() const { return *m_pro; }
    TAZZERAPRO& resetConfirmation() const { return *m_resetConfirmation; }
    TEASY& easy() const { return *m_easy; }
    TSALVA& autoSave() const { return *m_autoSave; }
    // The archive window, made the first time a working window asks for it.
    TARCHIVIO& archive();
    // Where the session archive lives: the user's data folder, so that
    // $XDG_DATA_HOME moves it.
    static QString archivePath();

private:
    // A working window shown for the first time is centred over the launcher;
    // later it comes back where it was left.
    struct WorkingWindow {
        QWidget* window = nullptr;
        bool shownBefore = false;
    };
    void show(WorkingWindow& working);
    void end();

    // Declared, hence created, in the order of start-up.
    std::unique_ptr<TINTRO> m_intro;
    std::unique_ptr<TRISORSE> m_resources;
    std::unique_ptr<TPRO> m_pro;
    std::unique_ptr<TAZZERAPRO> m_resetConfirmation;
    std::unique_ptr<TEASY> m_easy;
    std::unique_ptr<TSALVA> m_autoSave;
    std::unique_ptr<TARCHIVIO> m_archive;
    WorkingWindow m_proShown;
    WorkingWindow m_easyShown;
};

} // namespace rotamind

#pragma once

#include <memory>

namespace rotamind {

class TAZZERAPRO;
class TINTRO;
class TPRO;
class TRISORSE;

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

private:
    void showWorkingWindow(TPRO& window);
    void end();

    std::unique_ptr<TINTRO> m_intro;
    std::unique_ptr<TRISORSE> m_resources;
    std::unique_ptr<TPRO> m_pro;
    std::unique_ptr<TAZZERAPRO> m_resetConfirmation;
    // TEASY and TSALVA follow here, in that order, when they join.
    bool m_proShownBefore = false;
};

} // namespace rotamind

#include "app/Windows.h"

#include "app/TINTRO.h"
#include "ui/TAZZERAPRO.h"
#include "ui/TPRO.h"
#include "ui/TRISORSE.h"

#include <QCoreApplication>
#include <QObject>
#include <QScreen>

namespace rotamind {

Windows::Windows()
    : m_intro(std::make_unique<TINTRO>()), m_resources(std::make_unique<TRISORSE>()),
      m_pro(std::make_unique<TPRO>()),
      m_resetConfirmation(std::make_unique<TAZZERAPRO>(m_pro.get())) {
    TRISORSE* resources = m_resources.get();
    m_pro->setPictureSource([resources](const QString& name) { return resources->picture(name); });
    m_pro->setResetConfirmation(m_resetConfirmation.get());

    QObject::connect(m_resetConfirmation.get(), &TAZZERAPRO::confirmed, m_pro.get(),
                     &TPRO::AZZERAClick);
    QObject::connect(m_intro.get(), &TINTRO::proChosen, m_pro.get(),
                     [this] { showWorkingWindow(*m_pro); });
    // TINTRO::easyChosen stays unconnected until TEASY joins: then it hides
    // the launcher and shows EASY, as proChosen does for PRO.
    // "Easy" in PRO: the EASY window shows itself here once it exists; until
    // then PRO stays where it is rather than leave no window open.
    QObject::connect(m_pro.get(), &TPRO::easyRequested, m_pro.get(), [this] { m_pro->show(); });
    QObject::connect(m_pro.get(), &TPRO::formClosed, m_intro.get(), [this] { end(); });
    QObject::connect(m_intro.get(), &TINTRO::closed, m_intro.get(),
                     [] { QCoreApplication::quit(); });
}

Windows::~Windows() = default;

void Windows::start() {
    if (const QScreen* screen = m_intro->screen())
        m_intro->move(screen->availableGeometry().center() - m_intro->rect().center());
    m_intro->show();
}

void Windows::showWorkingWindow(TPRO& window) {
    // The first showing is centred over the launcher; later it comes back where it was.
    if (!m_proShownBefore) {
        window.move(m_intro->geometry().center() - window.rect().center());
        m_proShownBefore = true;
    }
    window.show();
}

void Windows::end() {
    // Closing a working window closes the launcher, which ends the program,
    // whatever other window (a hidden one, the automatic-save dialog) is left.
    m_intro->close();
    QCoreApplication::quit();
}

} // namespace rotamind

#include "app/Windows.h"

#include "app/TINTRO.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TRISORSE.h"
#include "ui/windows/TSALVA.h"

#include <QCoreApplication>
#include <QObject>
#include <QScreen>
#include <QStandardPaths>

namespace rotamind {

Windows::Windows()
    : m_intro(std::make_unique<TINTRO>()), m_resources(std::make_unique<TRISORSE>()),
      m_pro(std::make_unique<TPRO>()),
      m_resetConfirmation(std::make_unique<TAZZERAPRO>(m_pro.get())),
      m_easy(std::make_unique<TEASY>()), m_autoSave(std::make_unique<TSALVA>(m_intro.get())),
      m_proShown{m_pro.get()}, m_easyShown{m_easy.get()} {
    TRISORSE* resources = m_resources.get();
    const auto pictures = [resources](const QString& name) { return resources->picture(name); };
    m_pro->setPictureSource(pictures);
    m_easy->setPictureSource(pictures);
    m_pro->setResetConfirmation(m_resetConfirmation.get());
    // Automatic saving reads PRO whether it is shown or not.
    m_autoSave->setSource(&m_pro->autoSaveSource());
    m_pro->setAutoSaveDialog(m_autoSave.get());
    QObject::connect(m_resetConfirmation.get(), &TAZZERAPRO::confirmed, m_pro.get(),
                     &TPRO::AZZERAClick);

    // The launcher hides itself for good before it asks for a mode; each
    // working window hides itself before it asks for the other.
    QObject::connect(m_intro.get(), &TINTRO::proChosen, m_pro.get(), [this] { show(m_proShown); });
    QObject::connect(m_intro.get(), &TINTRO::easyChosen, m_easy.get(),
                     [this] { show(m_easyShown); });
    QObject::connect(m_pro.get(), &TPRO::easyRequested, m_easy.get(),
                     [this] { show(m_easyShown); });
    QObject::connect(m_easy.get(), &TEASY::proRequested, m_pro.get(), [this] { show(m_proShown); });

    const auto showArchive = [this] {
        TARCHIVIO& window = archive();
        window.show();
        window.raise();
        window.activateWindow();
    };
    QObject::connect(m_pro.get(), &TPRO::archiveRequested, m_pro.get(), showArchive);
    QObject::connect(m_easy.get(), &TEASY::archiveRequested, m_easy.get(), showArchive);

    QObject::connect(m_pro.get(), &TPRO::formClosed, m_intro.get(), [this] { end(); });
    QObject::connect(m_easy.get(), &TEASY::formClosed, m_intro.get(), [this] { end(); });
    QObject::connect(m_intro.get(), &TINTRO::closed, m_intro.get(),
                     [] { QCoreApplication::quit(); });
}

Windows::~Windows() = default;

QString Windows::archivePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/archive.sqlite");
}

TARCHIVIO& Windows::archive() {
    if (m_archive)
        return *m_archive;
    m_archive = std::make_unique<TARCHIVIO>(archivePath());
    // A series loaded from the archive is shown where it went: EASY takes
    // PRO's place as its own "Easy" button would have it.
    QObject::connect(m_archive.get(), &TARCHIVIO::savedSessionLoadRequested, m_easy.get(),
                     [this](const ArchiveCatalog::Classes& classes) {
                         m_easy->session().load(m_easy->session().saved(), classes);
                         if (!m_easy->isVisible()) {
                             m_pro->hide();
                             show(m_easyShown);
                         }
                     });
    return *m_archive;
}

void Windows::start() {
    if (const QScreen* screen = m_intro->screen())
        m_intro->move(screen->availableGeometry().center() - m_intro->rect().center());
    m_intro->show();
}

void Windows::show(WorkingWindow& working) {
    QWidget& window = *working.window;
    if (!working.shownBefore) {
        // move() places the frame, whose size a window never shown does not
        // know yet; the launcher's frame, drawn by the same desktop, stands in.
        const QPoint frame = m_intro->geometry().topLeft() - m_intro->pos();
        window.move(m_intro->geometry().center() - window.rect().center() - frame);
        working.shownBefore = true;
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void Windows::end() {
    // Closing a working window closes the launcher, which ends the program,
    // whatever other window (a hidden one, the automatic-save dialog) is left.
    m_intro->close();
    QCoreApplication::quit();
}

} // namespace rotamind

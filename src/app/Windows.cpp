#include "app/Windows.h"

#include "app/TINTRO.h"
#include "archive/ArchiveService.h"
#include "archive/PlaceHistoryReader.h"
#include "ui/chart/DistanceChart.h"
#include "ui/toolkit/QuietNotice.h"
#include "ui/toolkit/SpinListView.h"
#include "ui/windows/TARCHIVIO.h"
#include "ui/windows/TAZZERAPRO.h"
#include "ui/windows/TEASY.h"
#include "ui/windows/TPRO.h"
#include "ui/windows/TRISORSE.h"
#include "ui/windows/TSALVA.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace rotamind {

Windows::Windows(const QString& archivePath)
    : m_intro(std::make_unique<TINTRO>()), m_resources(std::make_unique<TRISORSE>()),
      m_pro(std::make_unique<TPRO>()),
      m_resetConfirmation(std::make_unique<TAZZERAPRO>(m_pro.get())),
      m_easy(std::make_unique<TEASY>()), m_autoSave(std::make_unique<TSALVA>(m_intro.get())),
      m_archive(std::make_unique<ArchiveService>(archivePath, m_pro->session(), m_easy->session())),
      m_proShown{m_pro.get()}, m_easyShown{m_easy.get()} {
    TRISORSE* resources = m_resources.get();
    const auto pictures = [resources](const QString& name) { return resources->picture(name); };
    m_pro->setPictureSource(pictures);
    m_easy->setPictureSource(pictures);
    m_pro->setResetConfirmation(m_resetConfirmation.get());
    // Automatic saving reads PRO whether it is shown or not.
    m_autoSave->setSource(&m_pro->autoSaveSource());
    m_pro->setAutoSaveDialog(m_autoSave.get());
    // Each page asks its own reader: one page's request never drops the other's.
    m_pro->setPlaceHistory(std::make_unique<PlaceHistoryReader>(archive().path()));
    m_easy->setPlaceHistory(std::make_unique<PlaceHistoryReader>(archive().path()));
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
        TARCHIVIO& window = archiveWindow();
        window.show();
        window.raise();
        window.activateWindow();
    };
    QObject::connect(m_pro.get(), &TPRO::archiveRequested, m_pro.get(), showArchive);
    QObject::connect(m_easy.get(), &TEASY::archiveRequested, m_easy.get(), showArchive);

    QObject::connect(m_pro.get(), &TPRO::formClosed, m_intro.get(), [this] { end(); });
    QObject::connect(m_easy.get(), &TEASY::formClosed, m_intro.get(), [this] { end(); });
    QObject::connect(m_intro.get(), &TINTRO::restoreChosen, m_intro.get(),
                     [this](int offer) { restore(offer); });
    QObject::connect(&archive(), &Archive::message, m_intro.get(),
                     [this](const QString& text) { showArchiveMessage(text); });
    QObject::connect(m_intro.get(), &TINTRO::closed, m_intro.get(),
                     [] { QCoreApplication::quit(); });
}

Windows::~Windows() = default;

Archive& Windows::archive() const {
    return m_archive->archive();
}

ArchiveRecorder& Windows::proRecorder() const {
    return m_archive->recorder(SessionMode::Pro);
}

ArchiveRecorder& Windows::easyRecorder() const {
    return m_archive->recorder(SessionMode::Easy);
}

TARCHIVIO& Windows::archiveWindow() {
    if (m_archiveWindow)
        return *m_archiveWindow;
    m_archiveWindow = std::make_unique<TARCHIVIO>(archive().path());
    // A series loaded from the archive is shown where it went: EASY takes
    // PRO's place as its own "Easy" button would have it.
    QObject::connect(m_archiveWindow.get(), &TARCHIVIO::savedSessionLoadRequested, m_easy.get(),
                     [this](const ArchiveCatalog::Classes& classes) {
                         m_easy->loadSavedSession(classes);
                         if (!m_easy->isVisible()) {
                             m_pro->hide();
                             show(m_easyShown);
                         }
                     });
    // Sessions imported into the archive: the last one comes up in its window.
    QObject::connect(m_archiveWindow.get(), &TARCHIVIO::sessionImported, m_intro.get(),
                     [this](qint64 id) { openArchived(id); });
    return *m_archiveWindow;
}

void Windows::start() {
    if (const QScreen* screen = m_intro->screen())
        m_intro->move(screen->availableGeometry().center() - m_intro->rect().center());
    m_intro->show();
    // A few milliseconds of reading; the modes are chosen as before.
    QStringList captions;
    for (const StoredSession& offered : m_archive->openAndFindInterrupted())
        captions << TINTRO::restoreCaption(modeText(offered.mode), offered.changed,
                                           offered.counts[0] + offered.counts[1]);
    m_intro->offerRestore(captions);
}

void Windows::restore(int offer) {
    // The other offer stays in the archive as it is, offered again next time.
    const std::optional<qint64> id = m_archive->offeredSession(offer);
    const bool opened = id && openArchived(*id);
    if (!opened)
        show(m_proShown);
}

bool Windows::openArchived(qint64 id) {
    const std::optional<SessionMode> mode = m_archive->restore(id);
    if (!mode)
        return false;
    const bool easy = *mode == SessionMode::Easy;
    WorkingWindow& working = easy ? m_easyShown : m_proShown;
    // Each chart at its latest launches, as a window that recorded them shows it.
    for (DistanceChart* chart : working.window->findChildren<DistanceChart*>())
        chart->showLastPage();
    (easy ? m_proShown : m_easyShown).window->hide();
    show(working);
    // The lists too, once laid out on screen: the newest launches in sight.
    for (SpinListView* list : working.window->findChildren<SpinListView*>())
        QTimer::singleShot(0, list, &SpinListView::scrollToBottom);
    return true;
}

void Windows::showArchiveMessage(const QString& text) const {
    // Over whichever window is in front; never modal, never waited for.
    QWidget* parent = QApplication::activeWindow();
    if (!parent)
        parent = m_intro.get();
    showQuietNotice(QMessageBox::Warning, text, {}, parent)
        ->setObjectName(QStringLiteral("ARCHIVIO"));
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
    m_archive->end();
    m_intro->close();
    QCoreApplication::quit();
}

} // namespace rotamind

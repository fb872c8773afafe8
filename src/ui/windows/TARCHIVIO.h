#pragma once

#include "archive/ArchiveCatalog.h"

#include <QLocale>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace rotamind {

class ArchiveSessionModel;
class LazyFileDialog;
struct StoredSession;

// The archive window: every archived session, newest first, narrowed by site
// and croupier as they are typed; the chosen session can be written out as
// session files or one of its series handed to EASY's saved session; the
// chosen or the listed sessions go out as CSV, and sessions come in from CSV
// or pasted numbers.
class TARCHIVIO final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TARCHIVIO)

public:
    // Shows the folder dialog; the chosen folder, or nothing when cancelled.
    using FolderRunner = std::function<std::optional<QString>(QFileDialog&)>;

    explicit TARCHIVIO(const QString& archivePath, QWidget* parent = nullptr);
    ~TARCHIVIO() override;

    // So that tests can stand in for the human at the folder dialog.
    void setFolderRunner(FolderRunner runner) { m_runFolderDialog = std::move(runner); }
    // So that tests can stand in for the human at the CSV file dialog.
    void setCsvFileRunner(FolderRunner runner) { m_runCsvDialog = std::move(runner); }
    // The hour format of the exported files' names follows it.
    void setLocale(const QLocale& locale) { m_locale = locale; }

public slots:
    // Reads the archive again, keeping the filters and the chosen session.
    void refresh();
    void EditChange();
    // "Esporta sessione": the chosen session's series as session files in a
    // folder the player picks.
    void exportChosenSession();
    // "Carica in EASY": the chosen series to EASY's saved session.
    void loadChosenSeriesIntoEasy();
    void closeArchive();
    // "CSV delle scelte", "CSV di tutte", "Importa...".
    void exportChosenSessionsAsCsv();
    void exportListedSessionsAsCsv();
    void importSessions();

signals:
    // "Carica in EASY": the classes (3..-3, oldest first) of the chosen series,
    // for the caller to load into EASY's saved session.
    void savedSessionLoadRequested(const ArchiveCatalog::Classes& classes);
    // Sessions came in from CSV or pasted numbers; the last of them (its
    // archive id and mode, "PRO" or "EASY") is to be opened in its window.
    void sessionImported(qint64 id, const QString& mode);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs a file or folder dialog: the first name chosen, nothing when cancelled.
    static std::optional<QString> execFileDialog(QFileDialog& dialog);
    void buildControls();
    void showListing(ArchiveCatalog::Listing listing);
    void showCount();
    void selectionChanged();
    void seriesChosen();
    const StoredSession* chosenSession() const;
    // The classes of a series of the chosen session; a message tells why not.
    // With `offerRecovered`, a damaged series may be taken as far as it can
    // be read, if the player says so.
    std::optional<ArchiveCatalog::Classes> readSeries(const StoredSession& session, int series,
                                                      bool offerRecovered = false);
    // Writes the session files of `session` into `folder`, asking before it
    // replaces any; nothing is written unless every series reads and every
    // name fits.
    void writeSessionFiles(const StoredSession& session, const QString& folder);
    void showMessage(const QString& text);
    bool confirmReplace(const QStringList& names);
    void writeCsv(std::vector<StoredSession> sessions);

    ArchiveCatalog m_catalog;
    ArchiveSessionModel* m_model = nullptr;
    FolderRunner m_runFolderDialog;
    FolderRunner m_runCsvDialog;
    QLocale m_locale;
    // What the last read said about the archive; the count line names it.
    ArchiveCatalog::Status m_status = ArchiveCatalog::Status::Missing;
    QString m_error;
    QStringList m_refused; // sessions left out of the listing, with the reason

    // The controls, in the order they are made.
    LazyFileDialog* m_folderDialog = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_load = nullptr;
    std::array<QLineEdit*, 2> m_filters{}; // site, croupier
    QTableView* m_grid = nullptr;
    QLabel* m_state = nullptr;
    QComboBox* m_series = nullptr;
};

} // namespace rotamind

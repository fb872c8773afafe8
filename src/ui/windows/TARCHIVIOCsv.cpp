// The archive window's CSV commands: the chosen or the listed sessions out
// to one file, and sessions in from a file or pasted numbers.
#include "archive/ArchiveSessionModel.h"
#include "archive/CsvExchange.h"
#include "ui/views/SessionCommands.h"
#include "ui/windows/SessionImportDialog.h"
#include "ui/windows/TARCHIVIO.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSaveFile>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rotamind {

void TARCHIVIO::exportChosenSessionsAsCsv() {
    std::vector<StoredSession> sessions;
    for (const QModelIndex& index : m_grid->selectionModel()->selectedRows())
        if (const StoredSession* session = m_model->sessionAt(index.row()))
            sessions.push_back(*session);
    writeCsv(std::move(sessions));
}

void TARCHIVIO::exportListedSessionsAsCsv() {
    std::vector<StoredSession> sessions;
    for (int row = 0; row < m_model->rowCount(); ++row)
        sessions.push_back(*m_model->sessionAt(row));
    writeCsv(std::move(sessions));
}

void TARCHIVIO::writeCsv(std::vector<StoredSession> sessions) {
    // A session without a class has no row to give.
    std::erase_if(sessions, [](const StoredSession& session) {
        return session.counts[0] + session.counts[1] == 0;
    });
    if (sessions.empty()) {
        m_state->setText(
            QCoreApplication::translate("TARCHIVIO", "Nessuna sessione con lanci da esportare."));
        return;
    }
    // Oldest first, as the evenings were played.
    std::sort(sessions.begin(), sessions.end(), [](const auto& a, const auto& b) {
        return std::tie(a.started, a.id) < std::tie(b.started, b.id);
    });
    QFileDialog dialog(this, QCoreApplication::translate("TARCHIVIO", "Rotamind - Esporta CSV"));
    dialog.setObjectName(u"SalvaCsv"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("TARCHIVIO", "File CSV (*.csv)"));
    dialog.setDefaultSuffix(u"csv"_s);
    dialog.selectFile(sessions.size() == 1
                          ? QCoreApplication::translate("TARCHIVIO", "Sessione Rotamind.csv")
                          : QCoreApplication::translate("TARCHIVIO", "Sessioni Rotamind.csv"));
    const std::optional<QString> path =
        m_runCsvDialog ? m_runCsvDialog(dialog) : execFileDialog(dialog);
    if (!path)
        return;

    std::vector<qint64> ids;
    for (const StoredSession& session : sessions)
        ids.push_back(session.id);
    const auto exported = exportCsv(m_catalog.path(), ids);
    if (const QString* reason = std::get_if<QString>(&exported)) {
        showMessage(
            QCoreApplication::translate("TARCHIVIO", "Impossibile esportare le sessioni: %1")
                .arg(*reason));
        return;
    }
    // Written whole or not at all: an old file of that name stays until then.
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(std::get<QByteArray>(exported)) < 0 ||
        !file.commit()) {
        showMessage(cannotCreateFileMessage(*path));
        return;
    }
    m_state->setText(QCoreApplication::translate("TARCHIVIO", "Esportate %1 sessioni in %2")
                         .arg(sessions.size())
                         .arg(QDir::toNativeSeparators(*path)));
}

void TARCHIVIO::importSessions() {
    SessionImportDialog dialog(m_catalog.path(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.importedIds().empty())
        return;
    refresh();
    m_state->setText(
        QCoreApplication::translate("TARCHIVIO", "Importate %1 sessioni: l'ultima si apre in %2")
            .arg(dialog.importedIds().size())
            .arg(dialog.importedMode()));
    emit sessionImported(dialog.importedIds().back(), dialog.importedMode());
}

} // namespace rotamind

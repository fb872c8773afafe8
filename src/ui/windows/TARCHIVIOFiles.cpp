// What the archive window does with the chosen session: writes its series out
// as session files, or hands one of them to EASY.
#include "archive/ArchiveSessionModel.h"
#include "storage/SaveName.h"
#include "storage/SessionFile.h"
#include "ui/toolkit/LazyFileDialog.h"
#include "ui/views/SessionCommands.h"
#include "ui/windows/TARCHIVIO.h"
#include "wheel/Wheel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// The suffixes the windows' own save commands give these series; EASY never
// saves its saved session, so that one is named here.
QString suffixOf(SessionMode mode, int series) {
    if (mode == SessionMode::Pro)
        return sessionSuffix(series == 0 ? SeriesFile::ProClockwise
                                         : SeriesFile::ProCounterClockwise);
    return sessionSuffix(series == 0 ? SeriesFile::EasyCurrent : SeriesFile::EasySaved);
}

QStringList textsOf(const ArchiveCatalog::Classes& classes) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(classes.size()));
    for (const std::int8_t distanceClass : classes)
        texts.append(classText(distanceClass));
    return texts;
}

struct ExportFile {
    QString path;
    QStringList texts;
};

} // namespace

void TARCHIVIO::showMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                                text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool TARCHIVIO::confirmReplace(const QStringList& names) {
    QMessageBox box(
        QMessageBox::Question, QGuiApplication::applicationDisplayName(),
        QCoreApplication::translate("TARCHIVIO", "Nella cartella esistono già:\n%1\nSostituirli?")
            .arg(names.join(u'\n')),
        QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<ArchiveCatalog::Classes> TARCHIVIO::readSeries(const StoredSession& session,
                                                             int series, bool offerRecovered) {
    auto read = m_catalog.classes(session.id, series);
    if (auto* classes = std::get_if<ArchiveCatalog::Classes>(&read))
        return std::move(*classes);
    if (offerRecovered) {
        auto recovered = m_catalog.recoverable(session.id, series);
        if (auto* found = std::get_if<ArchiveCatalog::Recovered>(&recovered);
            found && !found->classes.empty()) {
            QMessageBox box(
                QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                QCoreApplication::translate("TARCHIVIO", "%1.\nCaricare i lanci recuperati?")
                    .arg(found->damage),
                QMessageBox::Yes | QMessageBox::No, this);
            box.setDefaultButton(QMessageBox::No);
            if (box.exec() == QMessageBox::Yes)
                return std::move(found->classes);
            return std::nullopt;
        }
    }
    showMessage(QCoreApplication::translate("TARCHIVIO",
                                            "Impossibile leggere la sessione dall'archivio: %1")
                    .arg(std::get<QString>(read)));
    return std::nullopt;
}

void TARCHIVIO::exportChosenSession() {
    const StoredSession* chosen = chosenSession();
    if (!chosen)
        return;
    // A copy: a read below may not leave the listing as it was.
    const StoredSession session = *chosen;
    if (const std::optional<QString> folder = m_runFolderDialog(m_folderDialog->dialog()))
        writeSessionFiles(session, *folder);
}

void TARCHIVIO::writeSessionFiles(const StoredSession& session, const QString& folder) {
    // The names carry the session's own start, so that exporting it again
    // names the same files rather than a new set.
    QDateTime started = session.started;
    if (!started.isValid())
        started = QDateTime::currentDateTime();
    // Every series is read and every name checked before the first file is
    // written: a refusal then leaves the folder as it was.
    std::vector<ExportFile> files;
    QStringList existing;
    for (int series = 0; series < 2; ++series) {
        std::optional<ArchiveCatalog::Classes> classes = readSeries(session, series);
        if (!classes)
            return;
        if (classes->empty())
            continue;
        const QString name = saveName(started, m_locale, session.entry.site, session.entry.croupier,
                                      suffixOf(session.mode, series)) +
                             u".txt"_s;
        const QString path = QDir(folder).filePath(name);
        // A separator in the site or croupier would put the file elsewhere.
        if (!isBareFileName(name)) {
            showMessage(cannotCreateFileMessage(path));
            return;
        }
        if (QFileInfo::exists(path))
            existing.append(name);
        files.push_back({path, textsOf(*classes)});
    }
    if (files.empty()) {
        m_state->setText(
            QCoreApplication::translate("TARCHIVIO", "La sessione non ha lanci da esportare."));
        return;
    }
    if (!existing.isEmpty() && !confirmReplace(existing))
        return;
    for (const ExportFile& file : files) {
        if (!writeSessionFile(file.path, file.texts)) {
            showMessage(cannotCreateFileMessage(file.path));
            return;
        }
    }
    m_state->setText(QCoreApplication::translate("TARCHIVIO", "Esportati %1 file in %2")
                         .arg(files.size())
                         .arg(QDir::toNativeSeparators(folder)));
}

void TARCHIVIO::loadChosenSeriesIntoEasy() {
    const StoredSession* session = chosenSession();
    if (!session || m_series->currentIndex() < 0)
        return;
    const int series = m_series->currentData().toInt();
    std::optional<ArchiveCatalog::Classes> classes = readSeries(*session, series, true);
    if (!classes)
        return;
    emit savedSessionLoadRequested(*classes);
    m_state->setText(QCoreApplication::translate(
                         "TARCHIVIO", "Serie caricata nella sessione salvata di EASY (%1 lanci)")
                         .arg(classes->size()));
}

} // namespace rotamind

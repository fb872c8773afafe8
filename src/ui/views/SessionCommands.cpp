#include "ui/views/SessionCommands.h"

#include "storage/SaveName.h"
#include "storage/SessionFile.h"
#include "ui/chart/DistanceChart.h"
#include "ui/toolkit/SessionCommandsDialog.h"
#include "wheel/Wheel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>

namespace rotamind {

namespace {

std::optional<QString> execDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

// The runtime's error box: the application's name as title, one OK button.
void showCriticalBox(QWidget* parent, const QString& text, const QString& reason) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.setInformativeText(reason);
    box.exec();
}

// Qt's own dialog, not the desktop's: it behaves the same everywhere, asks
// before overwriting by itself, and tests can drive it.
QFileDialog* makeFileDialog(QWidget* parent, const QString& name, QFileDialog::AcceptMode mode,
                            const QString& filter, const QString& defaultSuffix) {
    auto* dialog = new SessionCommandsDialog(parent);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->setSizeGripEnabled(true);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

QFileDialog* makeSaveDialog(QWidget* parent, const QString& name, const QString& filterText,
                            const QString& pattern, const QString& defaultSuffix,
                            bool confirmOverwrite) {
    QFileDialog* dialog =
        makeFileDialog(parent, name, QFileDialog::AcceptSave,
                       filterText + QStringLiteral(" (") + pattern + u')', defaultSuffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    return dialog;
}

QFileDialog* makeOpenDialog(QWidget* parent, const QString& name) {
    return makeFileDialog(parent, name, QFileDialog::AcceptOpen,
                          QCoreApplication::translate("SessionCommands", "File di testo (*.txt)"),
                          QStringLiteral("txt"));
}

} // namespace

LazyFileDialog* createSaveDialog(QWidget* parent, const QString& name, const QString& filterText,
                                 const QString& pattern, const QString& defaultSuffix,
                                 bool confirmOverwrite) {
    return new LazyFileDialog(parent, [=](QWidget* window) {
        return makeSaveDialog(window, name, filterText, pattern, defaultSuffix, confirmOverwrite);
    });
}

LazyFileDialog* createSessionSaveDialog(QWidget* parent, const QString& name) {
    return createSaveDialog(parent, name,
                            QCoreApplication::translate("SessionCommands", "File di testo"),
                            QStringLiteral("*.txt"), QStringLiteral("txt"));
}

LazyFileDialog* createChartSaveDialog(QWidget* parent, const QString& name) {
    return createSaveDialog(parent, name,
                            QCoreApplication::translate("SessionCommands", "Immagine bitmap"),
                            QStringLiteral("*.bmp"), QStringLiteral("bmp"));
}

LazyFileDialog* createOpenDialog(QWidget* parent, const QString& name) {
    return new LazyFileDialog(parent,
                              [name](QWidget* window) { return makeOpenDialog(window, name); });
}

QByteArray chartBitmapBytes(const QImage& picture) {
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture))
        return {};
    return bytes;
}

QString cannotCreateFileMessage(const QString& path) {
    // English in an Italian program on purpose: it is the runtime's own
    // message, word for word, the one players of this kind of program know
    // and report. Do not translate or reword it; an Italian reason may go
    // beside it, never in its place.
    return QCoreApplication::translate("SessionCommands", "Cannot create file %1")
        .arg(QDir::toNativeSeparators(path));
}

SessionCommands::SessionCommands()
    : m_clock([] { return QDateTime::currentDateTime(); }), m_runDialog(execDialog),
      m_showMessage(showCriticalBox), m_locale(QLocale::system()) {}

QString SessionCommands::proposedName(const SaveRequest& request) const {
    return saveName(m_clock(), m_locale, request.site, request.croupier, request.suffix);
}

SessionCommands::SaveOutcome SessionCommands::save(QWidget* parent, QFileDialog& dialog,
                                                   const SaveRequest& request,
                                                   const std::function<QByteArray()>& bytes) const {
    dialog.setWindowTitle(request.title);
    // A bare name: the dialog stays in the folder it was last left in.
    dialog.selectFile(proposedName(request));
    const std::optional<QString> path = m_runDialog(dialog);
    if (!path)
        return SaveOutcome::Cancelled;
    QString reason;
    if (!writeFileAtomically(*path, bytes(), &reason)) {
        m_showMessage(parent, cannotCreateFileMessage(*path), reason);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Written;
}

SessionCommands::SaveOutcome SessionCommands::saveSession(QWidget* parent, QFileDialog& dialog,
                                                          const SaveRequest& request,
                                                          std::span<const QString> items) const {
    return save(parent, dialog, request, [items] { return sessionFileBytes(items); });
}

SessionCommands::SaveOutcome SessionCommands::saveChart(QWidget* parent, QFileDialog& dialog,
                                                        const SaveRequest& request,
                                                        const DistanceChart& chart) const {
    return saveChart(parent, dialog, request, [&chart] { return chart.renderPage(); });
}

SessionCommands::SaveOutcome
SessionCommands::saveChart(QWidget* parent, QFileDialog& dialog, const SaveRequest& request,
                           const std::function<QImage()>& picture) const {
    return save(parent, dialog, request, [&picture] { return chartBitmapBytes(picture()); });
}

namespace {
std::optional<QStringList> textsOf(const std::optional<SessionClasses>& classes) {
    if (!classes)
        return std::nullopt;
    QStringList items;
    items.reserve(static_cast<qsizetype>(classes->size()));
    for (const std::int8_t distanceClass : *classes)
        items.append(classText(distanceClass));
    return items;
}
} // namespace

std::optional<QStringList> SessionCommands::loadSession(QWidget* parent,
                                                        QFileDialog& dialog) const {
    return textsOf(loadClasses(parent, dialog));
}

std::optional<QStringList> SessionCommands::loadSessionFrom(QWidget* parent,
                                                            const QString& path) const {
    return textsOf(loadClassesFrom(parent, path));
}

std::optional<SessionClasses> SessionCommands::loadClasses(QWidget* parent,
                                                           QFileDialog& dialog) const {
    const std::optional<QString> path = m_runDialog(dialog);
    if (!path)
        return std::nullopt;
    return loadClassesFrom(parent, *path);
}

std::optional<SessionClasses> SessionCommands::loadClassesFrom(QWidget* parent,
                                                               const QString& path) const {
    auto result = readSessionClasses(path);
    if (auto* classes = std::get_if<SessionClasses>(&result))
        return std::move(*classes);
    const auto& error = std::get<SessionReadError>(result);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (error.line > 0) {
        m_showMessage(
            parent,
            QCoreApplication::translate("SessionCommands",
                                        "Impossibile caricare la sessione %1: la riga %2 non è una "
                                        "distanza valida.")
                .arg(shownPath)
                .arg(error.line),
            {});
    } else if (error.lineText.isEmpty()) {
        m_showMessage(
            parent,
            QCoreApplication::translate("SessionCommands", "Impossibile aprire il file %1.")
                .arg(shownPath),
            {});
    } else {
        m_showMessage(
            parent,
            QCoreApplication::translate("SessionCommands", "Impossibile aprire il file %1 (%2).")
                .arg(shownPath, error.lineText),
            {});
    }
    return std::nullopt;
}

} // namespace rotamind

#pragma once

#include "storage/SessionFile.h"

#include "ui/toolkit/LazyFileDialog.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>

class QFileDialog;
class QWidget;

namespace rotamind {

class DistanceChart;

// The dialog a window keeps for one save command: Qt's own dialog, modal,
// resizable, one filter ("File di testo (*.txt)"), the default suffix added to
// a name without an extension, overwrite confirmation unless confirmOverwrite
// is false. objectName is name ("Save1".."Save4"). Made when first needed.
LazyFileDialog* createSaveDialog(QWidget* parent, const QString& name, const QString& filterText,
                                 const QString& pattern, const QString& defaultSuffix,
                                 bool confirmOverwrite = true);
// The save dialogs of session files ("File di testo (*.txt)") and of chart bitmaps
// ("Immagine bitmap (*.bmp)").
LazyFileDialog* createSessionSaveDialog(QWidget* parent, const QString& name);
LazyFileDialog* createChartSaveDialog(QWidget* parent, const QString& name);
// The dialog a window keeps for one load command ("Open1", "Open2"): existing
// session files only. Made when first needed.
LazyFileDialog* createOpenDialog(QWidget* parent, const QString& name);

// BMP file bytes of a picture (file header, information header, pixel rows);
// empty for a null picture.
QByteArray chartBitmapBytes(const QImage& picture);

// "Cannot create file <path>", the message of every failed save.
QString cannotCreateFileMessage(const QString& path);

// The save and load commands of the PRO and EASY windows. The window keeps its
// dialogs and passes them in; the clock, the dialog run and the message box are
// members so that tests can stand in for the clock and the human.
class SessionCommands final {
public:
    enum class SaveOutcome { Written, Cancelled, Failed };

    // What a save command names its file with and shows in its dialog.
    struct SaveRequest {
        QString title;    // dialog title, e.g. "Rotamind Pro - Salva sessione SPIN ORARI"
        QString suffix;   // SaveName suffix, e.g. " - Spin ORARI"
        QString site;     // text of the window's Edit1
        QString croupier; // text of the window's Edit2
    };

    using Clock = std::function<QDateTime()>;
    // Shows the dialog; the chosen full path, or nothing when cancelled.
    using DialogRunner = std::function<std::optional<QString>(QFileDialog&)>;
    // reason, empty when there is none to add, goes under the text in the user's words.
    using MessageSink =
        std::function<void(QWidget* parent, const QString& text, const QString& reason)>;

    SessionCommands();

    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    void setLocale(const QLocale& locale) { m_locale = locale; }

    // Writes the items as a session file at the path chosen in the dialog.
    SaveOutcome saveSession(QWidget* parent, QFileDialog& dialog, const SaveRequest& request,
                            std::span<const QString> items) const;
    // Writes the chart's current page as a BMP at the path chosen in the dialog;
    // the page is drawn only once the user has confirmed.
    SaveOutcome saveChart(QWidget* parent, QFileDialog& dialog, const SaveRequest& request,
                          const DistanceChart& chart) const;
    SaveOutcome saveChart(QWidget* parent, QFileDialog& dialog, const SaveRequest& request,
                          const std::function<QImage()>& picture) const;

    // Reads the session file chosen in the dialog. Nothing when cancelled or
    // refused (the refusal is shown); the caller's series stays as it was then.
    std::optional<QStringList> loadSession(QWidget* parent, QFileDialog& dialog) const;
    // The same without a dialog, for a path already known.
    std::optional<QStringList> loadSessionFrom(QWidget* parent, const QString& path) const;
    // The same reads giving classes, one byte a launch, as a series holds them.
    std::optional<SessionClasses> loadClasses(QWidget* parent, QFileDialog& dialog) const;
    std::optional<SessionClasses> loadClassesFrom(QWidget* parent, const QString& path) const;

    // The proposed name of a save, as the dialog shows it.
    QString proposedName(const SaveRequest& request) const;

private:
    SaveOutcome save(QWidget* parent, QFileDialog& dialog, const SaveRequest& request,
                     const std::function<QByteArray()>& bytes) const;

    Clock m_clock;
    DialogRunner m_runDialog;
    MessageSink m_showMessage;
    QLocale m_locale;
};

} // namespace rotamind

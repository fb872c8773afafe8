#pragma once

#include "archive/CsvExchange.h"

#include <QDialog>
#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace rotamind {

// Brings sessions into the archive from a CSV file or from pasted numbers:
// shows what would come in (the first launches with their classes, the
// counts, every refused line with its number) and imports only when nothing
// is refused, all in one transaction, with a bar while it writes.
class SessionImportDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionImportDialog)

public:
    // Imports into the archive file at `archivePath` through an archive
    // connection of its own.
    explicit SessionImportDialog(QString archivePath, QWidget* parent = nullptr);
    ~SessionImportDialog() override;

    // The sessions made by the last import, oldest first; empty before one.
    const std::vector<qint64>& importedIds() const { return m_imported; }
    // The mode of the last session imported, "PRO" or "EASY".
    QString importedMode() const;
    const ImportPlan& plan() const { return m_plan; }

public slots:
    // Reads a CSV file and shows what it would bring; the pasted text is set aside.
    void openFile(const QString& path);
    void chooseFile();
    void importPlan();

private:
    void buildControls();
    void pastedTextChanged();
    void readPastedText();
    void showPlan();
    void setProgress(int permille);

    QString m_archivePath;
    ImportPlan m_plan;
    bool m_fromFile = false;
    std::vector<qint64> m_imported;
    QString m_importedMode;

    QPushButton* m_chooseFile = nullptr;
    QLabel* m_fileName = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_direction = nullptr;
    QCheckBox* m_newestFirst = nullptr;
    QLineEdit* m_site = nullptr;
    QLineEdit* m_croupier = nullptr;
    QTableWidget* m_preview = nullptr;
    QLabel* m_counts = nullptr;
    QListWidget* m_refused = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_import = nullptr;
    QTimer* m_reread = nullptr;
};

} // namespace rotamind

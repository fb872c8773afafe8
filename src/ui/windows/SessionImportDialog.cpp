#include "ui/windows/SessionImportDialog.h"

#include "archive/Archive.h"
#include "ui/windows/SpokenTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// A CSV file larger than this is refused unread: a year of evenings is a
// few megabytes.
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

template <typename T> T* named(T* widget, const QString& name, const QString& hint = {}) {
    widget->setObjectName(name);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

QString countsText(const ImportPlan& plan) {
    const auto many = [](qsizetype n, const QString& one, const QString& more) {
        return u"%1 %2"_s.arg(n).arg(n == 1 ? one : more);
    };
    return u"%1, %2, %3"_s.arg(
        many(static_cast<qsizetype>(plan.sessions.size()),
             QCoreApplication::translate("SessionImportDialog", "sessione"),
             QCoreApplication::translate("SessionImportDialog", "sessioni")),
        many(plan.launches, QCoreApplication::translate("SessionImportDialog", "lancio"),
             QCoreApplication::translate("SessionImportDialog", "lanci")),
        many(plan.classes, QCoreApplication::translate("SessionImportDialog", "classe"),
             QCoreApplication::translate("SessionImportDialog", "classi")));
}
} // namespace

SessionImportDialog::SessionImportDialog(QString archivePath, QWidget* parent)
    : QDialog(parent), m_archivePath(std::move(archivePath)) {
    setObjectName(u"IMPORTA"_s);
    setWindowTitle(
        QCoreApplication::translate("SessionImportDialog", "Rotamind - Importa sessioni"));
    setModal(true);
    buildControls();
    m_reread = new QTimer(this);
    m_reread->setSingleShot(true);
    // Reading waits for a pause in the typing: a pasted evening is read once.
    m_reread->setInterval(150);
    connect(m_reread, &QTimer::timeout, this, &SessionImportDialog::readPastedText);
    showPlan();
    spoken::nameWindow(this);
}

SessionImportDialog::~SessionImportDialog() = default;

void SessionImportDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    m_chooseFile = named(
        new QPushButton(QCoreApplication::translate("SessionImportDialog", "Apri file CSV..."),
                        this),
        u"ScegliFile"_s,
        QCoreApplication::translate("SessionImportDialog",
                                    "Importa le sessioni di un file CSV esportato dall'archivio"));
    m_fileName = named(
        new QLabel(QCoreApplication::translate("SessionImportDialog", "Nessun file scelto"), this),
        u"FileScelto"_s);
    fileRow->addWidget(m_chooseFile);
    fileRow->addWidget(m_fileName, 1);
    layout->addLayout(fileRow);
    connect(m_chooseFile, &QPushButton::clicked, this, &SessionImportDialog::chooseFile);

    m_text = named(new QPlainTextEdit(this), u"TestoIncollato"_s,
                   QCoreApplication::translate(
                       "SessionImportDialog",
                       "I numeri usciti, uno per lancio, con O o A accanto se c'è la direzione"));
    m_text->setPlaceholderText(QCoreApplication::translate(
        "SessionImportDialog", "Oppure incolla qui i numeri usciti, uno per lancio (per "
                               "esempio «17 O» su ogni riga, o soltanto «17 5 32» con la "
                               "direzione alternata)"));
    m_text->setMaximumHeight(110);
    layout->addWidget(m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, &SessionImportDialog::pastedTextChanged);

    auto* options = new QFormLayout;
    m_mode =
        named(new QComboBox(this), u"ModoIncollato"_s,
              QCoreApplication::translate("SessionImportDialog", "La finestra della sessione"));
    m_mode->addItems({u"PRO"_s, u"EASY"_s});
    m_direction = named(new QComboBox(this), u"DirezioneIncollata"_s,
                        QCoreApplication::translate("SessionImportDialog",
                                                    "Dove si legge la direzione di ogni lancio"));
    m_direction->addItems(
        {QCoreApplication::translate("SessionImportDialog", "accanto a ogni numero (O o A)"),
         QCoreApplication::translate("SessionImportDialog", "alternata, il primo ORARIO"),
         QCoreApplication::translate("SessionImportDialog", "alternata, il primo ANTIORARIO")});
    m_newestFirst =
        named(new QCheckBox(QCoreApplication::translate("SessionImportDialog",
                                                        "Il primo numero è il più recente"),
                            this),
              u"PiuRecentePrimo"_s,
              QCoreApplication::translate("SessionImportDialog",
                                          "Come li mostra il tabellone di un tavolo dal vivo"));
    m_site = named(new QLineEdit(this), u"SitoIncollato"_s);
    m_croupier = named(new QLineEdit(this), u"CroupierIncollato"_s);
    options->addRow(QCoreApplication::translate("SessionImportDialog", "Modo"), m_mode);
    options->addRow(QCoreApplication::translate("SessionImportDialog", "Direzione"), m_direction);
    options->addRow(QString(), m_newestFirst);
    options->addRow(QCoreApplication::translate("SessionImportDialog", "Sito"), m_site);
    options->addRow(QCoreApplication::translate("SessionImportDialog", "Croupier"), m_croupier);
    layout->addLayout(options);
    for (QComboBox* combo : {m_mode, m_direction})
        connect(combo, &QComboBox::currentIndexChanged, this,
                &SessionImportDialog::pastedTextChanged);
    connect(m_newestFirst, &QCheckBox::toggled, this, &SessionImportDialog::pastedTextChanged);
    for (QLineEdit* field : {m_site, m_croupier})
        connect(field, &QLineEdit::textChanged, this, &SessionImportDialog::pastedTextChanged);

    m_preview = named(
        new QTableWidget(0, 6, this), u"Anteprima"_s,
        QCoreApplication::translate("SessionImportDialog",
                                    "I primi lanci, con la classe che la ruota dà a ciascuno"));
    m_preview->setHorizontalHeaderLabels(
        {QCoreApplication::translate("SessionImportDialog", "Riga"),
         QCoreApplication::translate("SessionImportDialog", "Sessione"),
         QCoreApplication::translate("SessionImportDialog", "Serie"),
         QCoreApplication::translate("SessionImportDialog", "Numero"),
         QCoreApplication::translate("SessionImportDialog", "Direzione"),
         QCoreApplication::translate("SessionImportDialog", "Classe")});
    m_preview->verticalHeader()->hide();
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_preview, 1);

    m_counts = named(new QLabel(this), u"Conteggio"_s);
    m_counts->setWordWrap(true);
    layout->addWidget(m_counts);
    m_refused =
        named(new QListWidget(this), u"RigheRifiutate"_s,
              QCoreApplication::translate("SessionImportDialog",
                                          "Le righe che non possono entrare, con il motivo"));
    m_refused->setMaximumHeight(90);
    layout->addWidget(m_refused);
    m_progress = named(new QProgressBar(this), u"Avanzamento"_s);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    layout->addWidget(m_progress);

    auto* buttons = new QDialogButtonBox(this);
    m_import =
        named(buttons->addButton(QCoreApplication::translate("SessionImportDialog", "Importa"),
                                 QDialogButtonBox::AcceptRole),
              u"Importa"_s,
              QCoreApplication::translate("SessionImportDialog",
                                          "Aggiunge le sessioni all'archivio e apre l'ultima"));
    named(buttons->addButton(QCoreApplication::translate("SessionImportDialog", "Annulla"),
                             QDialogButtonBox::RejectRole),
          u"Annulla"_s);
    layout->addWidget(buttons);
    // Accepting is the import's to do, once it has succeeded.
    connect(m_import, &QPushButton::clicked, this, &SessionImportDialog::importPlan);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 560);
}

QString SessionImportDialog::importedMode() const {
    return m_importedMode;
}

void SessionImportDialog::setProgress(int permille) {
    // Painted at once: the import runs without the event loop, so that no
    // other change of the archive can come between its writes.
    m_progress->setValue(permille);
    m_progress->repaint();
}

void SessionImportDialog::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("SessionImportDialog", "Rotamind - Importa sessioni"),
        QString(),
        QCoreApplication::translate("SessionImportDialog", "File CSV (*.csv);;Tutti i file (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        openFile(path);
}

void SessionImportDialog::openFile(const QString& path) {
    QFile file(path);
    m_fromFile = true;
    m_fileName->setText(QFileInfo(path).fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        m_plan = {};
        m_plan.fault =
            QCoreApplication::translate("SessionImportDialog", "Impossibile leggere il file: %1")
                .arg(file.errorString());
    } else if (file.size() > kMaxFileBytes) {
        m_plan = {};
        m_plan.fault = QCoreApplication::translate("SessionImportDialog",
                                                   "Il file è troppo grande (più di %1 MB).")
                           .arg(kMaxFileBytes >> 20);
    } else {
        setProgress(0);
        m_plan = readCsvSessions(file.readAll(), [this](int permille) { setProgress(permille); });
        setProgress(0);
    }
    {
        // The text stays as typed, but it is the file that comes in.
        const QSignalBlocker quiet(m_text);
        m_text->clear();
    }
    m_reread->stop();
    showPlan();
}

void SessionImportDialog::pastedTextChanged() {
    m_reread->start();
}

void SessionImportDialog::readPastedText() {
    m_fromFile = false;
    m_fileName->setText(QCoreApplication::translate("SessionImportDialog", "Nessun file scelto"));
    const int direction = m_direction->currentIndex();
    m_plan = readPastedLaunches(m_text->toPlainText(),
                                {.mode = m_mode->currentText(),
                                 .alternateFrom = direction == 0 ? std::nullopt
                                                  : direction == 1
                                                      ? std::optional(Direction::Clockwise)
                                                      : std::optional(Direction::CounterClockwise),
                                 .newestFirst = m_newestFirst->isChecked(),
                                 .site = m_site->text().trimmed(),
                                 .croupier = m_croupier->text().trimmed()});
    if (m_text->toPlainText().trimmed().isEmpty())
        m_plan.fault.clear();
    showPlan();
}

void SessionImportDialog::showPlan() {
    for (QWidget* option :
         std::initializer_list<QWidget*>{m_mode, m_direction, m_newestFirst, m_site, m_croupier})
        option->setEnabled(!m_fromFile);
    m_preview->setRowCount(static_cast<int>(m_plan.preview.size()));
    int row = 0;
    for (const PreviewRow& launch : m_plan.preview) {
        const QString cells[] = {QString::number(launch.line),
                                 launch.session,
                                 launch.series,
                                 launch.number,
                                 launch.direction,
                                 launch.distanceClass};
        for (int column = 0; column < 6; ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    m_refused->clear();
    for (const RefusedLine& refused : m_plan.refused)
        m_refused->addItem(QCoreApplication::translate("SessionImportDialog", "Riga %1: %2")
                               .arg(refused.line)
                               .arg(refused.reason));
    if (m_plan.refusedCount > static_cast<qsizetype>(m_plan.refused.size()))
        m_refused->addItem(
            QCoreApplication::translate("SessionImportDialog", "... e altre %1 righe")
                .arg(m_plan.refusedCount - static_cast<qsizetype>(m_plan.refused.size())));
    QString counts;
    if (!m_plan.fault.isEmpty())
        counts = m_plan.fault;
    else if (m_plan.refusedCount > 0)
        counts = QCoreApplication::translate(
                     "SessionImportDialog",
                     "%1 righe rifiutate: nulla sarà importato finché non sono corrette. Prima: %2")
                     .arg(m_plan.refusedCount)
                     .arg(m_plan.firstProblem());
    else if (!m_plan.sessions.empty())
        counts = countsText(m_plan);
    else
        counts = QCoreApplication::translate("SessionImportDialog",
                                             "Scegli un file CSV o incolla i numeri.");
    m_counts->setText(counts);
    m_import->setEnabled(m_plan.canImport());
}

void SessionImportDialog::importPlan() {
    if (!m_plan.canImport())
        return;
    Archive archive(m_archivePath);
    std::variant<std::vector<qint64>, QString> result;
    if (!archive.open()) {
        result =
            archive.messages().isEmpty()
                ? QCoreApplication::translate("SessionImportDialog", "archivio non disponibile")
                : archive.messages().back();
    } else {
        setProgress(0);
        result = importSessions(archive, m_plan, [this](int permille) { setProgress(permille); });
    }
    if (const QString* reason = std::get_if<QString>(&result)) {
        setProgress(0);
        auto* box = new QMessageBox(
            QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
            QCoreApplication::translate("SessionImportDialog",
                                        "Importazione non riuscita, l'archivio è come prima: %1")
                .arg(*reason),
            QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    m_imported = std::get<std::vector<qint64>>(result);
    m_importedMode = m_plan.sessions.back().mode;
    accept();
}
} // namespace rotamind

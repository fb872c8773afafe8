#include "ui/windows/TARCHIVIO.h"

#include "archive/ArchiveSessionModel.h"
#include "ui/toolkit/CommandTable.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/LazyFileDialog.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"
#include "ui/windows/SpokenTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

const commands::SessionButton<TARCHIVIO> kButtons[] = {
    {"Aggiorna",
     QT_TRANSLATE_NOOP("TARCHIVIO", "Aggiorna"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Rileggi l'archivio"),
     {512, 6, 80, 25},
     &TARCHIVIO::refresh},
    {"EsportaSessione",
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta sessione"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta la sessione scelta come file di sessione"),
     {8, 366, 120, 25},
     &TARCHIVIO::exportChosenSession},
    {"CaricaInEasy",
     QT_TRANSLATE_NOOP("TARCHIVIO", "Carica in EASY"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Carica la serie scelta nella sessione salvata di EASY"),
     {376, 366, 120, 25},
     &TARCHIVIO::loadChosenSeriesIntoEasy},
    {"Chiudi",
     QT_TRANSLATE_NOOP("TARCHIVIO", "Chiudi"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Chiudi l'archivio"),
     {512, 366, 80, 25},
     &TARCHIVIO::closeArchive},
    {"EsportaCsvScelte",
     QT_TRANSLATE_NOOP("TARCHIVIO", "CSV delle scelte"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta in un file CSV le sessioni scelte nell'elenco (Ctrl o "
                                    "Maiusc per sceglierne più)"),
     {8, 398, 136, 25},
     &TARCHIVIO::exportChosenSessionsAsCsv},
    {"EsportaCsvTutte",
     QT_TRANSLATE_NOOP("TARCHIVIO", "CSV di tutte"),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Esporta in un file CSV tutte le sessioni elencate"),
     {152, 398, 136, 25},
     &TARCHIVIO::exportListedSessionsAsCsv},
    {"ImportaCsv",
     QT_TRANSLATE_NOOP("TARCHIVIO", "Importa..."),
     QT_TRANSLATE_NOOP("TARCHIVIO", "Importa sessioni da un file CSV o da numeri incollati"),
     {376, 398, 120, 25},
     &TARCHIVIO::importSessions},
};

// A filter's label, then its field: 4 pixels after the label, 170 wide.
struct FilterField {
    const char* label;
    const char* labelName;
    int left;
    int labelWidth;
    const char* name;
    const char* hint;
};
const FilterField kFilters[] = {
    {QT_TRANSLATE_NOOP("TARCHIVIO", "Sito"), "Label1", 8, 44, "Edit1",
     QT_TRANSLATE_NOOP("TARCHIVIO",
                       "Mostra solo le sessioni dei siti che contengono questo testo")},
    {QT_TRANSLATE_NOOP("TARCHIVIO", "Croupier"), "Label2", 240, 60, "Edit2",
     QT_TRANSLATE_NOOP("TARCHIVIO",
                       "Mostra solo le sessioni dei croupier che contengono questo testo")},
};
static_assert(std::size(kFilters) == 2, "the site's filter, then the croupier's");

// Wide enough for "09-12-2026 21:14", a site name and five-digit counts.
constexpr int kColumnWidths[ArchiveSessionModel::ColumnCount] = {112, 48, 136, 136, 64, 64};

QFileDialog* makeFolderDialog(QWidget* window) {
    auto* dialog = new QFileDialog(window);
    dialog->setObjectName(u"Dir1"_s);
    // Qt's own dialog, as for the other file commands: the same everywhere,
    // and tests can drive it.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setWindowTitle(QCoreApplication::translate("TARCHIVIO", "Rotamind - Esporta sessione"));
    dialog->setSizeGripEnabled(true);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}
} // namespace

std::optional<QString> TARCHIVIO::execFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

namespace {} // namespace

TARCHIVIO::TARCHIVIO(const QString& archivePath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_catalog(archivePath), m_runFolderDialog(execFileDialog), m_locale(QLocale::system()) {
    setObjectName(u"ARCHIVIO"_s);
    setWindowTitle(QCoreApplication::translate("TARCHIVIO", "Rotamind - Archivio sessioni"));
    setWindowIcon(pngIcon(QStringLiteral(":/icons/app.png")));
    setFont(palette::windowFont());
    palette::setWindowColour(this, palette::kNavy);
    setFixedSize(600, 432);
    m_model = new ArchiveSessionModel(this);
    buildControls();
    m_folderDialog = new LazyFileDialog(this, makeFolderDialog);
    selectionChanged();
    spoken::nameWindow(this);
}

TARCHIVIO::~TARCHIVIO() = default;

void TARCHIVIO::buildControls() {
    commands::buildSessionButtons<TARCHIVIO>(this, kButtons);
    m_export = findChild<QPushButton*>(u"EsportaSessione"_s);
    m_load = findChild<QPushButton*>(u"CaricaInEasy"_s);
    for (std::size_t i = 0; i < m_filters.size(); ++i) {
        const FilterField& filter = kFilters[i];
        controls::makeLabel(this, {.name = QString::fromLatin1(filter.labelName),
                                   .text = QCoreApplication::translate("TARCHIVIO", filter.label),
                                   .rect = {filter.left, 8, filter.labelWidth, 21},
                                   .foreground = palette::kYellow,
                                   .bold = true});
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(filter.name));
        field->setGeometry(filter.left + filter.labelWidth + 4, 8, 170, 21);
        field->setToolTip(QCoreApplication::translate("TARCHIVIO", filter.hint));
        field->setClearButtonEnabled(true);
        connect(field, &QLineEdit::textChanged, this, &TARCHIVIO::EditChange);
        m_filters[i] = field;
    }

    m_grid = new QTableView(this);
    m_grid->setObjectName(u"Grid1"_s);
    m_grid->setGeometry(8, 38, 584, 296);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several sessions can be chosen for a CSV export; the other commands
    // take the current one.
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // Fixed sizes: measuring ten thousand rows to fit them would cost more
    // than reading them.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    for (int column = 0; column < ArchiveSessionModel::ColumnCount; ++column)
        m_grid->setColumnWidth(column, kColumnWidths[column]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TARCHIVIO::selectionChanged);

    m_state = controls::makeLabel(this, {.name = u"Label3"_s,
                                         .rect = {8, 340, 584, 16},
                                         .foreground = palette::kYellow,
                                         .bold = true});
    controls::makeLabel(this, {.name = u"Label4"_s,
                               .text = QCoreApplication::translate("TARCHIVIO", "Serie"),
                               .rect = {144, 366, 36, 25},
                               .foreground = palette::kYellow,
                               .bold = true});
    m_series = new QComboBox(this);
    m_series->setObjectName(u"Combo1"_s);
    m_series->setGeometry(184, 366, 184, 25);
    m_series->setToolTip(
        QCoreApplication::translate("TARCHIVIO", "Serie della sessione da caricare in EASY"));
    connect(m_series, &QComboBox::currentIndexChanged, this, &TARCHIVIO::seriesChosen);
}

void TARCHIVIO::showEvent(QShowEvent* event) {
    // The archive grows while the working windows record: each showing lists it as it is now.
    refresh();
    QWidget::showEvent(event);
}

void TARCHIVIO::refresh() {
    showListing(m_catalog.sessions());
}

void TARCHIVIO::showListing(ArchiveCatalog::Listing listing) {
    const StoredSession* chosen = chosenSession();
    const qint64 chosenId = chosen ? chosen->id : -1;
    m_status = listing.status;
    m_error = listing.error;
    m_refused = listing.refused;
    m_model->setSessions(std::move(listing.sessions));
    const int row = m_model->rowOf(chosenId);
    m_grid->selectRow(row >= 0 ? row : 0);
    selectionChanged();
    showCount();
}

void TARCHIVIO::EditChange() {
    const StoredSession* chosen = chosenSession();
    const qint64 chosenId = chosen ? chosen->id : -1;
    m_model->setFilter(m_filters[0]->text(), m_filters[1]->text());
    // The chosen session stays chosen while it is still shown.
    const int row = m_model->rowOf(chosenId);
    m_grid->selectRow(row >= 0 ? row : 0);
    selectionChanged();
    showCount();
}

void TARCHIVIO::showCount() {
    switch (m_status) {
    case ArchiveCatalog::Status::Missing:
        m_state->setText(QCoreApplication::translate(
            "TARCHIVIO", "L'archivio non esiste ancora: nessuna sessione registrata."));
        return;
    case ArchiveCatalog::Status::Failed:
        m_state->setText(
            QCoreApplication::translate("TARCHIVIO", "Archivio non disponibile: %1").arg(m_error));
        return;
    case ArchiveCatalog::Status::Read:
        break;
    }
    const qsizetype total = m_model->totalCount();
    const int shown = m_model->rowCount();
    const QString noun = total == 1 ? QCoreApplication::translate("TARCHIVIO", "sessione")
                                    : QCoreApplication::translate("TARCHIVIO", "sessioni");
    QString text = shown == total ? u"%1 %2"_s.arg(total).arg(noun)
                                  : QCoreApplication::translate("TARCHIVIO", "%1 di %2 %3")
                                        .arg(shown)
                                        .arg(total)
                                        .arg(noun);
    // Damaged rows are named, not hidden: the player knows what is missing.
    if (!m_refused.isEmpty())
        text += QCoreApplication::translate("TARCHIVIO", "; %1 escluse: %2")
                    .arg(m_refused.size())
                    .arg(m_refused.join(u"; "_s));
    m_state->setText(text);
    m_state->setToolTip(m_refused.join(u'\n'));
}

const StoredSession* TARCHIVIO::chosenSession() const {
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    return current.isValid() ? m_model->sessionAt(current.row()) : nullptr;
}

void TARCHIVIO::selectionChanged() {
    const StoredSession* session = chosenSession();
    const QSignalBlocker quiet(m_series);
    m_series->clear();
    if (session) {
        const bool easy = session->mode == SessionMode::Easy;
        const QString names[2] = {easy ? QCoreApplication::translate("TARCHIVIO", "ATTUALE")
                                       : QCoreApplication::translate("TARCHIVIO", "ORARIO"),
                                  easy ? QCoreApplication::translate("TARCHIVIO", "SALVATA")
                                       : QCoreApplication::translate("TARCHIVIO", "ANTIORARIO")};
        for (int series = 0; series < 2; ++series)
            m_series->addItem(u"%1 (%2)"_s.arg(names[series]).arg(session->counts[series]), series);
        // The first series with launches: loading an empty one would only
        // clear EASY's saved session.
        m_series->setCurrentIndex(session->counts[0] == 0 && session->counts[1] > 0 ? 1 : 0);
    }
    m_export->setEnabled(session && session->counts[0] + session->counts[1] > 0);
    seriesChosen();
}

void TARCHIVIO::seriesChosen() {
    const StoredSession* session = chosenSession();
    const int series = m_series->currentData().toInt();
    m_load->setEnabled(session && m_series->currentIndex() >= 0 &&
                       session->counts[static_cast<std::size_t>(series)] > 0);
}

void TARCHIVIO::closeArchive() {
    close();
}
} // namespace rotamind

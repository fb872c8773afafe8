#include "ui/windows/TSALVA.h"

#include "storage/SaveName.h"
#include "storage/SessionFile.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"
#include "ui/toolkit/QuietNotice.h"
#include "ui/views/SessionCommands.h"
#include "ui/windows/SpokenTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// Room under the buttons for the line that tells how the last tick went.
constexpr int kStatusTop = 312;
constexpr int kStatusHeight = 30;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(palette::boldFont());
    palette::setWindowText(label, palette::kYellow);
    label->move(at);
    label->adjustSize();
    return label;
}

QCheckBox* makeCheckBox(QGroupBox* frame, const char* name, const QString& text, int top,
                        bool checked) {
    auto* box = new QCheckBox(text, frame);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(8, top, 225, 17);
    box->setCursor(Qt::PointingHandCursor);
    box->setChecked(checked);
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}
} // namespace

TSALVA::TSALVA(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_model(new AutoSaveModel(this)) {
    setObjectName(QStringLiteral("SALVA"));
    setWindowTitle(QCoreApplication::translate("TSALVA", "Rotamind PRO"));
    setFixedSize(259, kStatusTop + kStatusHeight + 6);
    setModal(false);
    palette::setWindowColour(this, palette::kBlue);
    setFont(palette::windowFont());

    buildControls();
    showFolder(m_model->folder());
    showSwitch(m_model->isOn());

    m_folderDialog = createSaveDialog(this, QStringLiteral("Save1"),
                                      QCoreApplication::translate("TSALVA", "File di testo"),
                                      QStringLiteral("*.txt"), QStringLiteral("txt"), false);
    connect(m_interval, &QComboBox::currentTextChanged, m_model, &AutoSaveModel::setIntervalText);
    connect(m_model, &AutoSaveModel::folderChanged, this, &TSALVA::showFolder);
    connect(m_model, &AutoSaveModel::switchChanged, this, &TSALVA::showSwitch);
    connect(m_model, &AutoSaveModel::ticked, this, &TSALVA::showOutcome);
    connect(m_model, &AutoSaveModel::writeFailed, this, &TSALVA::showFailure);
    connect(m_model, &AutoSaveModel::sessionWritten, this, &TSALVA::sessionWritten);
    spoken::nameWindow(this);
}

TSALVA::~TSALVA() = default;

void TSALVA::buildControls() {
    auto* label1 =
        new QLabel(QCoreApplication::translate("TSALVA", "GESTIONE SALVATAGGI \nAUTOMATICI"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(9, 8, 246, 48);
    label1->setAlignment(Qt::AlignCenter);
    label1->setFont(palette::boldFont(19));
    palette::setWindowText(label1, palette::kYellow);

    auto* button1 = makeButton(this, "Button1", QCoreApplication::translate("TSALVA", "Cartella"),
                               QRect(8, 72, 49, 25));
    button1->setToolTip(
        QCoreApplication::translate("TSALVA", "Selezione cartella salvataggio automatico"));
    connect(button1, &QPushButton::clicked, this, &TSALVA::Button1Click);

    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("Edit1"));
    m_folder->setGeometry(64, 72, 185, 21);
    m_folder->setEnabled(false);

    makeLabel(this, "Label2", QCoreApplication::translate("TSALVA", "Intervallo (minuti)"),
              QPoint(8, 112));

    m_interval = new QComboBox(this);
    m_interval->setObjectName(QStringLiteral("Combo1"));
    m_interval->setGeometry(112, 108, 41, 21);
    m_interval->setEditable(true);
    m_interval->setInsertPolicy(QComboBox::NoInsert);
    m_interval->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("10"),
                          QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("25"),
                          QStringLiteral("30"), QStringLiteral("45"), QStringLiteral("60")});
    m_interval->lineEdit()->setMaxLength(2);
    m_interval->setCurrentText(m_model->intervalText());
    m_interval->setToolTip(
        QCoreApplication::translate("TSALVA", "Seleziona l'intervallo dei salvataggi automatici"));
    m_interval->setCursor(Qt::PointingHandCursor);
    // A wheel turned over the dialog must not change how often saving runs.
    m_interval->installEventFilter(this);

    // The two indicators only mirror the switch; the user turns it with ON/OFF.
    m_switchOn = new QRadioButton(this);
    m_switchOn->setObjectName(QStringLiteral("Radio1"));
    m_switchOn->setGeometry(168, 104, 17, 17);
    m_switchOn->setEnabled(false);
    m_switchOff = new QRadioButton(this);
    m_switchOff->setObjectName(QStringLiteral("Radio2"));
    m_switchOff->setGeometry(168, 120, 17, 17);
    m_switchOff->setEnabled(false);
    makeLabel(this, "Label3", QCoreApplication::translate("TSALVA", "Attivo"), QPoint(188, 106));
    makeLabel(this, "Label4", QCoreApplication::translate("TSALVA", "DIsattivo"), QPoint(188, 122));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    frame->setGeometry(8, 144, 241, 121);
    palette::setWindowText(frame, palette::kYellow);
    using File = AutoSaveModel::File;
    const struct {
        QCheckBox*& box;
        const char* name;
        QString text;
        File file;
    } files[] = {
        {m_saveClockwiseSession, "SO",
         QCoreApplication::translate("TSALVA", "Spin in senso ORARIO"), File::ClockwiseSession},
        {m_saveCounterSession, "SA",
         QCoreApplication::translate("TSALVA", "Spin in senso ANTIORARIO"), File::CounterSession},
        {m_saveClockwiseChart, "GO", QCoreApplication::translate("TSALVA", "Grafico ORARIO"),
         File::ClockwiseChart},
        {m_saveCounterChart, "GA", QCoreApplication::translate("TSALVA", "Grafico ANTIORARIO"),
         File::CounterChart},
    };
    int top = 24;
    for (const auto& file : files) {
        file.box = makeCheckBox(frame, file.name, file.text, top, m_model->writes(file.file));
        connect(file.box, &QCheckBox::toggled, m_model,
                [model = m_model, which = file.file](bool on) { model->setWrites(which, on); });
        top += 24;
    }

    auto* onOff =
        makeButton(this, "SpeedButton1", QStringLiteral("ON/OFF"), QRect(24, 280, 81, 25));
    onOff->setIcon(pngIcon(QStringLiteral(":/icons/on-off.png")));
    onOff->setFont(palette::boldFont());
    connect(onOff, &QPushButton::clicked, this, &TSALVA::SpeedButton1Click);
    auto* quit = makeButton(this, "BitBtn1", QCoreApplication::translate("TSALVA", "Esci"),
                            QRect(160, 280, 75, 25));
    quit->setIcon(pngIcon(QStringLiteral(":/icons/exit.png")));
    quit->setFont(palette::boldFont());
    connect(quit, &QPushButton::clicked, this, &TSALVA::BitBtn1Click);

    m_status = new QLabel(this);
    m_status->setObjectName(u"Stato"_s);
    m_status->setGeometry(8, kStatusTop, 243, kStatusHeight);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    palette::setWindowText(m_status, palette::kYellow);
}

bool TSALVA::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_interval && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSALVA::showFolder(const QString& folder) {
    m_folder->setText(folder);
    QPalette colours = m_folder->palette();
    colours.setColor(QPalette::Base, folder.isEmpty() ? palette::kRed : palette::kLime);
    m_folder->setPalette(colours);
    // Red says "no folder yet"; the empty field takes a hatch besides.
    setSign(m_folder, folder.isEmpty(), SignStyle::Hatch);
}

void TSALVA::showSwitch(bool on) {
    (on ? m_switchOn : m_switchOff)->setChecked(true);
}

void TSALVA::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TSALVA::FormShow() {
    showFolder(m_model->folder());
}

void TSALVA::closeEvent(QCloseEvent* event) {
    // The title bar offers no close button, but the window manager may still
    // ask: only "Esci" hides the dialog. A close from the program (at exit) is
    // let through.
    // QDialog's own close would go through reject(), which does nothing here.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TSALVA::Button1Click() {
    QFileDialog& save1 = m_folderDialog->dialog();
    save1.setWindowTitle(QCoreApplication::translate(
        "TSALVA", "Rotamind Pro - Scelta cartella salvataggi automatici"));
    save1.selectFile(m_model->proposedName());
    // Only the folder of the chosen name is kept; no file is created.
    if (save1.exec() == QDialog::Accepted && !save1.selectedFiles().isEmpty())
        m_model->chooseFolder(save1.selectedFiles().first());
    showFolder(m_model->folder());
}

void TSALVA::SpeedButton1Click() {
    if (m_model->toggle() != AutoSaveModel::SwitchOutcome::NoInterval)
        return;
    // English on purpose, word for word: the runtime's own message for a text
    // that is no integer, which players know. Do not translate it; the Italian
    // explanation goes under it.
    auto* box =
        new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                        QCoreApplication::translate("TSALVA", "'%1' is not a valid integer value")
                            .arg(m_model->intervalText()),
                        QMessageBox::Ok, this);
    box->setInformativeText(QCoreApplication::translate(
        "TSALVA", "L'intervallo è un numero intero di minuti, da 1 in su"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TSALVA::BitBtn1Click() {
    // An explicit position keeps the dialog where it was left at its next
    // showing instead of centring it again.
    move(pos());
    hide();
}

void TSALVA::Timer1Timer() {
    m_model->tick();
}

void TSALVA::showOutcome(const AutoSaveModel::Outcome& outcome) {
    const QString status = autoSaveStatus(outcome);
    m_status->setText(status);
    emit lastSaveReported(status, outcome.saved);
}

QWidget* TSALVA::noticeParent() {
    // A box stays above the window it belongs to. Over a hidden one it could
    // open behind the window in use, so then that one holds it.
    for (QWidget* window : {m_noticeWindow.data(), QApplication::activeWindow()})
        if (window && window->isVisible())
            return window;
    return this;
}

void TSALVA::showFailure(const QString& path, const QString& reason) {
    // Ticks go on while the box is open; one box is enough to tell the user,
    // a pile of them would bury the windows. The status line tells the rest.
    if (m_failureBox && m_failureBox->isVisible())
        return;
    // A tick comes whatever the user is doing: the box must neither hold up
    // the window in use, this dialog included, nor take its keys.
    m_failureBox = showQuietNotice(QMessageBox::Critical, cannotCreateFileMessage(path), reason,
                                   noticeParent());
}
} // namespace rotamind

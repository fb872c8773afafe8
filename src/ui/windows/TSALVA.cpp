#include "ui/windows/TSALVA.h"

#include "storage/SaveName.h"
#include "storage/SessionFile.h"
#include "ui/parts/ColourSigns.h"
#include "ui/parts/Palette.h"
#include "ui/parts/QuietNotice.h"
#include "ui/parts/SessionCommands.h"
#include "ui/parts/SpokenNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>

#include <climits>

using namespace Qt::StringLiterals;

namespace rotamind {

namespace {

// Room under the buttons for the line that tells how the last tick went.
constexpr int kStatusTop = 312;
constexpr int kStatusHeight = 30;

// Why a site or croupier text cannot go into a file name, in the user's words.
QString unusableNameReason(const QString& site, const QString& croupier) {
    const struct {
        const QString& text;
        QString whose;
    } fields[] = {{site, u"del sito"_s}, {croupier, u"del croupier"_s}};
    for (const auto& field : fields) {
        for (const QChar separator : {u'/', u'\\'})
            if (field.text.contains(separator))
                return u"Il nome %1 contiene '%2'"_s.arg(field.whose, QString(separator));
        if (field.text.contains(QChar(0)))
            return u"Il nome %1 contiene un carattere nullo"_s.arg(field.whose);
    }
    return u"Nome di file non valido"_s;
}

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

// What a screen reader says of each control: name, then what it does.
const spoken::Control kSpoken[] = {
    {"Button1", QT_TRANSLATE_NOOP("TSALVA", "Cartella"),
     QT_TRANSLATE_NOOP("TSALVA", "Sceglie la cartella dei salvataggi automatici")},
    {"Edit1", QT_TRANSLATE_NOOP("TSALVA", "Cartella dei salvataggi"),
     QT_TRANSLATE_NOOP("TSALVA", "La cartella in cui si salva; vuota finché non è scelta")},
    {"Combo1", QT_TRANSLATE_NOOP("TSALVA", "Intervallo in minuti"),
     QT_TRANSLATE_NOOP("TSALVA", "Ogni quanti minuti si salva")},
    {"Radio1", QT_TRANSLATE_NOOP("TSALVA", "Attivo"),
     QT_TRANSLATE_NOOP("TSALVA", "I salvataggi automatici sono in corso")},
    {"Radio2", QT_TRANSLATE_NOOP("TSALVA", "Disattivo"),
     QT_TRANSLATE_NOOP("TSALVA", "I salvataggi automatici sono fermi")},
    {"SO", QT_TRANSLATE_NOOP("TSALVA", "Spin in senso ORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva la sessione degli spin orari")},
    {"SA", QT_TRANSLATE_NOOP("TSALVA", "Spin in senso ANTIORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva la sessione degli spin antiorari")},
    {"GO", QT_TRANSLATE_NOOP("TSALVA", "Grafico ORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva il grafico orario")},
    {"GA", QT_TRANSLATE_NOOP("TSALVA", "Grafico ANTIORARIO"),
     QT_TRANSLATE_NOOP("TSALVA", "Salva il grafico antiorario")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("TSALVA", "Accendi o spegni"),
     QT_TRANSLATE_NOOP("TSALVA", "Avvia o ferma i salvataggi automatici")},
    {"BitBtn1", QT_TRANSLATE_NOOP("TSALVA", "Esci"),
     QT_TRANSLATE_NOOP("TSALVA", "Chiude la finestra")},
};

} // namespace

TSALVA::TSALVA(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_clock([] { return QDateTime::currentDateTime(); }), m_locale(QLocale::system()),
      m_lastName(QStringLiteral("cartella salvataggio")) {
    setObjectName(QStringLiteral("SALVA"));
    setWindowTitle(QStringLiteral("Rotamind PRO"));
    setFixedSize(259, kStatusTop + kStatusHeight + 6);
    setModal(false);
    palette::setWindowColour(this, palette::kBlue);
    setFont(palette::windowFont());

    buildControls();
    paintFolderField();

    m_folderDialog =
        createSaveDialog(this, QStringLiteral("Save1"), QStringLiteral("File di testo"),
                         QStringLiteral("*.txt"), QStringLiteral("txt"), false);
    m_tick = new QTimer(this);
    m_tick->setObjectName(QStringLiteral("Timer1"));
    connect(m_tick, &QTimer::timeout, this, &TSALVA::Timer1Timer);
    connect(m_interval, &QComboBox::currentTextChanged, this, &TSALVA::intervalEdited);
    spoken::nameControls(this, "TSALVA", kSpoken);
}

TSALVA::~TSALVA() = default;

void TSALVA::buildControls() {
    auto* label1 = new QLabel(QStringLiteral("GESTIONE SALVATAGGI \nAUTOMATICI"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(9, 8, 246, 48);
    label1->setAlignment(Qt::AlignCenter);
    label1->setFont(palette::boldFont(19));
    palette::setWindowText(label1, palette::kYellow);

    auto* button1 = makeButton(this, "Button1", QStringLiteral("Cartella"), QRect(8, 72, 49, 25));
    button1->setToolTip(QStringLiteral("Selezione cartella salvataggio automatico"));
    connect(button1, &QPushButton::clicked, this, &TSALVA::Button1Click);

    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("Edit1"));
    m_folder->setGeometry(64, 72, 185, 21);
    m_folder->setEnabled(false);

    makeLabel(this, "Label2", QStringLiteral("Intervallo (minuti)"), QPoint(8, 112));

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
    m_interval->setCurrentText(QStringLiteral("5"));
    m_interval->setToolTip(QStringLiteral("Seleziona l'intervallo dei salvataggi automatici"));
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
    m_switchOff->setChecked(true);
    makeLabel(this, "Label3", QStringLiteral("Attivo"), QPoint(188, 106));
    makeLabel(this, "Label4", QStringLiteral("DIsattivo"), QPoint(188, 122));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    frame->setGeometry(8, 144, 241, 121);
    palette::setWindowText(frame, palette::kYellow);
    m_saveClockwiseSession =
        makeCheckBox(frame, "SO", QStringLiteral("Spin in senso ORARIO"), 24, true);
    m_saveCounterSession =
        makeCheckBox(frame, "SA", QStringLiteral("Spin in senso ANTIORARIO"), 48, true);
    m_saveClockwiseChart = makeCheckBox(frame, "GO", QStringLiteral("Grafico ORARIO"), 72, false);
    m_saveCounterChart = makeCheckBox(frame, "GA", QStringLiteral("Grafico ANTIORARIO"), 96, false);

    auto* onOff =
        makeButton(this, "SpeedButton1", QStringLiteral("ON/OFF"), QRect(24, 280, 81, 25));
    onOff->setIcon(QIcon(QStringLiteral(":/icons/on-off.png")));
    onOff->setFont(palette::boldFont());
    connect(onOff, &QPushButton::clicked, this, &TSALVA::SpeedButton1Click);
    auto* quit = makeButton(this, "BitBtn1", QStringLiteral("Esci"), QRect(160, 280, 75, 25));
    quit->setIcon(QIcon(QStringLiteral(":/icons/exit.png")));
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

bool TSALVA::isSwitchedOn() const {
    return m_switchOn->isChecked();
}

void TSALVA::paintFolderField() {
    QPalette colours = m_folder->palette();
    colours.setColor(QPalette::Base, m_folder->text().isEmpty() ? palette::kRed : palette::kLime);
    m_folder->setPalette(colours);
    // Red says "no folder yet"; the empty field takes a hatch besides.
    setSign(m_folder, m_folder->text().isEmpty(), SignStyle::Hatch);
}

void TSALVA::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TSALVA::FormShow() {
    paintFolderField();
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
    save1.setWindowTitle(QStringLiteral("Rotamind Pro - Scelta cartella salvataggi automatici"));
    save1.selectFile(m_lastName);
    if (save1.exec() == QDialog::Accepted && !save1.selectedFiles().isEmpty()) {
        // Only the folder of the chosen name is kept; no file is created.
        const QFileInfo chosen(save1.selectedFiles().first());
        m_lastName = chosen.fileName();
        QString folder = QDir::toNativeSeparators(chosen.absolutePath());
        if (!folder.endsWith(QDir::separator()))
            folder += QDir::separator();
        m_folder->setText(folder);
    }
    paintFolderField();
}

std::optional<int> TSALVA::intervalMinutes() const {
    const QString text = m_interval->currentText();
    // Digits exactly as typed: blanks and signs make no interval. Anchored as a
    // whole, since "$" alone would also match before a final line feed and
    // "5\n" would pass as 5.
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(u"[0-9]+"_s));
    bool valid = digits.match(text).hasMatch();
    const int minutes = valid ? text.toInt(&valid) : 0;
    // At 0 the switch would show "Attivo" and never save anything.
    if (!valid || minutes < 1)
        return std::nullopt;
    return minutes;
}

void TSALVA::startTicking(int minutes) {
    const qint64 period = minutes * qint64(m_minuteLength.count());
    // start() also restarts a running timer, so the new period counts from now.
    m_tick->start(static_cast<int>(std::min<qint64>(period, INT_MAX)));
}

void TSALVA::intervalEdited() {
    // While saving is on, a new interval counts at once; a text that is no
    // interval keeps the one running until ON/OFF refuses it.
    if (const std::optional<int> minutes = intervalMinutes(); minutes && isSwitchedOn())
        startTicking(*minutes);
}

void TSALVA::SpeedButton1Click() {
    const std::optional<int> minutes = intervalMinutes();
    if (!minutes) {
        // English on purpose, word for word: the runtime's own message for a
        // text that is no integer, which players know. Do not translate it;
        // the Italian explanation goes under it.
        auto* box =
            new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                            u"'%1' is not a valid integer value"_s.arg(m_interval->currentText()),
                            QMessageBox::Ok, this);
        box->setInformativeText(u"L'intervallo è un numero intero di minuti, da 1 in su"_s);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    const bool turnOn = m_switchOff->isChecked();
    (turnOn ? m_switchOn : m_switchOff)->setChecked(true);
    if (turnOn)
        startTicking(*minutes);
    else
        m_tick->stop();
}

void TSALVA::BitBtn1Click() {
    // An explicit position keeps the dialog where it was left at its next
    // showing instead of centring it again.
    move(pos());
    hide();
}

void TSALVA::Timer1Timer() {
    if (!m_source)
        return;
    const AutoSaveSource& source = *m_source;
    const struct {
        QCheckBox* box;
        QString suffix;
        std::function<QByteArray()> bytes;
    } files[] = {
        {m_saveClockwiseSession, sessionSuffix(SeriesFile::ProClockwise) + u".txt"_s,
         [&] { return sessionFileBytes(source.clockwiseItems()); }},
        {m_saveCounterSession, sessionSuffix(SeriesFile::ProCounterClockwise) + u".txt"_s,
         [&] { return sessionFileBytes(source.counterClockwiseItems()); }},
        {m_saveClockwiseChart, chartSuffix(SeriesFile::ProClockwise) + u".bmp"_s,
         [&] { return chartBitmapBytes(source.clockwiseChart()); }},
        {m_saveCounterChart, chartSuffix(SeriesFile::ProCounterClockwise) + u".bmp"_s,
         [&] { return chartBitmapBytes(source.counterClockwiseChart()); }},
    };
    // In writing order; the first failure ends the tick.
    const std::optional<int> sessionIndex[] = {0, 1, std::nullopt, std::nullopt};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        if (!files[i].box->isChecked())
            continue;
        if (!writeOne(files[i].suffix, files[i].bytes))
            return;
        // The archive no longer needs to offer that series back after a crash.
        if (sessionIndex[i])
            emit sessionWritten(*sessionIndex[i]);
    }
    reportTick(true, {});
}

bool TSALVA::writeOne(const QString& suffix, const std::function<QByteArray()>& bytes) {
    // The clock is read per file: a file written a second later carries it.
    const QString name =
        saveName(m_clock(), m_locale, m_source->site(), m_source->croupier(), suffix);
    // Without a folder the name goes to the working folder; the path is made
    // full here, once, and never tidied, so that a failure names exactly the
    // path that was tried ("a/../../x" tidied would point elsewhere).
    QString folder = m_folder->text();
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
    }
    const QString path = folder + name;
    QString reason;
    // A separator in the site or croupier would put the file outside the
    // chosen folder, and a NUL would cut its name short: such a name cannot be
    // created here.
    if (!isBareFileName(name)) {
        reason = unusableNameReason(m_source->site(), m_source->croupier());
    } else if (writeFileAtomically(path, bytes(), &reason)) {
        m_lastName = name;
        return true;
    }
    reportTick(false, reason);
    showFailure(path, reason);
    return false;
}

void TSALVA::reportTick(bool saved, const QString& reason) {
    const QString time = m_clock().time().toString(u"HH:mm"_s);
    const QString status = saved ? u"Ultimo salvataggio %1: riuscito"_s.arg(time)
                                 : u"Ultimo salvataggio %1: non riuscito: %2"_s.arg(time, reason);
    m_status->setText(status);
    emit lastSaveReported(status, saved);
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

#include "app/TINTRO.h"

#include "app/Options.h"
#include "ui/toolkit/ColourSigns.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/KeyHint.h"
#include "ui/toolkit/KeyTable.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"
#include "ui/windows/SpokenTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <iterator>

namespace rotamind {

namespace {
QPushButton* makeChoice(QWidget* window, const QString& name, const QString& caption,
                        const QRect& rect, const QString& hint) {
    QPushButton* button = controls::makeButton(window, name, caption, rect, hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    palette::setForeground(button, palette::kBlack);
    return button;
}
} // namespace

TINTRO::TINTRO(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("INTRO"));
    setWindowTitle(tr("Rotamind PRO"));
    setWindowIcon(pngIcon(QStringLiteral(":/icons/app.png")));
    setFont(palette::windowFont());
    setFixedSize(400, 400);

    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Image1"));
    title->setGeometry(0, 0, 400, 400);
    title->setScaledContents(true);
    title->setPixmap(QPixmap(QStringLiteral(":/intro/title.jpg")));

    auto* question = new QLabel(QStringLiteral("?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    question->setFont(palette::narrowBoldFont(40));
    question->setAttribute(Qt::WA_TranslucentBackground);
    question->setAutoFillBackground(false);
    question->move(204, 256);
    question->adjustSize();

    QPushButton* easy = makeChoice(this, QStringLiteral("Button2"), tr("Easy"), {174, 296, 35, 21},
                                   tr("Metodo Rotamind originale"));
    QPushButton* pro = makeChoice(this, QStringLiteral("Button1"), tr("Pro"), {220, 296, 35, 21},
                                  tr("Versione Professional"));
    connect(easy, &QPushButton::clicked, this, &TINTRO::Button2Click);
    connect(pro, &QPushButton::clicked, this, &TINTRO::Button1Click);
    // The choice from the keyboard, as the key table gives it; the keypad's
    // Enter does what Return does.
    const auto choose = [this](QPushButton* button, const QKeySequence& key) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        showKeyInHint(button, key);
    };
    for (const keys::KeyRow& row : keys::table())
        if (const char* control = keys::controlIn(row, objectName()))
            choose(findChild<QPushButton*>(QString::fromLatin1(control)),
                   QKeySequence(QString::fromLatin1(row.keys), QKeySequence::PortableText));
    choose(pro, QKeySequence(Qt::Key_Enter));

    // Off by default, so the windows look as they were drawn; on, every colour
    // that means something gets a second sign.
    m_signs = new QCheckBox(tr("Segni oltre ai colori"), this);
    m_signs->setObjectName(QStringLiteral("SEGNI"));
    m_signs->setFont(palette::boldFont());
    m_signs->setToolTip(tr("Cornici, tratteggi e simboli accanto ai colori che hanno un "
                           "significato: per chi non distingue il rosso dal verde"));
    m_signs->setFocusPolicy(Qt::NoFocus);
    m_signs->setCursor(Qt::PointingHandCursor);
    palette::setForeground(m_signs, palette::kWhite);
    m_signs->move(8, 112);
    m_signs->adjustSize();
    // The launcher's options are remembered; everything else starts from the
    // layouts' defaults at every run.
    m_signs->setChecked(options::colourSigns());
    ColourSigns::setOn(m_signs->isChecked());
    connect(m_signs, &QCheckBox::toggled, this, [](bool on) {
        options::setColourSigns(on);
        ColourSigns::setOn(on);
    });

    const struct {
        const char* name;
        int top;
        void (TINTRO::*handler)();
    } offers[] = {{"RESTORE", 340, &TINTRO::RESTOREClick},
                  {"RESTORE2", 368, &TINTRO::RESTORE2Click}};
    for (std::size_t i = 0; i < std::size(offers); ++i) {
        m_restore[i] = makeChoice(this, QString::fromLatin1(offers[i].name), QString(),
                                  {10, offers[i].top, 380, 24},
                                  tr("Riapre la sessione lasciata senza salvarla"));
        m_restore[i]->hide();
        connect(m_restore[i], &QPushButton::clicked, this, offers[i].handler);
    }

    // Each language named in itself, so a player who cannot read the current
    // one still finds their own. The texts are built once, at start, so a new
    // choice applies from the next start.
    auto* language = new QComboBox(this);
    language->setObjectName(QStringLiteral("Lingua"));
    language->addItems({QStringLiteral("Italiano"), QStringLiteral("English")});
    // A read-only field inside: a screen reader names a drop-down by its
    // field, and a plain one only by the language it shows.
    language->setEditable(true);
    language->lineEdit()->setReadOnly(true);
    language->setGeometry(310, 8, 82, 22);
    language->setFocusPolicy(Qt::NoFocus);
    language->setToolTip(tr("Lingua dei testi, dal prossimo avvio"));
    language->setCurrentIndex(options::language() == options::Language::English ? 1 : 0);
    connect(language, &QComboBox::currentIndexChanged, this, [](int index) {
        options::setLanguage(index == 1 ? options::Language::English : options::Language::Italian);
    });

    spoken::nameWindow(this);
}

QString TINTRO::restoreCaption(const QString& mode, const QDateTime& changed, qint64 launches) {
    return tr("Ripristina sessione %1 del %2 ore %3 (%4 %5)")
        .arg(mode, changed.toString(QStringLiteral("dd-MM-yyyy")),
             changed.toString(QStringLiteral("HH:mm")), QString::number(launches),
             launches == 1 ? tr("lancio") : tr("lanci"));
}

void TINTRO::offerRestore(const QStringList& captions) {
    for (qsizetype i = 0; i < std::min<qsizetype>(captions.size(), 2); ++i) {
        m_restore[i]->setText(captions[i]);
        m_restore[i]->show();
    }
}

void TINTRO::RESTOREClick() {
    hide();
    emit restoreChosen(0);
}

void TINTRO::RESTORE2Click() {
    hide();
    emit restoreChosen(1);
}

void TINTRO::Button1Click() {
    hide();
    emit proChosen();
}

void TINTRO::Button2Click() {
    hide();
    emit easyChosen();
}

void TINTRO::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
} // namespace rotamind

#include "app/TINTRO.h"

#include "ui/parts/Controls.h"
#include "ui/parts/KeyHint.h"
#include "ui/parts/KeyTable.h"
#include "ui/parts/Palette.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

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
    setWindowTitle(QStringLiteral("Rotamind PRO"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
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

    QPushButton* easy = makeChoice(this, QStringLiteral("Button2"), QStringLiteral("Easy"),
                                   {174, 296, 35, 21}, QStringLiteral("Metodo Rotamind originale"));
    QPushButton* pro = makeChoice(this, QStringLiteral("Button1"), QStringLiteral("Pro"),
                                  {220, 296, 35, 21}, QStringLiteral("Versione Professional"));
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

    m_restore = makeChoice(this, QStringLiteral("RESTORE"), QString(), {10, 340, 380, 24},
                           QStringLiteral("Riapre la sessione lasciata senza salvarla"));
    m_restore->hide();
    connect(m_restore, &QPushButton::clicked, this, &TINTRO::RESTOREClick);
}

QString TINTRO::restoreCaption(const QDateTime& changed, qint64 launches) {
    return QStringLiteral("Ripristina sessione del %1 ore %2 (%3 %4)")
        .arg(changed.toString(QStringLiteral("dd-MM-yyyy")),
             changed.toString(QStringLiteral("HH:mm")), QString::number(launches),
             launches == 1 ? QStringLiteral("lancio") : QStringLiteral("lanci"));
}

void TINTRO::offerRestore(const QString& caption) {
    m_restore->setText(caption);
    m_restore->show();
}

void TINTRO::RESTOREClick() {
    hide();
    emit restoreChosen();
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

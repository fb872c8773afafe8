#include "ui/windows/TAZZERAPRO.h"

#include "ui/toolkit/Controls.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"
#include "ui/windows/SpokenTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace rotamind {

TAZZERAPRO::TAZZERAPRO(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("AZZERAPRO"));
    setWindowTitle(QCoreApplication::translate("TAZZERAPRO", "ATTENZIONE!"));
    setFont(palette::windowFont());
    palette::setWindowColour(this, palette::kWhite);
    setFixedSize(169, 174);

    controls::makeLabel(this, {.name = QStringLiteral("Label1"),
                               .text = QCoreApplication::translate(
                                   "TAZZERAPRO", "AZZERARE TUTTI I\nDATI DELLA SESSIONE?"),
                               .rect = {0, 6, 169, 30},
                               .bold = true,
                               .align = Qt::AlignCenter});
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(39, 40, 90, 90);
    picture->setScaledContents(true);
    setPictureOnShow(picture, QStringLiteral(":/reset/crossed-wheel.jpg"));

    QPushButton* yes = controls::makeButton(
        this, QStringLiteral("Button1"), QCoreApplication::translate("TAZZERAPRO", "Si"),
        {12, 140, 67, 25}, QCoreApplication::translate("TAZZERAPRO", "Conferma"));
    QPushButton* no = controls::makeButton(
        this, QStringLiteral("Button2"), QCoreApplication::translate("TAZZERAPRO", "No"),
        {90, 140, 67, 25}, QCoreApplication::translate("TAZZERAPRO", "Annulla"));
    for (QPushButton* button : {yes, no}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    connect(yes, &QPushButton::clicked, this, &TAZZERAPRO::Button1Click);
    connect(no, &QPushButton::clicked, this, &TAZZERAPRO::Button2Click);
    spoken::nameWindow(this);
}

void TAZZERAPRO::Button1Click() {
    emit confirmed();
    accept();
}

void TAZZERAPRO::Button2Click() {
    reject();
}
} // namespace rotamind

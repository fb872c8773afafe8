#include "ui/toolkit/ContactPage.h"

#include "ui/toolkit/Controls.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"

#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

namespace rotamind {

ContactPage::ContactPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));
    palette::setWindowColour(this, palette::kWhite);

    controls::makeLabel(
        this, {.text = QCoreApplication::translate("ContactPage", "Hai bisogno di aiuto?"),
               .rect = {8, 8, 236, 18},
               .foreground = palette::kMaroon,
               .bold = true,
               .pixelSize = 13,
               .align = Qt::AlignCenter});

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image6"));
    picture->setGeometry(16, 32, 220, 177);
    picture->setAlignment(Qt::AlignCenter);
    setPictureOnShow(picture, QStringLiteral(":/misc/contact.jpg"), PictureFit::KeepProportions);

    QLabel* words = controls::makeLabel(
        this,
        {.text = QCoreApplication::translate(
             "ContactPage", "Scrivici per una domanda sul metodo Rotamind, per segnalare "
                            "un problema o per proporre un'idea: ti risponderemo al più presto."),
         .rect = {12, 218, 228, 84},
         .align = Qt::AlignHCenter | Qt::AlignTop});
    words->setWordWrap(true);

    m_message = controls::makeIconButton(
        this, QStringLiteral("SpeedButton9"), QStringLiteral("contact"), {81, 312, 96, 24},
        QCoreApplication::translate("ContactPage", "Link al modulo di contatto"));
    m_message->setText(QCoreApplication::translate("ContactPage", "Messaggio"));
    m_message->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_message->setFont(palette::boldFont());
}

} // namespace rotamind

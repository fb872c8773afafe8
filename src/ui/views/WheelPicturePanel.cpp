#include "ui/views/WheelPicturePanel.h"

#include "betting/BettingAid.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

namespace rotamind {

namespace {
struct Decoration {
    const char* name;
    const char* resource;
    QRect rect;
    bool keepProportions;
};
const Decoration kDecorations[] = {
    {"Image5", ":/decor/horseshoe.jpg", {2, 0, 57, 73}, true},
    {"Image3", ":/decor/clover.jpg", {294, 6, 61, 61}, false},
    {"Image2", ":/decor/moneybag.jpg", {0, 408, 55, 80}, false},
    // Wider than the panel's edge on purpose: the ladybird is cut off there.
    {"Image4", ":/decor/ladybird.jpg", {302, 408, 65, 89}, true},
};
} // namespace

WheelPicturePanel::WheelPicturePanel(QWidget* window) : QFrame(window) {
    setObjectName(QStringLiteral("Panel2"));
    setFrameStyle(QFrame::NoFrame);
    setGeometry(5, 128, 360, 489);
    palette::setWindowColour(this, palette::kLime);
    setToolTip(QCoreApplication::translate("WheelPicturePanel", "Nascondi"));

    m_picture = new ClickableLabel(this);
    m_picture->setObjectName(QStringLiteral("ImageX"));
    m_picture->setGeometry(5, 80, 350, 350);
    m_picture->setScaledContents(true);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->setToolTip(QCoreApplication::translate("WheelPicturePanel", "Nascondi"));
    // The plain wheel shows until a refresh finds a picture, if none did before.
    setPictureOnShow(m_picture, QStringLiteral(":/wheel/plain.jpg"));

    for (const Decoration& decoration : kDecorations) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(decoration.name));
        label->setGeometry(decoration.rect);
        setPictureOnShow(label, QString::fromLatin1(decoration.resource),
                         decoration.keepProportions ? PictureFit::KeepProportions
                                                    : PictureFit::AsIs);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->installEventFilter(this);
    }
    hide();
}

void WheelPicturePanel::refresh(const QString& windowCaption) {
    const auto name = pictureForWindow(windowCaption);
    if (!name)
        return;
    m_pictureName = *name;
    if (m_source) {
        const QPixmap pixmap = m_source(*name);
        if (!pixmap.isNull())
            m_picture->setPixmap(pixmap);
    }
}

// isHidden, not isVisible: the panel keeps its state while its window is hidden.
void WheelPicturePanel::toggle() {
    setVisible(isHidden());
}

void WheelPicturePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

bool WheelPicturePanel::eventFilter(QObject* watched, QEvent* event) {
    // The decorations swallow their clicks so the panel under them stays up.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

} // namespace rotamind

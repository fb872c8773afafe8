#include "ui/toolkit/Banner.h"

#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/OnFirstShow.h"
#include "ui/toolkit/Palette.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

namespace rotamind {

ClickableLabel* makeBanner(QWidget* window, int captionTop) {
    auto* banner = new ClickableLabel(window);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(415, 564, 241, 44);
    banner->setScaledContents(true);
    banner->setCursor(Qt::PointingHandCursor);
    // The motto is drawn into the picture: each language names its own.
    setPictureOnShow(banner,
                     QCoreApplication::translate("Banner", ":/misc/banner.jpg",
                                                 "the banner picture with its motto in this "
                                                 "language"));
    QLabel* caption = controls::makeLabel(
        window, {.text = QCoreApplication::translate("Banner", "Rotamind: il metodo del croupier"),
                 .rect = {415, captionTop, 240, 13},
                 .foreground = palette::kLime,
                 .bold = true,
                 .align = Qt::AlignCenter});
    // Lifted as far as its letters need to stay whole above the window's
    // bottom edge ("croupier" lost the tail of its "p").
    const int height = std::max(13, caption->fontMetrics().height());
    caption->setGeometry(415, std::min(captionTop, window->height() - height), 240, height);
    return banner;
}

} // namespace rotamind

#include "ui/parts/Banner.h"

#include "ui/parts/ClickableLabel.h"
#include "ui/parts/Controls.h"
#include "ui/parts/OnFirstShow.h"
#include "ui/parts/Palette.h"

namespace rotamind {

ClickableLabel* makeBanner(QWidget* window, int captionTop) {
    auto* banner = new ClickableLabel(window);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(415, 564, 241, 44);
    banner->setScaledContents(true);
    banner->setCursor(Qt::PointingHandCursor);
    setPictureOnShow(banner, QStringLiteral(":/misc/banner.jpg"));
    controls::makeLabel(window, {.text = QStringLiteral("Rotamind: il metodo del croupier"),
                                 .rect = {415, captionTop, 240, 13},
                                 .foreground = palette::kLime,
                                 .bold = true,
                                 .align = Qt::AlignCenter});
    return banner;
}

} // namespace rotamind

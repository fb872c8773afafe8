#pragma once

#include <QImage>

// The four lucky charms that sit on the lime panel around the wheel picture.
// Each comes at its final size, on lime so that it melts into the panel.
namespace rotamind::artwork {

QImage horseshoeImage(); // 101 x 106
QImage cloverImage();    // 61 x 61
QImage moneyBagImage();  // 55 x 80
QImage ladybirdImage();  // 94 x 137

} // namespace rotamind::artwork

#pragma once

#include <QImage>

// The named pictures: launcher title, reset warning, banner and contact page.
namespace rotamind::artwork {

// 400 x 400. The launcher lays a "?" and two small buttons over the area
// x 170..260, y 250..320, so the wheel's hub is drawn plain and light there.
QImage titleImage();

QImage crossedWheelImage();               // 90 x 90, white
QImage bannerImage(const QString& motto); // 241 x 44, the motto under the name
QImage contactImage();                    // 220 x 177

} // namespace rotamind::artwork

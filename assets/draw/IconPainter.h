#pragma once

#include <QImage>
#include <QStringList>

// The 16 x 16 button glyphs, on a transparent background.
namespace rotamind::artwork {

// Names of all icons, as in :/icons/<name>.png.
QStringList iconNames();

// The icon of that name; a null image for an unknown name.
QImage iconImage(const QString& name);

// The application icon ("app") drawn at size x size pixels, for the desktop's
// icon theme; at 16 it is the same image as iconImage("app").
QImage appIconImage(int size);

} // namespace rotamind::artwork

#pragma once

#include <QString>

class QAbstractButton;
class QIcon;
class QLabel;

// The windows are made at start, but most of their pictures and icons (the
// wheel panel, the contact page, the reset question, the working windows'
// buttons) are seen late or never; decoding them all at start took a sixth of
// start-up. These give a widget its picture when it is first shown, which
// comes before its first painting: on screen nothing changes.
namespace rotamind {

enum class PictureFit {
    AsIs,           // the picture as drawn (or stretched, for a label that scales its contents)
    KeepProportions // smoothly scaled to fit the label, proportions kept
};
// The picture of a resource, unless the label has one by then.
void setPictureOnShow(QLabel* label, const QString& resource, PictureFit fit = PictureFit::AsIs);

// The icon of a PNG resource, read as PNG: left to guess the format, Qt loads
// every image plugin to ask each whether it reads the file.
QIcon pngIcon(const QString& resource);

// The icon of a PNG resource, with another resource for the disabled button if
// given (rather than Qt's generated grey).
void setIconOnShow(QAbstractButton* button, const QString& resource,
                   const QString& disabledResource = {});

} // namespace rotamind

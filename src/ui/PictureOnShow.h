#pragma once

#include <QString>

class QLabel;

namespace rotamind {

enum class PictureFit {
    AsIs,           // the picture as drawn (or stretched, for a label that scales its contents)
    KeepProportions // smoothly scaled to fit the label, proportions kept
};

// Gives a label the picture of a resource the first time the label is shown,
// unless it has a picture by then. The windows are made at start but most of
// their pictures (the wheel panel, the contact page, the reset question) are
// seen late or never; decoding them all at start took a sixth of start-up.
// The label is shown before it is painted: on screen nothing changes.
void setPictureOnShow(QLabel* label, const QString& resource, PictureFit fit = PictureFit::AsIs);

} // namespace rotamind

#pragma once

#include "ui/toolkit/SpokenNames.h"

// What a screen reader says of every window's controls, kept together so that
// their wording is read, reviewed and translated as one text. Each row's texts
// stay in the context of their window, as the rest of its texts.
namespace rotamind::spoken {

// Names the controls of `window` from the rows of its class ("TPRO",
// "TARCHIVIO"), translated in that class's context.
void nameWindow(QWidget* window);

} // namespace rotamind::spoken

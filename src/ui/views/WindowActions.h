#pragma once

#include "wheel/Wheel.h"

class QFileDialog;
class QWidget;

namespace rotamind {

class BettingAidPanel;
class Series;
class SessionCommands;
class WorkingSession;
class WheelPicturePanel;

// What the PRO and EASY windows do alike with their shared pieces; each
// window's handler names the pieces and chooses what follows.
namespace actions {

// "Mostra/Nascondi Statistiche": the narrow layout becomes the wide one and
// back; sizes in client pixels.
void toggleWidth(QWidget& window, int narrowWidth, int wideWidth, int height);

// "MOSTRA": the numbers to bet after P in the selected direction, and the
// wheel picture of that window, whether the picture is shown or not.
void showNumbersToBet(BettingAidPanel& aid, const WorkingSession& session,
                      WheelPicturePanel& picture);

// The picture button: the picture of the current window, then shown or hidden.
void refreshAndTogglePicture(const BettingAidPanel& aid, WheelPicturePanel& picture);

// P shows the session's last number; the program's own writes are not the player's edits.
// The aid's label follows every change that puts the numbers to bet out of date.
void showLastNumber(BettingAidPanel& aid, const WorkingSession& session);

// Replaces `series` with the session file chosen in `dialog`, a change that
// can be undone. A cancelled dialog or a refused file (the reader reports it)
// leaves the series exactly as it was.
void loadSeries(const SessionCommands& commands, QWidget* window, QFileDialog& dialog,
                WorkingSession& session, Series& series);

} // namespace actions
} // namespace rotamind

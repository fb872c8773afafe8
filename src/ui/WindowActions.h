#pragma once

class QFileDialog;
class QWidget;

namespace rotamind {

class BettingAidPanel;
class EntryArea;
class SeriesBlock;
class SessionCommands;
class WheelPicturePanel;

// What the PRO and EASY windows do alike when their shared pieces are used;
// each window's handler names the pieces and chooses what follows.
namespace actions {

// "Mostra/Nascondi Statistiche": the narrow layout becomes the wide one and
// back; sizes in client pixels.
void toggleWidth(QWidget& window, int narrowWidth, int wideWidth, int height);

// "MOSTRA": the numbers to bet after P in the selected direction, and the
// wheel picture of that window, whether the picture is shown or not.
void showNumbersToBet(BettingAidPanel& aid, const EntryArea& entry, WheelPicturePanel& picture);

// A number typed into P becomes the entry's n1.
void copyLastNumberToEntry(const BettingAidPanel& aid, EntryArea& entry);

// The picture button: the picture of the current window, then shown or hidden.
void refreshAndTogglePicture(const BettingAidPanel& aid, WheelPicturePanel& picture);

// An empty list and its count: the statistics are the caller's to reset.
void clearSeries(SeriesBlock& series);

enum class PageAfterLoad { First, Last };
enum class LoadOutcome { NothingLoaded, Empty, Filled };

// Replaces `series` with the session file chosen in `dialog`, shows its count
// and turns its chart to the page asked for. A cancelled dialog or a refused
// file (the reader reports it) leaves the series exactly as it was.
LoadOutcome loadSeries(const SessionCommands& commands, QWidget* window, QFileDialog& dialog,
                       SeriesBlock& series, PageAfterLoad page);

} // namespace actions
} // namespace rotamind

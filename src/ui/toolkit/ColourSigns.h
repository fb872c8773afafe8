#pragma once

#include <QObject>

class QWidget;

namespace rotamind {

// Whether a second sign (a frame, a hatch, a glyph, a dashed line) stands
// beside every colour that carries a meaning, for a player who cannot tell
// red from green or who sees the screen in grey. Off by default: the windows
// then look exactly as they were drawn. One switch for the whole program; the
// launcher's check box turns it.
class ColourSigns final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColourSigns)

public:
    static ColourSigns& instance();
    static bool on() { return instance().m_on; }
    static void setOn(bool on);

signals:
    void toggled(bool on);

private:
    ColourSigns() = default;
    bool m_on = false;
};

// How a sign is drawn over its widget: a black frame with a filled corner
// (a value that says "play"), or black diagonal stripes (a strip too thin
// for a frame).
enum class SignStyle { Frame, Hatch };

// Marks `host` (or unmarks it): the sign shows over it while the signs are
// on and the host is marked, and follows the switch by itself. The host's
// text, colours and size are left alone.
void setSign(QWidget* host, bool marked, SignStyle style = SignStyle::Frame);

// Whether `host` shows its sign now.
bool showsSign(const QWidget* host);

} // namespace rotamind

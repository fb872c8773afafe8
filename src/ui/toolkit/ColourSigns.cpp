#include "ui/toolkit/ColourSigns.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace rotamind {

namespace {

QString overlayName() {
    return QStringLiteral("segno");
}

// A frame is drawn round its host, on the host's parent, so that it never
// covers a figure that fills its label; a hatch is drawn over the host. The
// mouse goes through either to what lies below, whose tooltip stays.
class SignOverlay final : public QWidget {
public:
    SignOverlay(QWidget* host, SignStyle style)
        : QWidget(style == SignStyle::Frame ? host->parentWidget() : host), m_host(host),
          m_style(style) {
        setObjectName(overlayName());
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        place();
        host->installEventFilter(this);
        connect(&ColourSigns::instance(), &ColourSigns::toggled, this, [this] { follow(); });
    }

    void setMarked(bool marked) {
        m_marked = marked;
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_host) {
            const QEvent::Type type = event->type();
            if (type == QEvent::Move || type == QEvent::Resize)
                place();
            else if (type == QEvent::Show || type == QEvent::Hide)
                follow();
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_style == SignStyle::Hatch) {
            painter.setPen(QPen(Qt::black, 1));
            for (int x = -height(); x < width(); x += 4)
                painter.drawLine(x, height(), x + height(), 0);
            return;
        }
        // Two pixels of black, the outer one beside the value and the inner its
        // edge, where no figure reaches; a white line outside them, so that
        // the frame shows on a yellow page and on a black one alike.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }

private:
    void place() {
        if (!m_host)
            return;
        if (m_style == SignStyle::Frame)
            setGeometry(m_host->geometry().adjusted(-kFrame, -kFrame, kFrame, kFrame));
        else
            setGeometry(m_host->rect());
    }

    void follow() {
        const bool shown = m_marked && ColourSigns::on() && m_host && !m_host->isHidden();
        if (shown)
            raise();
        setVisible(shown);
    }

    static constexpr int kFrame = 2; // the rows of a grid stand 3 pixels apart
    QPointer<QWidget> m_host;        // a frame may outlive its host by a moment
    SignStyle m_style;
    bool m_marked = false;
};

// The host keeps its overlay in a property: the grids ask after every launch.
constexpr const char* kOverlayProperty = "rotamindSign";

SignOverlay* overlayOf(const QWidget* host) {
    return static_cast<SignOverlay*>(host->property(kOverlayProperty).value<QObject*>());
}

} // namespace

ColourSigns& ColourSigns::instance() {
    static ColourSigns signs;
    return signs;
}

void ColourSigns::setOn(bool on) {
    ColourSigns& signs = instance();
    if (signs.m_on == on)
        return;
    signs.m_on = on;
    emit signs.toggled(on);
}

void setSign(QWidget* host, bool marked, SignStyle style) {
    SignOverlay* overlay = overlayOf(host);
    if (!overlay) {
        // Most values never reach a sign: no overlay until one is needed.
        if (!marked)
            return;
        overlay = new SignOverlay(host, style);
        host->setProperty(kOverlayProperty, QVariant::fromValue<QObject*>(overlay));
    }
    overlay->setMarked(marked);
}

bool showsSign(const QWidget* host) {
    const SignOverlay* overlay = overlayOf(host);
    return overlay && !overlay->isHidden();
}

} // namespace rotamind

#include "ui/toolkit/OnFirstShow.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include <functional>

namespace rotamind {

namespace {

// Lives on the widget until its first show.
class FirstShowFilter final : public QObject {
public:
    FirstShowFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_action();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Runs `action` once, when `widget` is shown for the first time.
void onFirstShow(QWidget* widget, std::function<void()> action) {
    new FirstShowFilter(widget, std::move(action));
}

} // namespace

void setPictureOnShow(QLabel* label, const QString& resource, PictureFit fit) {
    onFirstShow(label, [label, resource, fit] {
        if (!label->pixmap().isNull())
            return;
        const QPixmap pixmap(resource);
        if (fit == PictureFit::AsIs || pixmap.isNull())
            label->setPixmap(pixmap);
        else
            label->setPixmap(
                pixmap.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
}

QIcon pngIcon(const QString& resource) {
    return QIcon(QPixmap(resource, "PNG"));
}

void setIconOnShow(QAbstractButton* button, const QString& resource,
                   const QString& disabledResource) {
    onFirstShow(button, [button, resource, disabledResource] {
        QIcon icon = pngIcon(resource);
        if (!disabledResource.isEmpty())
            icon.addPixmap(QPixmap(disabledResource, "PNG"), QIcon::Disabled);
        button->setIcon(icon);
    });
}

} // namespace rotamind

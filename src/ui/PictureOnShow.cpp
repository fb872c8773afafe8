#include "ui/PictureOnShow.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace rotamind {

namespace {

// Lives on the label until its first show.
class PictureLoader final : public QObject {
public:
    PictureLoader(QLabel* label, const QString& resource, PictureFit fit)
        : QObject(label), m_resource(resource), m_fit(fit) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* label = static_cast<QLabel*>(watched);
            if (label->pixmap().isNull())
                label->setPixmap(picture(label->size()));
            label->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPixmap picture(const QSize& size) const {
        const QPixmap pixmap(m_resource);
        if (m_fit == PictureFit::AsIs || pixmap.isNull())
            return pixmap;
        return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QString m_resource;
    PictureFit m_fit;
};

} // namespace

void setPictureOnShow(QLabel* label, const QString& resource, PictureFit fit) {
    new PictureLoader(label, resource, fit);
}

} // namespace rotamind

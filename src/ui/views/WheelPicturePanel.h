#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

#include <functional>

namespace rotamind {

class ClickableLabel;

// Panel2 of a working window: a lime panel over both charts with the wheel
// picture ImageX and four static decorations. A click on the picture or on the
// panel hides it; a click on a decoration does nothing.
class WheelPicturePanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WheelPicturePanel)

public:
    // Looks a wheel picture up by name ("BASE", "Image0" ... "Image36").
    using PictureSource = std::function<QPixmap(const QString& name)>;

    explicit WheelPicturePanel(QWidget* window);

    void setPictureSource(PictureSource source) { m_source = std::move(source); }
    // The picture for a caption of N; an unknown caption keeps the picture.
    void refresh(const QString& windowCaption);
    void toggle();
    // Name of the picture shown: "plain" until the first refresh that found one.
    const QString& pictureName() const { return m_pictureName; }
    ClickableLabel* picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClickableLabel* m_picture = nullptr;
    PictureSource m_source;
    QString m_pictureName = QStringLiteral("plain");
};

} // namespace rotamind

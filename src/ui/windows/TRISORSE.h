#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

namespace rotamind {

// Never shown: holds the 38 wheel pictures ("BASE", "Image0" ... "Image36")
// from which the working windows copy the one to display.
class TRISORSE final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRISORSE)

public:
    explicit TRISORSE(QWidget* parent = nullptr);

    // The picture of that name; a null pixmap for any other name. The
    // reference stays valid as long as the holder.
    const QPixmap& picture(const QString& name) const;

private:
    static constexpr int kPictureCount = 38;
    // Decoded on first request: a session shows a handful of the 38, and
    // decoding all of them at start took a quarter of the start-up time and
    // 20 MB. Slots, not a hash, so that a reference handed out stays valid.
    mutable std::array<std::optional<QPixmap>, kPictureCount> m_pictures;
};

} // namespace rotamind

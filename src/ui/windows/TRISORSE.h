#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace rotamind {

// Never shown: holds the 38 wheel pictures ("BASE", "Image0" ... "Image36")
// from which the working windows copy the one to display.
class TRISORSE final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRISORSE)

public:
    explicit TRISORSE(QWidget* parent = nullptr);

    // The picture of that name; a null pixmap for any other name.
    const QPixmap& picture(const QString& name) const;

private:
    QHash<QString, QPixmap> m_pictures;
};

} // namespace rotamind

// Draws every picture that goes with Rotamind and writes it under the folder
// given as the only argument. The results are committed, so the normal build
// never runs this; after changing a drawing, rebuild and run it by hand:
//
//   cmake --build build/release --target rotamind_draw_artwork
//   QT_QPA_PLATFORM=offscreen build/release/assets/rotamind_draw_artwork assets/pictures
//
// The build itself runs it only for the application icon of the desktop's icon
// theme, one size at a time, written to the given PNG file:
//
//   rotamind_draw_artwork --app-icon <size> <file.png>

#include "DecorPainter.h"
#include "IconPainter.h"
#include "TitlePainter.h"
#include "WheelGeometry.h"
#include "WheelPainter.h"
#include "wheel/Wheel.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

using namespace rotamind::artwork;

const QColor kLime(0, 255, 0);

bool save(const QDir& root, const QString& path, const QImage& image) {
    const QString file = root.filePath(path);
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    // Photos go to JPEG; the small icons keep their transparency as PNG.
    const bool photo = path.endsWith(QLatin1String(".jpg"));
    const bool ok = image.save(file, photo ? "JPEG" : "PNG", photo ? 90 : -1);
    if (!ok)
        QTextStream(stderr) << "cannot write " << file << '\n';
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArrayView(argv[1]) == "--app-icon") {
        bool number = false;
        const int size = QByteArray(argv[2]).toInt(&number);
        const QString file = QString::fromLocal8Bit(argv[3]);
        if (!number || size <= 0) {
            QTextStream(stderr) << "not a size: " << argv[2] << '\n';
            return 2;
        }
        return save(QDir(), file, appIconImage(size)) ? 0 : 1;
    }
    if (argc != 2) {
        QTextStream(stderr) << "usage: rotamind_draw_artwork <output folder>\n"
                               "       rotamind_draw_artwork --app-icon <size> <file.png>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = save(root, QStringLiteral("wheel/BASE.jpg"), wheelImage(350, -1, kLime));
    for (int position = 0; position < kPocketCount; ++position) {
        const int pocket = rotamind::kWheelOrder[static_cast<std::size_t>(position)];
        ok &= save(root, QStringLiteral("wheel/Image%1.jpg").arg(pocket),
                   wheelImage(350, position, kLime));
    }
    ok &= save(root, QStringLiteral("wheel/plain.jpg"), wheelImage(390, -1, kLime));
    ok &= save(root, QStringLiteral("decor/horseshoe.jpg"), horseshoeImage());
    ok &= save(root, QStringLiteral("decor/clover.jpg"), cloverImage());
    ok &= save(root, QStringLiteral("decor/moneybag.jpg"), moneyBagImage());
    ok &= save(root, QStringLiteral("decor/ladybird.jpg"), ladybirdImage());
    ok &= save(root, QStringLiteral("intro/title.jpg"), titleImage());
    ok &= save(root, QStringLiteral("reset/crossed-wheel.jpg"), crossedWheelImage());
    ok &= save(root, QStringLiteral("misc/banner.jpg"),
               bannerImage(QStringLiteral("Segui la mano del croupier")));
    // The motto is drawn into the picture, so English has a banner of its own.
    ok &= save(root, QStringLiteral("misc/banner-en.jpg"),
               bannerImage(QStringLiteral("Follow the croupier's hand")));
    ok &= save(root, QStringLiteral("misc/contact.jpg"), contactImage());
    for (const QString& name : iconNames())
        ok &= save(root, QStringLiteral("icons/%1.png").arg(name), iconImage(name));
    return ok ? 0 : 1;
}

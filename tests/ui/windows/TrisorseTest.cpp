#include "ui/windows/TRISORSE.h"
#include "WheelGeometry.h"
#include "wheel/Wheel.h"

#include <QImageReader>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace rotamind;

namespace {

// Sum over R, G, B of the difference of two colours, 0..765.
int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Mean colour of the 3 x 3 pixels round a point; JPEG noise averages out.
QRgb patch(const QImage& image, QPointF at) {
    int r = 0, g = 0, b = 0;
    const int cx = qRound(at.x()), cy = qRound(at.y());
    for (int y = cy - 1; y <= cy + 1; ++y) {
        for (int x = cx - 1; x <= cx + 1; ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    }
    return qRgb(r / 9, g / 9, b / 9);
}

// Over the rim of every pocket, how far a picture's colour is from the plain wheel's.
std::array<int, 37> rimChanges(const QImage& picture, const QImage& base) {
    std::array<int, 37> change{};
    for (int position = 0; position < 37; ++position) {
        const QPointF at = artwork::ballCentre(350, position);
        change[static_cast<std::size_t>(position)] =
            colourDistance(patch(picture, at), patch(base, at));
    }
    return change;
}

} // namespace

class TrisorseTest final : public QObject {
    Q_OBJECT

private slots:
    void jpegReader_isAvailable() {
        QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    }

    void contractPicture_readsWithItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("base") << ":/wheel/BASE.jpg" << QSize(350, 350) << QByteArray("jpeg");
        for (int pocket = 0; pocket <= 36; ++pocket) {
            const QString path = QStringLiteral(":/wheel/Image%1.jpg").arg(pocket);
            QTest::newRow(qPrintable(path)) << path << QSize(350, 350) << QByteArray("jpeg");
        }
        QTest::newRow("plain") << ":/wheel/plain.jpg" << QSize(390, 390) << QByteArray("jpeg");
        QTest::newRow("horseshoe")
            << ":/decor/horseshoe.jpg" << QSize(101, 106) << QByteArray("jpeg");
        QTest::newRow("clover") << ":/decor/clover.jpg" << QSize(61, 61) << QByteArray("jpeg");
        QTest::newRow("moneybag") << ":/decor/moneybag.jpg" << QSize(55, 80) << QByteArray("jpeg");
        QTest::newRow("ladybird") << ":/decor/ladybird.jpg" << QSize(94, 137) << QByteArray("jpeg");
        QTest::newRow("title") << ":/intro/title.jpg" << QSize(400, 400) << QByteArray("jpeg");
        QTest::newRow("crossed") << ":/reset/crossed-wheel.jpg" << QSize(90, 90)
                                 << QByteArray("jpeg");
        QTest::newRow("banner") << ":/misc/banner.jpg" << QSize(241, 44) << QByteArray("jpeg");
        QTest::newRow("banner-en")
            << ":/misc/banner-en.jpg" << QSize(241, 44) << QByteArray("jpeg");
        QTest::newRow("contact") << ":/misc/contact.jpg" << QSize(220, 177) << QByteArray("jpeg");
        const char* icons[] = {"magnifier",      "magnifier-disabled",
                               "lock-clockwise", "lock-counter",
                               "statistics",     "reset",
                               "delete-last",    "page-previous",
                               "page-next",      "autosave",
                               "contact",        "on-off",
                               "exit",           "app",
                               "undo",           "redo",
                               "archive"};
        for (const char* icon : icons) {
            const QString path = QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon));
            QTest::newRow(icon) << path << QSize(16, 16) << QByteArray("png");
        }
    }

    void contractPicture_readsWithItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void holder_givesEveryWheelPicture_andNothingElse() {
        TRISORSE holder;
        QCOMPARE(holder.objectName(), QStringLiteral("RISORSE"));
        QStringList names{QStringLiteral("BASE")};
        for (int pocket = 0; pocket <= 36; ++pocket)
            names << QStringLiteral("Image%1").arg(pocket);
        // Asked before the others are decoded, and still the same picture after.
        const QPixmap& base = holder.picture(QStringLiteral("BASE"));
        const qint64 baseKey = base.cacheKey();
        for (const QString& name : names) {
            QVERIFY2(!holder.picture(name).isNull(), qPrintable(name));
            QCOMPARE(holder.picture(name).size(), QSize(350, 350));
            // Decoded once, then handed out again.
            QCOMPARE(holder.picture(name).cacheKey(), holder.picture(name).cacheKey());
        }
        QCOMPARE(base.cacheKey(), baseKey);
        for (const char* other : {"", "Image37", "Image-1", "Image00", "image0", "base", "BASE.jpg",
                                  "plain", " Image1"})
            QVERIFY2(holder.picture(QString::fromLatin1(other)).isNull(), other);
    }

    // The pictures the user is told about: Image0 and Image26, and windows
    // that wrap past 26 (28) or lie at the bottom of the wheel (10).
    void ballsSitOnTheWindowOnly_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("pockets");
        QTest::newRow("Image0") << 0 << QList<int>{0, 32, 15, 19, 4, 21};
        QTest::newRow("Image26") << 26 << QList<int>{26, 0, 32, 15, 19, 4};
        QTest::newRow("Image28") << 28 << QList<int>{28, 12, 35, 3, 26, 0};
        QTest::newRow("Image10") << 10 << QList<int>{10, 5, 24, 16, 33, 1};
    }

    void ballsSitOnTheWindowOnly() {
        QFETCH(int, start);
        QFETCH(QList<int>, pockets);
        TRISORSE holder;
        const QImage base = holder.picture(QStringLiteral("BASE")).toImage();
        const QImage picture = holder.picture(QStringLiteral("Image%1").arg(start)).toImage();
        const std::array<int, 37> change = rimChanges(picture, base);
        for (int position = 0; position < 37; ++position) {
            const int pocket = kWheelOrder[static_cast<std::size_t>(position)];
            const int delta = change[static_cast<std::size_t>(position)];
            if (pockets.contains(pocket))
                QVERIFY2(delta > 90,
                         qPrintable(QStringLiteral("no ball on %1 (%2)").arg(pocket).arg(delta)));
            else
                QVERIFY2(
                    delta < 30,
                    qPrintable(QStringLiteral("stray ball on %1 (%2)").arg(pocket).arg(delta)));
        }
    }

    void everyNumberedPicture_marksExactlySixRimPlaces() {
        TRISORSE holder;
        const QImage base = holder.picture(QStringLiteral("BASE")).toImage();
        for (int pocket = 0; pocket <= 36; ++pocket) {
            const QImage picture = holder.picture(QStringLiteral("Image%1").arg(pocket)).toImage();
            const std::array<int, 37> change = rimChanges(picture, base);
            const std::array<int, 6> window = windowAt(pocket);
            for (int position = 0; position < 37; ++position) {
                const int here = kWheelOrder[static_cast<std::size_t>(position)];
                const bool inWindow = std::find(window.begin(), window.end(), here) != window.end();
                const bool marked = change[static_cast<std::size_t>(position)] > 60;
                QVERIFY2(marked == inWindow,
                         qPrintable(QStringLiteral("Image%1, pocket %2").arg(pocket).arg(here)));
            }
        }
    }

    // Red, black and green read off the inner pocket ring, where no number is
    // printed: the drawing follows the wheel order and the colours of a real wheel.
    void pocketColours_followTheWheelOrder() {
        const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
        TRISORSE holder;
        const QImage base = holder.picture(QStringLiteral("BASE")).toImage();
        const double ring = (artwork::kNumberInner + artwork::kPocketInner) / 2.0;
        for (int position = 0; position < 37; ++position) {
            const int pocket = kWheelOrder[static_cast<std::size_t>(position)];
            const QRgb c =
                patch(base, artwork::polarPoint(350, ring, artwork::pocketAngle(position)));
            const QString what = QStringLiteral("pocket %1 at %2: %3,%4,%5")
                                     .arg(pocket)
                                     .arg(position)
                                     .arg(qRed(c))
                                     .arg(qGreen(c))
                                     .arg(qBlue(c));
            if (pocket == 0)
                QVERIFY2(qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 20, qPrintable(what));
            else if (reds.contains(pocket))
                QVERIFY2(qRed(c) > 90 && qGreen(c) < 50 && qBlue(c) < 50, qPrintable(what));
            else
                QVERIFY2(qRed(c) < 50 && qGreen(c) < 50 && qBlue(c) < 50, qPrintable(what));
        }
    }

    void plainWheel_isTheBaseDrawingLarger() {
        const QImage plain = QImage(QStringLiteral(":/wheel/plain.jpg"))
                                 .scaled(350, 350, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage base(QStringLiteral(":/wheel/BASE.jpg"));
        qint64 total = 0;
        for (int y = 0; y < 350; ++y)
            for (int x = 0; x < 350; ++x)
                total += colourDistance(plain.pixel(x, y), base.pixel(x, y));
        QVERIFY2(total / (350 * 350) < 25, qPrintable(QString::number(total / (350 * 350))));
        // Lime round the wheel, as the panel it lies on.
        for (const QImage& image : {plain, base})
            for (QPoint corner : {QPoint(2, 2), QPoint(347, 2), QPoint(2, 347), QPoint(347, 347)})
                QVERIFY(colourDistance(image.pixel(corner), qRgb(0, 255, 0)) < 15);
    }
};

QTEST_MAIN(TrisorseTest)
#include "TrisorseTest.moc"

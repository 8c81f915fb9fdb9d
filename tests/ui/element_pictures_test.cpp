// The element pictures the build draws: one per picture number of the catalogue, each a
// 240 × 160 24-bit bitmap with a drawing and its dimensions, no two alike.
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTest>
#include <map>
#include <set>
#include <string>

#include "model/element_catalogue.h"

namespace {

QString pictureName(int number) {
    return QString("%1/%2.bmp").arg(VELMORA_DATA_DIR).arg(number);
}

// The number of bits per pixel in a BMP's header (little-endian word at byte 28).
int bitsPerPixel(const QByteArray& file) {
    if (file.size() < 30 || !file.startsWith("BM")) return 0;
    return static_cast<unsigned char>(file[28]) | static_cast<unsigned char>(file[29]) << 8;
}

// Pixels of roughly the dimension colour (a blue well away from grey) and of the line colour.
struct Inks {
    int accent = 0;
    int dark = 0;
};

Inks inks(const QImage& image) {
    Inks found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 90 && c.green() < 130) ++found.accent;
            if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++found.dark;
        }
    }
    return found;
}

}  // namespace

class ElementPicturesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void everyKindHasADrawnPicture() {
        std::set<int> numbers;
        for (const auto& row : velmora::model::allKindDescriptions()) numbers.insert(row.picture);
        QCOMPARE(numbers.size(), std::size_t{64});  // 65 kinds; 12/1 and 12/2 share one picture

        std::map<QByteArray, int> seen;
        for (int number : numbers) {
            const QString name = pictureName(number);
            QFile file(name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("missing " + name));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bitsPerPixel(bytes) == 24, qPrintable(name + " is not a 24-bit bitmap"));
            const QImage image = QImage::fromData(bytes, "BMP");
            QCOMPARE(image.size(), QSize(240, 160));
            const Inks found = inks(image);
            QVERIFY2(found.dark > 60, qPrintable(name + " has hardly any lines"));
            QVERIFY2(found.accent > 20, qPrintable(name + " has no dimensions"));
            const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
            const auto [it, fresh] = seen.emplace(hash, number);
            QVERIFY2(fresh, qPrintable(name + " is the same as picture " + QString::number(it->second)));
        }
    }
};

QTEST_MAIN(ElementPicturesTest)
#include "element_pictures_test.moc"

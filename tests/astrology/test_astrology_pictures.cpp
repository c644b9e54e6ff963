// Checks the embedded astrology glyph pictures: every sign and planet present as a JPEG of the
// right size, with a dark glyph drawn large and centred on a light background, no two alike.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "test_registry.h"

// Q_INIT_RESOURCE has to stand outside any namespace.
static void initAstrologyResources()
{
    Q_INIT_RESOURCE(astrology);
}

namespace {

const QSize kSignSize(40, 36);
const QSize kPlanetSize(40, 41);

// A pixel this dark belongs to the glyph; the paper and its frame are far lighter.
constexpr int kInkGray = 128;
// Anything darker than this counts when measuring where the glyph lies.
constexpr int kMarkGray = 170;

QStringList signFiles()
{
    return {QStringLiteral("01aries.jpg"),       QStringLiteral("02taurus.jpg"),    QStringLiteral("03gemini.jpg"),
            QStringLiteral("04cancer.jpg"),      QStringLiteral("05leo.jpg"),       QStringLiteral("06virgo.jpg"),
            QStringLiteral("07libra.jpg"),       QStringLiteral("08scorpio.jpg"),   QStringLiteral("09sagittarius.jpg"),
            QStringLiteral("10capricorn.jpg"),   QStringLiteral("11aquarius.jpg"),  QStringLiteral("12pisces.jpg")};
}

QStringList planetFiles()
{
    return {QStringLiteral("01sun.jpg"),     QStringLiteral("02moon.jpg"),   QStringLiteral("03jupiter.jpg"),
            QStringLiteral("04mercury.jpg"), QStringLiteral("05venus.jpg"),  QStringLiteral("06mars.jpg"),
            QStringLiteral("07saturn.jpg"),  QStringLiteral("08uranus.jpg"), QStringLiteral("09neptune.jpg"),
            QStringLiteral("10pluto.jpg")};
}

QString resourcePath(const QString& file)
{
    return QStringLiteral(":/astrology/") + file;
}

QImage loadPicture(const QString& file)
{
    return QImage(resourcePath(file)).convertToFormat(QImage::Format_RGB32);
}

void addPictureRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (const QString& file : signFiles())
        QTest::newRow(qPrintable(QStringLiteral("sign ") + file)) << file << kSignSize;
    for (const QString& file : planetFiles())
        QTest::newRow(qPrintable(QStringLiteral("planet ") + file)) << file << kPlanetSize;
}

int inkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < kInkGray)
                ++count;
    return count;
}

// Bounding box of every clearly marked pixel.
QRect markedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < kMarkGray)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Average grey of the outermost three pixel rings, where no glyph may reach.
double borderGray(const QImage& image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool border = x < 3 || y < 3 || x >= image.width() - 3 || y >= image.height() - 3;
            if (!border)
                continue;
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return sum / count;
}

} // namespace

class AstrologyPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initAstrologyResources();
    }

    void resourceFolderHoldsExactlyThePictures()
    {
        QStringList expected = signFiles() + planetFiles();
        expected.sort();
        QStringList present = QDir(QStringLiteral(":/astrology")).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        present.sort();
        QCOMPARE(present, expected);
    }

    void pictureIsEmbedded_data()
    {
        addPictureRows();
    }

    void pictureIsEmbedded()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(resourcePath(file)), qPrintable(file));
        QImageReader reader(resourcePath(file));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void glyphIsDrawn_data()
    {
        addPictureRows();
    }

    void glyphIsDrawn()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage image = loadPicture(file);
        QCOMPARE(image.size(), size);
        // A blank picture has no ink at all; even the slim Aquarius waves darken well over a hundred pixels.
        const int ink = inkPixels(image);
        QVERIFY2(ink >= 100, qPrintable(QStringLiteral("%1: only %2 ink pixels").arg(file).arg(ink)));
        // ...while most of the picture stays paper.
        QVERIFY2(ink <= size.width() * size.height() / 2, qPrintable(QStringLiteral("%1: %2 ink pixels").arg(file).arg(ink)));
        QVERIFY2(borderGray(image) > 200, qPrintable(QStringLiteral("%1: border grey %2").arg(file).arg(borderGray(image))));
    }

    void glyphIsLargeAndCentred_data()
    {
        addPictureRows();
    }

    void glyphIsLargeAndCentred()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage image = loadPicture(file);
        const QRect box = markedBox(image);
        QVERIFY2(!box.isEmpty(), qPrintable(file));
        const QString where = QStringLiteral("%1: glyph at %2,%3 %4x%5")
                                  .arg(file)
                                  .arg(box.x())
                                  .arg(box.y())
                                  .arg(box.width())
                                  .arg(box.height());
        // Readable: the longer side of the glyph spans most of the picture height.
        QVERIFY2(std::max(box.width(), box.height()) >= size.height() * 0.7, qPrintable(where));
        // Not clipped: clear of every edge.
        QVERIFY2(box.left() >= 2 && box.top() >= 2, qPrintable(where));
        QVERIFY2(box.right() <= size.width() - 3 && box.bottom() <= size.height() - 3, qPrintable(where));
        // Centred within two pixels either way.
        const int leftGap = box.left();
        const int rightGap = size.width() - 1 - box.right();
        const int topGap = box.top();
        const int bottomGap = size.height() - 1 - box.bottom();
        QVERIFY2(std::abs(leftGap - rightGap) <= 2, qPrintable(where));
        QVERIFY2(std::abs(topGap - bottomGap) <= 2, qPrintable(where));
    }

    void picturesDiffer_data()
    {
        addPictureRows();
    }

    void picturesDiffer()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage image = loadPicture(file);
        QVERIFY(!image.isNull());
        const QStringList others = size == kSignSize ? signFiles() : planetFiles();
        for (const QString& other : others) {
            if (other == file)
                continue;
            const QImage otherImage = loadPicture(other);
            QVERIFY2(!otherImage.isNull(), qPrintable(other));
            QVERIFY2(image != otherImage, qPrintable(file + QStringLiteral(" equals ") + other));
            // Not merely JPEG noise apart: the glyphs cover clearly different pixels.
            int differing = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (std::abs(qGray(image.pixel(x, y)) - qGray(otherImage.pixel(x, y))) > 80)
                        ++differing;
            QVERIFY2(differing >= 40, qPrintable(QStringLiteral("%1 and %2 differ in only %3 pixels")
                                                     .arg(file, other)
                                                     .arg(differing)));
        }
    }
};

ORVANEL_TEST(AstrologyPicturesTest)

#include "test_astrology_pictures.moc"

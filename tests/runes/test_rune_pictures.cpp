// Checks the embedded rune stone pictures: all present as PNG at 113 x 151, transparent around the
// stone, each glyph really drawn.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "test_registry.h"

namespace {

const QSize kStoneSize(113, 151);
const QString kBlank = QStringLiteral("25 Blank");

QStringList glyphKeys()
{
    return {QStringLiteral("01 Fehu"),    QStringLiteral("02 Uruz"),    QStringLiteral("03 Thurisaz"),
            QStringLiteral("04 Ansuz"),   QStringLiteral("05 Raidho"),  QStringLiteral("06 Kenaz"),
            QStringLiteral("07 Gebo"),    QStringLiteral("08 Wunjo"),   QStringLiteral("09 Hagalaz"),
            QStringLiteral("10 Nauthiz"), QStringLiteral("11 Isa"),     QStringLiteral("12 Jera"),
            QStringLiteral("13 Eihwaz"),  QStringLiteral("14 Perthro"), QStringLiteral("15 Algiz"),
            QStringLiteral("16 Sowilo"),  QStringLiteral("17 Tiwaz"),   QStringLiteral("18 Berkano"),
            QStringLiteral("19 Ehwaz"),   QStringLiteral("20 Mannaz"),  QStringLiteral("21 Laguz"),
            QStringLiteral("22 Ingwaz"),  QStringLiteral("23 Dagaz"),   QStringLiteral("24 Othala")};
}

QString resourcePath(const QString& key)
{
    return QStringLiteral(":/runes/") + key;
}

QImage loadStone(const QString& key)
{
    return QImage(resourcePath(key)).convertToFormat(QImage::Format_RGB32);
}

// Near-white pixels inside a central ellipse, which always lies on the stone whatever its outline.
int whitishPixelsOnStone(const QImage& image)
{
    const double rx = image.width() * 0.42;
    const double ry = image.height() * 0.42;
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy > 1.0)
                continue;
            const QRgb p = image.pixel(x, y);
            if (qRed(p) >= 225 && qGreen(p) >= 225 && qBlue(p) >= 225)
                ++count;
        }
    }
    return count;
}

// Share of the picture covered by clearly blue pixels.
double blueShare(const QImage& image)
{
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > qRed(p) + 30)
                ++blue;
        }
    }
    return double(blue) / (image.width() * image.height());
}

} // namespace

class RunePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsEmbedded_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : glyphKeys())
            QTest::newRow(qPrintable(key)) << key;
        QTest::newRow(qPrintable(kBlank)) << kBlank;
    }

    void pictureIsEmbedded()
    {
        QFETCH(QString, key);
        QImageReader reader(resourcePath(key));
        QVERIFY2(QFile::exists(resourcePath(key)), qPrintable(key));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), kStoneSize);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), kStoneSize);

        // The window's background shows around the stone (light or dark palette alike), the
        // stone itself is opaque.
        QVERIFY(image.hasAlphaChannel());
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QVERIFY2(qAlpha(image.pixel(corner)) == 0, qPrintable(QStringLiteral("%1 at %2,%3").arg(key).arg(corner.x()).arg(corner.y())));
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 4)), 255);
    }

    void blankStoneFillsTheFrame()
    {
        const QImage blank = loadStone(kBlank);
        QVERIFY(!blank.isNull());
        // A light-blue stone covering most of the picture; no white glyph on it.
        QVERIFY2(blueShare(blank) > 0.65, qPrintable(QString::number(blueShare(blank))));
        QCOMPARE(whitishPixelsOnStone(blank), 0);
    }

    void glyphIsDrawn_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : glyphKeys())
            QTest::newRow(qPrintable(key)) << key;
    }

    void glyphIsDrawn()
    {
        QFETCH(QString, key);
        const QImage stone = loadStone(key);
        const QImage blank = loadStone(kBlank);
        QVERIFY(!stone.isNull() && !blank.isNull());
        const int white = whitishPixelsOnStone(stone);
        const int blankWhite = whitishPixelsOnStone(blank);
        // Even Isa, the single stave, whitens several hundred pixels.
        QVERIFY2(white >= blankWhite + 400,
                 qPrintable(QStringLiteral("%1 white pixels, blank has %2").arg(white).arg(blankWhite)));
        QVERIFY2(blueShare(stone) > 0.45, qPrintable(key));
    }

    void glyphsDiffer_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : glyphKeys())
            QTest::newRow(qPrintable(key)) << key;
    }

    void glyphsDiffer()
    {
        QFETCH(QString, key);
        const QImage stone = loadStone(key);
        QVERIFY(!stone.isNull());
        for (const QString& other : glyphKeys()) {
            if (other == key)
                continue;
            QVERIFY2(stone != loadStone(other), qPrintable(key + QStringLiteral(" equals ") + other));
        }
    }
};

ORVANEL_TEST(RunePicturesTest)

#include "test_rune_pictures.moc"

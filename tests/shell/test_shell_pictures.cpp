// Checks the embedded pictures of the main window and dialogs: present as PNG at their exact sizes.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "shell/shell_resources.h"
#include "test_registry.h"

namespace {

QString resourcePath(const QString& key)
{
    return QStringLiteral(":/shell/") + key;
}

// Pixels that are not (nearly) transparent.
int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++count;
    return count;
}

} // namespace

class ShellPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitShellResources(); }

    void pictureIsEmbedded_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("size");
        QTest::newRow("banner") << QStringLiteral("banner") << QSize(900, 90);
        QTest::newRow("astrology") << QStringLiteral("astrology") << QSize(32, 32);
        QTest::newRow("tarot") << QStringLiteral("tarot") << QSize(32, 32);
        QTest::newRow("numerology") << QStringLiteral("numerology") << QSize(32, 32);
        QTest::newRow("runes") << QStringLiteral("runes") << QSize(32, 32);
        QTest::newRow("about") << QStringLiteral("about") << QSize(120, 120);
        QTest::newRow("exit") << QStringLiteral("exit") << QSize(160, 200);
        QTest::newRow("icon-32") << QStringLiteral("icon-32") << QSize(32, 32);
        QTest::newRow("icon-64") << QStringLiteral("icon-64") << QSize(64, 64);
    }

    void pictureIsEmbedded()
    {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(resourcePath(key)), qPrintable(key));
        QImageReader reader(resourcePath(key));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    // Emblems are cut out: clear corners, a solid motif in the middle.
    void emblemHasTransparentBackground_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* key : {"astrology", "tarot", "numerology", "runes", "about", "icon-32", "icon-64"})
            QTest::newRow(key) << QString::fromLatin1(key);
    }

    void emblemHasTransparentBackground()
    {
        QFETCH(QString, key);
        const QImage image = QImage(resourcePath(key)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QVERIFY(image.hasAlphaChannel());
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint& corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        const int area = image.width() * image.height();
        QVERIFY2(opaquePixels(image) > area / 3, qPrintable(key));
    }

    // A picture decoded ahead on the worker is the one decoded on the spot; a name asked for
    // twice, or never preloaded, is decoded again.
    void preloadedPictureIsTheDecodedOne()
    {
        PreloadShellPictures({QStringLiteral("banner"), QStringLiteral("tarot"), QStringLiteral("no-such-picture")});
        for (const char* key : {"banner", "banner", "tarot", "runes"}) {
            const QImage direct = QImage(resourcePath(QLatin1String(key)), "PNG").convertToFormat(QImage::Format_ARGB32);
            const QImage shown = ShellPicture(QLatin1String(key)).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!shown.isNull(), key);
            QVERIFY2(shown == direct, key);
        }
        QVERIFY(ShellPicture(QStringLiteral("no-such-picture")).isNull());
    }

    // The banner sits on a black page: its lowest row must be dark, its top not plain black.
    void bannerBlendsIntoBlack()
    {
        const QImage banner = QImage(resourcePath(QStringLiteral("banner"))).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!banner.isNull());
        const int bottom = banner.height() - 1;
        for (int x = 0; x < banner.width(); ++x) {
            const QRgb p = banner.pixel(x, bottom);
            QVERIFY2(qRed(p) < 24 && qGreen(p) < 24 && qBlue(p) < 24, qPrintable(QString::number(x)));
        }
        QVERIFY(qGray(banner.pixel(banner.width() / 2, 2)) > 20);
    }
};

ORVANEL_TEST(ShellPicturesTest)

#include "test_shell_pictures.moc"

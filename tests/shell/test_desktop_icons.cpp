// Checks the icons installed into the desktop's hicolor theme (resources/icons): each one a
// PNG of the size its folder names, cut out round, and the largest the same picture as the
// window icon.
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "shell/shell_resources.h"
#include "test_registry.h"

namespace {

QString iconFile(int size)
{
    return QStringLiteral(ORVANEL_SOURCE_DIR "/resources/icons/hicolor/%1x%1/apps/net.orvanel.orvanel.png").arg(size);
}

} // namespace

class DesktopIconsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitShellResources(); }

    void iconHasItsFolderSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size))) << size;
    }

    void iconHasItsFolderSize()
    {
        QFETCH(int, size);
        QImageReader reader(iconFile(size));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(iconFile(size) + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), QSize(size, size));
        // A round emblem: clear corners, a solid centre.
        const int last = size - 1;
        for (const QPoint& corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }

    // The launcher and the running program's windows show the same emblem, size for size.
    void windowIconsAreTheDesktopIcons_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("32") << 32;
        QTest::newRow("64") << 64;
    }

    void windowIconsAreTheDesktopIcons()
    {
        QFETCH(int, size);
        const QString key = QStringLiteral(":/shell/icon-%1").arg(size);
        const QImage window = QImage(key).convertToFormat(QImage::Format_ARGB32);
        const QImage desktop = QImage(iconFile(size)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!window.isNull());
        QVERIFY(!desktop.isNull());
        QVERIFY(window == desktop);
    }
};

ORVANEL_TEST(DesktopIconsTest)

#include "test_desktop_icons.moc"

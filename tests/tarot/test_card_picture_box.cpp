// A card picture shown in its box: fitted to the box, upright or turned, and with as many of its
// pixels as the screen can show, so a card stays sharp on a screen at twice the scale.
#include <QLabel>
#include <QPixmap>
#include <QTest>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/tarot_widgets.h"
#include "test_registry.h"

namespace {

const QColor kTopLeft(200, 30, 30);
const QColor kTopRight(30, 160, 40);
const QColor kBottomLeft(30, 60, 200);
const QColor kBottomRight(240, 210, 40);

// A picture in four coloured quarters, so that where each quarter lands shows how it was turned.
QImage quarteredPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    const int midX = size.width() / 2;
    const int midY = size.height() / 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, y < midY ? (x < midX ? kTopLeft : kTopRight) : (x < midX ? kBottomLeft : kBottomRight));
    return image;
}

QLabel* cardBox(QWidget* parent)
{
    return tarot_widgets::makeCardBox(QStringLiteral("picCard"), QStringLiteral("Card"), parent);
}

// The pixmap's pixels, whatever its pixel ratio.
QImage pixelsOf(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The colour the user sees at a point of the box, given as a fraction of its width and height.
QColor seenAt(const QPixmap& pixmap, double fx, double fy)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(int(fx * image.width()), int(fy * image.height()));
}

} // namespace

class TestCardPictureBox : public QObject {
    Q_OBJECT
private slots:
    void pictureUsesTheScreensPixels_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QSize>("pixels");   // the pixmap's own pixels
        QTest::addColumn<QSizeF>("onScreen"); // its size in the box's units
        const QSize card(300, 520);
        const QSizeF box(150, 260);
        QTest::newRow("card on a plain screen") << card << 1.0 << false << QSize(150, 260) << box;
        QTest::newRow("card at twice the scale") << card << 2.0 << false << card << box;
        QTest::newRow("turned card at twice the scale") << card << 2.0 << true << card << box;
        QTest::newRow("card at one and a half") << card << 1.5 << false << QSize(225, 390) << box;
        QTest::newRow("card at three times keeps all it has") << card << 3.0 << false << card << box;
        QTest::newRow("picture at the box's size at twice the scale") << QSize(150, 260) << 2.0 << false << QSize(150, 260) << box;
        QTest::newRow("small picture is not enlarged") << QSize(20, 40) << 2.0 << false << QSize(20, 40) << QSizeF(20, 40);
        QTest::newRow("wide picture fits the box's width") << QSize(600, 300) << 2.0 << false << QSize(300, 150) << QSizeF(150, 75);
    }
    void pictureUsesTheScreensPixels()
    {
        QFETCH(QSize, picture);
        QFETCH(double, ratio);
        QFETCH(bool, turned);
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, onScreen);
        QWidget window;
        QLabel* box = cardBox(&window);
        card_picture::ShowPicture(box, quarteredPicture(picture), turned, ratio);
        const QPixmap shown = box->pixmap();
        QCOMPARE(shown.size(), pixels);
        QCOMPARE(shown.deviceIndependentSize(), onScreen);
    }

    // At twice the scale the stored pixels are shown as they are, not scaled down and up again.
    void cardAtTwiceTheScaleIsTheStoredPicture()
    {
        QImage picture = quarteredPicture(QSize(300, 520));
        for (int i = 0; i < 300; i += 2)
            picture.setPixelColor(i, i, Qt::white); // a fine line that any resampling blurs
        QWidget window;
        QLabel* box = cardBox(&window);
        card_picture::ShowPicture(box, picture, false, 2.0);
        QCOMPARE(pixelsOf(box->pixmap()), picture);
        card_picture::ShowPicture(box, picture, true, 2.0);
        QCOMPARE(pixelsOf(box->pixmap()), picture.mirrored(true, true));
    }

    void turnedPictureShowsTheOtherCorners_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("plain screen") << 1.0;
        QTest::newRow("twice the scale") << 2.0;
    }
    void turnedPictureShowsTheOtherCorners()
    {
        QFETCH(double, ratio);
        QWidget window;
        QLabel* upright = cardBox(&window);
        QLabel* turned = cardBox(&window);
        const QImage picture = quarteredPicture(QSize(300, 520));
        card_picture::ShowPicture(upright, picture, false, ratio);
        card_picture::ShowPicture(turned, picture, true, ratio);
        const struct {
            double fx, fy;
            QColor upright, turned;
        } corners[] = {{0.2, 0.2, kTopLeft, kBottomRight},
                       {0.8, 0.2, kTopRight, kBottomLeft},
                       {0.2, 0.8, kBottomLeft, kTopRight},
                       {0.8, 0.8, kBottomRight, kTopLeft}};
        for (const auto& corner : corners) {
            QCOMPARE(seenAt(upright->pixmap(), corner.fx, corner.fy), corner.upright);
            QCOMPARE(seenAt(turned->pixmap(), corner.fx, corner.fy), corner.turned);
        }
    }

    // Without a ratio given, the box's own screen decides.
    void boxesScreenDecides()
    {
        QWidget window;
        QLabel* box = cardBox(&window);
        card_picture::ShowPicture(box, quarteredPicture(QSize(300, 520)));
        const qreal ratio = box->devicePixelRatioF();
        QCOMPARE(box->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(box->pixmap().size(), (QSizeF(150, 260) * ratio).toSize());
    }

    void nullPictureEmptiesTheBox()
    {
        QWidget window;
        QLabel* box = cardBox(&window);
        card_picture::ShowPicture(box, quarteredPicture(QSize(300, 520)), false, 2.0);
        card_picture::ShowPicture(box, QImage(), false, 2.0);
        QVERIFY(box->pixmap().isNull());
    }
};

ORVANEL_TEST(TestCardPictureBox)
#include "test_card_picture_box.moc"

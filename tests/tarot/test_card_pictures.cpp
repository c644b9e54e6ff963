// Checks the committed tarot card pictures that the card database is built from: all 78 present as
// 300 x 520 JPEG (the 150 x 260 box at twice the pixels), framed in the colours of their group, each
// face different, the pips counted, placed and large enough to see. The faces are checked as the user
// sees them in the box on a plain screen, scaled to 150 x 260.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "test_registry.h"

namespace {

constexpr int kCards = 78;
constexpr int kMajors = 22;
constexpr int kRanksPerSuit = 14;
const QSize kStoredSize(300, 520);
const QSize kCardSize(150, 260);
// The part of the face between the number plate and the name plate, inside the inner trim line.
const QRect kEmblemArea(14, 38, 122, 184);
// Narrowest pip, in pixels of the shown card, and the least part of the face that the pips' boxes
// cover: thin staves and swords of 10 px left a Two or Three looking empty at about 7 %.
constexpr int kNarrowestPip = 16;
constexpr double kLeastPipShare = 0.12;
// A strip of the outer frame band on the left edge, beside the middle of the card.
const QRect kFrameStrip(1, 110, 4, 40);

QString picturePath(int id)
{
    return QStringLiteral(ORVANEL_SOURCE_DIR "/resources/tarot/pictures/%1.jpg").arg(id, 2, 10, QLatin1Char('0'));
}

QImage loadCard(int id)
{
    return QImage(picturePath(id))
        .scaled(kCardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

const std::vector<QImage>& allCards()
{
    static const std::vector<QImage> cards = [] {
        std::vector<QImage> loaded;
        for (int id = 1; id <= kCards; ++id)
            loaded.push_back(loadCard(id));
        return loaded;
    }();
    return cards;
}

const QImage& card(int id)
{
    return allCards()[static_cast<size_t>(id - 1)];
}

// Group of a card: 0 for the majors, 1..4 for Cups, Wands, Pentacles, Swords.
int groupOf(int id)
{
    return id <= kMajors ? 0 : 1 + (id - kMajors - 1) / kRanksPerSuit;
}

QString cardLabel(int id)
{
    return QStringLiteral("card %1").arg(id);
}

// Mean absolute difference per channel over `area`, 0..255.
double meanDifference(const QImage& a, const QImage& b, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * area.width() * area.height());
}

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

Colour averageColour(const QImage& image, const QRect& area)
{
    Colour sum;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum.r += qRed(p);
            sum.g += qGreen(p);
            sum.b += qBlue(p);
        }
    }
    const double n = double(area.width()) * area.height();
    return {sum.r / n, sum.g / n, sum.b / n};
}

double distance(const Colour& a, const Colour& b)
{
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

// A connected patch of drawing (outline, metal, wood) on the light field of a minor card.
struct Blob {
    QRect box;
    int pixels = 0;
};

bool isDrawing(QRgb pixel)
{
    const QColor colour = QColor::fromRgb(pixel);
    return colour.value() < 150 || colour.hsvSaturation() > 120;
}

// Patches of at least `minimum` pixels inside `area`, eight-connected.
std::vector<Blob> blobsIn(const QImage& image, const QRect& area, int minimum)
{
    std::vector<char> seen(static_cast<size_t>(area.width() * area.height()), 0);
    auto index = [&](int x, int y) { return static_cast<size_t>((y - area.top()) * area.width() + (x - area.left())); };
    std::vector<Blob> blobs;
    std::vector<QPoint> stack;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || !isDrawing(image.pixel(x, y)))
                continue;
            Blob blob;
            blob.box = QRect(x, y, 1, 1);
            seen[index(x, y)] = 1;
            stack.push_back(QPoint(x, y));
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++blob.pixels;
                blob.box = blob.box.united(QRect(p, QSize(1, 1)));
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint n(p.x() + dx, p.y() + dy);
                        if (!area.contains(n) || seen[index(n.x(), n.y())] || !isDrawing(image.pixel(n)))
                            continue;
                        seen[index(n.x(), n.y())] = 1;
                        stack.push_back(n);
                    }
                }
            }
            if (blob.pixels >= minimum)
                blobs.push_back(blob);
        }
    }
    return blobs;
}

// Letters on the plates: brighter in every channel than the gold edge of the plate, even where the
// JPEG's halved colour resolution blurs that thin edge.
bool isLetter(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) > 140
           && std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) > 215;
}

// Left- and rightmost columns holding letters in the rows `top`..`bottom` and the columns
// `first`..`last`; (-1, -1) when none.
std::pair<int, int> letterColumns(const QImage& image, int top, int bottom, int first, int last)
{
    int left = -1;
    int right = -1;
    for (int x = first; x <= last; ++x) {
        for (int y = top; y <= bottom; ++y) {
            if (!isLetter(image.pixel(x, y)))
                continue;
            if (left < 0)
                left = x;
            right = x;
            break;
        }
    }
    return {left, right};
}

} // namespace

class TarotCardPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void cardIsJpegOfCardSize_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 1; id <= kCards; ++id)
            QTest::newRow(qPrintable(cardLabel(id))) << id;
    }

    void cardIsJpegOfCardSize()
    {
        QFETCH(int, id);
        QVERIFY2(QFile::exists(picturePath(id)), qPrintable(picturePath(id)));
        QImageReader reader(picturePath(id));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), kStoredSize);
    }

    // Number and name stand centred on their plates, the longest names included, and never run
    // into the pointed ends of the name plate.
    void textsFitTheirPlates()
    {
        // Rows around the middle of each plate, and columns inside the plate in those rows (the
        // light field of a minor card lies beside the plates). The number plate is at least this wide.
        const int numberTop = 18;
        const int numberBottom = 26;
        const int numberFirst = 57;
        const int numberLast = 92;
        const int nameTop = 234;
        const int nameBottom = 242;
        const int nameFirst = 15;
        const int nameLast = 134;
        for (int id = 1; id <= kCards; ++id) {
            const QImage& face = card(id);
            QVERIFY2(!face.isNull(), qPrintable(cardLabel(id)));
            const auto [numberLeft, numberRight] = letterColumns(face, numberTop, numberBottom, numberFirst, numberLast);
            const auto [nameLeft, nameRight] = letterColumns(face, nameTop, nameBottom, nameFirst, nameLast);
            const QString where = QStringLiteral("%1: number at %2..%3, name at %4..%5")
                                      .arg(cardLabel(id))
                                      .arg(numberLeft)
                                      .arg(numberRight)
                                      .arg(nameLeft)
                                      .arg(nameRight);
            QVERIFY2(numberLeft >= 0 && nameRight - nameLeft >= 30, qPrintable(where));
            // Thin serif strokes of a numeral may stay under the letter threshold, so its found
            // extent is allowed more play than the name's.
            QVERIFY2(std::abs(numberLeft + numberRight - kCardSize.width()) <= 8, qPrintable(where));
            QVERIFY2(std::abs(nameLeft + nameRight - kCardSize.width()) <= 3, qPrintable(where));
            // A name that runs into the plate's ends reaches the first or last column scanned.
            QVERIFY2(nameLeft > nameFirst && nameRight < nameLast, qPrintable(where));
        }
    }

    // Majors share one frame colour and each suit its own: a card framed in the wrong group's colours,
    // as when the suits are counted from the wrong card, fails here.
    void framesFollowTheGroups()
    {
        std::vector<Colour> frames;
        for (int id = 1; id <= kCards; ++id) {
            QVERIFY2(!card(id).isNull(), qPrintable(cardLabel(id)));
            frames.push_back(averageColour(card(id), kFrameStrip));
        }
        for (int a = 1; a <= kCards; ++a) {
            for (int b = a + 1; b <= kCards; ++b) {
                const double d = distance(frames[static_cast<size_t>(a - 1)], frames[static_cast<size_t>(b - 1)]);
                const QString pair = QStringLiteral("cards %1 and %2: %3").arg(a).arg(b).arg(d);
                if (groupOf(a) == groupOf(b))
                    QVERIFY2(d < 12.0, qPrintable(pair));
                else
                    QVERIFY2(d > 30.0, qPrintable(pair));
            }
        }
    }

    // Every face is its own: a generator that writes one picture for several cards fails here.
    void emblemsDiffer()
    {
        for (int a = 1; a <= kCards; ++a) {
            for (int b = a + 1; b <= kCards; ++b) {
                const double d = meanDifference(card(a), card(b), kEmblemArea);
                // Equal pictures come out of the encoder byte for byte alike and differ by 0; the
                // closest pair of different faces, Two and Three of Wands, by about 2.5.
                QVERIFY2(d > 1.0, qPrintable(QStringLiteral("cards %1 and %2 differ by %3").arg(a).arg(b).arg(d)));
            }
        }
    }

    void majorEmblemsAreDrawn()
    {
        // Each major has a symbol of its own, not a shared one with small changes.
        for (int a = 1; a <= kMajors; ++a) {
            for (int b = a + 1; b <= kMajors; ++b) {
                const double d = meanDifference(card(a), card(b), kEmblemArea);
                QVERIFY2(d > 10.0, qPrintable(QStringLiteral("majors %1 and %2 differ by %3").arg(a).arg(b).arg(d)));
            }
        }
    }

    void pipsAreCountedAndBalanced_data()
    {
        QTest::addColumn<int>("suit");
        for (int suit = 0; suit < 4; ++suit)
            QTest::newRow(qPrintable(QStringLiteral("suit %1").arg(suit + 1))) << suit;
    }

    // Two to Ten show as many pips as their rank, all of one size on a card and centred on it (the
    // Seven has its odd pip above the middle); the Ace shows one pip much larger than the Ten's.
    void pipsAreCountedAndBalanced()
    {
        QFETCH(int, suit);
        const int seven = 7;
        const int ten = 10;
        QSize tenPip;
        for (int rank = 2; rank <= ten; ++rank) {
            const int id = kMajors + suit * kRanksPerSuit + rank;
            const std::vector<Blob> pips = blobsIn(card(id), kEmblemArea, 40);
            QVERIFY2(int(pips.size()) == rank,
                     qPrintable(QStringLiteral("%1 shows %2 pips").arg(cardLabel(id)).arg(pips.size())));
            const QSize pipSize = pips.front().box.size();
            double sumX = 0;
            double sumY = 0;
            for (const Blob& pip : pips) {
                QVERIFY2(std::abs(pip.box.width() - pipSize.width()) <= 2
                             && std::abs(pip.box.height() - pipSize.height()) <= 2,
                         qPrintable(QStringLiteral("%1: pip of %2 x %3, first pip %4 x %5")
                                        .arg(cardLabel(id))
                                        .arg(pip.box.width())
                                        .arg(pip.box.height())
                                        .arg(pipSize.width())
                                        .arg(pipSize.height())));
                sumX += QRectF(pip.box).center().x();
                sumY += QRectF(pip.box).center().y();
            }
            if (rank == ten)
                tenPip = pipSize;
            const QPointF centre(sumX / rank, sumY / rank);
            const double offsetX = centre.x() - kCardSize.width() / 2.0;
            const double offsetY = centre.y() - kCardSize.height() / 2.0;
            const bool balanced = std::abs(offsetX) < 1.5 && (rank == seven ? offsetY < -3.0 : std::abs(offsetY) < 1.5);
            QVERIFY2(balanced,
                     qPrintable(QStringLiteral("%1: pips centred on %2, %3").arg(cardLabel(id)).arg(centre.x()).arg(centre.y())));
        }

        const int ace = kMajors + suit * kRanksPerSuit + 1;
        const std::vector<Blob> drawn = blobsIn(card(ace), kEmblemArea, 40);
        const auto largest = std::max_element(drawn.cbegin(), drawn.cend(),
                                              [](const Blob& a, const Blob& b) { return a.pixels < b.pixels; });
        QVERIFY2(largest != drawn.cend(), qPrintable(cardLabel(ace)));
        QVERIFY2(largest->box.height() >= 2 * tenPip.height() && largest->box.width() >= 2 * tenPip.width(),
                 qPrintable(QStringLiteral("%1: pip of %2 x %3").arg(cardLabel(ace)).arg(largest->box.width()).arg(largest->box.height())));
    }

    void pipsAreLargeEnoughToSee_data()
    {
        QTest::addColumn<int>("id");
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 2; rank <= 10; ++rank) {
                const int id = kMajors + suit * kRanksPerSuit + rank;
                QTest::newRow(qPrintable(cardLabel(id))) << id;
            }
    }

    // Every pip is broad enough to show its shape, and the few pips of a low card fill a fair part
    // of the face instead of leaving it looking empty.
    void pipsAreLargeEnoughToSee()
    {
        QFETCH(int, id);
        const int rank = (id - kMajors - 1) % kRanksPerSuit + 1;
        const std::vector<Blob> pips = blobsIn(card(id), kEmblemArea, 40);
        QVERIFY2(int(pips.size()) == rank, qPrintable(QStringLiteral("%1 pips").arg(pips.size())));
        double covered = 0;
        for (const Blob& pip : pips) {
            QVERIFY2(pip.box.width() >= kNarrowestPip && pip.box.height() >= kNarrowestPip,
                     qPrintable(QStringLiteral("pip of %1 x %2").arg(pip.box.width()).arg(pip.box.height())));
            covered += double(pip.box.width()) * pip.box.height();
        }
        const double share = covered / (double(kEmblemArea.width()) * kEmblemArea.height());
        QVERIFY2(share >= kLeastPipShare, qPrintable(QStringLiteral("the pips cover %1 of the face").arg(share)));
    }

    // Page, Knight, Queen and King are told apart at a glance, and from the pip cards.
    void courtCardsStandApart()
    {
        for (int suit = 0; suit < 4; ++suit) {
            const int first = kMajors + suit * kRanksPerSuit + 1;
            for (int court = first + 10; court <= first + 13; ++court) {
                for (int other = first; other <= first + 13; ++other) {
                    if (other == court)
                        continue;
                    const double d = meanDifference(card(court), card(other), kEmblemArea);
                    QVERIFY2(d > 8.0, qPrintable(QStringLiteral("cards %1 and %2 differ by %3").arg(court).arg(other).arg(d)));
                }
            }
        }
    }
};

ORVANEL_TEST(TarotCardPicturesTest)

#include "test_card_pictures.moc"

// Emblems of the majors XI Justice .. XXI The World.
#include "tarot_major_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace pictures::tarot {

void paintJustice(QPainter& painter, const QColor& ink)
{
    // Upright sword carrying the beam of the scales.
    paintSword(painter, QPointF(0, -2), 124, ink);
    const double beamY = -34;
    paintMetal(painter, thickLine(QPointF(-36, beamY), QPointF(36, beamY), 3.6), Metal::Gold, ink, 1.0);
    QPainterPath knob;
    knob.addEllipse(QPointF(0, beamY), 4.5, 4.5);
    paintMetal(painter, knob, Metal::Gold, ink, 1.0);
    for (const int side : {-1, 1}) {
        const QPointF end(side * 34, beamY);
        const double panY = 2;
        painter.setPen(QPen(QColor(232, 200, 120), 1.2));
        painter.drawLine(end, QPointF(end.x() - 13, panY));
        painter.drawLine(end, QPointF(end.x() + 13, panY));
        QPainterPath pan;
        pan.moveTo(end.x() - 15, panY);
        pan.quadTo(end.x(), panY + 18, end.x() + 15, panY);
        pan.closeSubpath();
        paintMetal(painter, pan, Metal::Gold, ink);
    }
}

void paintHangedMan(QPainter& painter, const QColor& ink)
{
    // Living tau cross; the man hangs head down from one foot, the other leg crossed behind.
    paintGlow(painter, QPointF(0, 4), 60, QColor(255, 214, 120, 110));
    QPainterPath tau;
    tau.addRect(QRectF(-36, -58, 72, 9));
    tau.addRect(QRectF(-4.5, -52, 9, 118));
    paintMetal(painter, tau.simplified(), Metal::Wood, ink);
    for (const QPointF& at : {QPointF(-28, -58), QPointF(26, -58), QPointF(-4, 58)}) {
        QPainterPath leaf;
        leaf.addEllipse(at + QPointF(0, -3), 4.5, 2.4);
        paintShape(painter, leaf, kLeaf, kLeafInk, 0.8);
    }
    painter.setPen(QPen(QColor(236, 220, 170), 2.2));
    painter.drawLine(QPointF(0, -49), QPointF(0, -41));

    // The figure, a little larger than drawn, hanging from the foot.
    painter.save();
    painter.translate(0, -40);
    painter.scale(1.12, 1.12);
    painter.translate(0, 40);

    // Halo behind the head.
    const QPointF head(0, 38);
    paintGlow(painter, head, 24, QColor(255, 240, 170, 230));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(250, 200, 80), 2.2));
    painter.drawEllipse(head, 15, 15);

    const QColor tights(200, 44, 52);
    QPainterPath bent;
    bent.moveTo(3, -10);
    bent.lineTo(19, -21);
    bent.lineTo(-2, -31);
    paintShape(painter, thickLine(bent, 7.0), tights.darker(120), ink);
    paintShape(painter, thickLine(QPointF(0, -38), QPointF(0, -8), 7.5), tights, ink);
    QPainterPath shoe;
    shoe.addEllipse(QPointF(0, -40), 4.6, 3.4);
    paintShape(painter, shoe, QColor(236, 190, 70), ink, 1.0);

    const QColor sleeve(96, 136, 220);
    for (const int side : {-1, 1}) {
        QPainterPath arm;
        arm.moveTo(side * 9, 22);
        arm.lineTo(side * 21, 10);
        arm.lineTo(side * 5, 2);
        paintShape(painter, thickLine(arm, 6.5), sleeve, ink);
    }
    QPainterPath tunic;
    tunic.moveTo(-9, -10);
    tunic.lineTo(9, -10);
    tunic.lineTo(12, 22);
    tunic.quadTo(0, 28, -12, 22);
    tunic.closeSubpath();
    QLinearGradient cloth(-12, 0, 12, 0);
    cloth.setColorAt(0.0, sleeve.lighter(125));
    cloth.setColorAt(1.0, sleeve.darker(135));
    paintShape(painter, tunic, cloth, ink);
    painter.setPen(QPen(QColor(236, 190, 70), 2.2));
    painter.drawLine(QPointF(-9.4, -3), QPointF(9.4, -3));

    QPainterPath hair;
    hair.moveTo(-8.5, 38);
    hair.cubicTo(-10, 50, -4, 53, 0, 55);
    hair.cubicTo(4, 53, 10, 50, 8.5, 38);
    hair.closeSubpath();
    paintShape(painter, hair, QColor(236, 196, 90), ink, 1.0);
    QPainterPath face;
    face.addEllipse(head, 8, 9);
    paintShape(painter, face, kSkin, ink);
    painter.restore();
}

void paintDeath(QPainter& painter, const QColor& ink)
{
    // The reaper's scythe beside the white rose of his banner.
    QPainterPath snath;
    snath.moveTo(-26, 66);
    snath.cubicTo(-12, 30, 2, -10, 20, -54);
    paintMetal(painter, thickLine(snath, 5.0), Metal::Wood, ink, 1.0);
    paintMetal(painter, thickLine(QPointF(-6, 12), QPointF(8, 18), 4.0), Metal::Wood, ink, 1.0);

    QPainterPath blade;
    blade.moveTo(22, -58);
    blade.cubicTo(2, -72, -28, -66, -43, -40);
    blade.cubicTo(-26, -55, -4, -56, 16, -48);
    blade.closeSubpath();
    paintMetal(painter, blade, Metal::Silver, ink);
    QPainterPath collar;
    collar.addEllipse(QPointF(19, -53), 5, 5);
    paintMetal(painter, collar, Metal::Silver, ink, 1.0);

    const QPointF rose(22, 34);
    paintGlow(painter, rose, 30, QColor(255, 255, 255, 60));
    for (int i = 0; i < 5; ++i) {
        QPainterPath petal;
        petal.addEllipse(polar(rose, 8, -90 + i * 72.0), 8, 8);
        paintShape(painter, petal, kIvory, ink, 1.0);
    }
    for (int i = 0; i < 5; ++i) {
        QPainterPath tip;
        tip.addPolygon(QPolygonF{polar(rose, 9, -54 + i * 72.0), polar(rose, 16, -54 + i * 72.0),
                                 polar(rose, 9, -44 + i * 72.0)});
        tip.closeSubpath();
        paintShape(painter, tip, kLeaf, kLeafInk, 0.7);
    }
    QPainterPath heart;
    heart.addEllipse(rose, 5, 5);
    paintMetal(painter, heart, Metal::Gold, ink, 1.0);
}

void paintTemperance(QPainter& painter, const QColor& ink)
{
    // Water poured from one cup into the other, before the angel's sign: the triangle within the square.
    paintGlow(painter, QPointF(0, -4), 58, QColor(255, 236, 170, 90));
    QPainterPath sign;
    sign.addRect(QRectF(-36, -42, 72, 72));
    sign.addPolygon(QPolygonF{{0, -36}, {30, 24}, {-30, 24}, {0, -36}});
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(236, 196, 100, 210), 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(sign);

    QPainterPath pool;
    pool.addEllipse(QPointF(0, 54), 38, 7);
    const QLinearGradient shallow = verticalGradient(47, 61, QColor(130, 190, 245), QColor(40, 80, 160));
    paintShape(painter, pool, shallow, ink);

    paintTiltedChalice(painter, QPointF(-18, -26), 46, 55, ink);
    paintChalice(painter, QPointF(18, 28), 46, ink);
    QPainterPath stream;
    stream.moveTo(5, -27);
    stream.cubicTo(18, -26, 21, -12, 18, 6);
    paintShape(painter, thickLine(stream, 4.5, Qt::FlatCap), QColor(150, 200, 250), QColor(40, 80, 150), 1.0);
    painter.setPen(QPen(QColor(240, 250, 255), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stream);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 226, 255));
    painter.drawEllipse(QPointF(26, -8), 1.8, 2.4);
    painter.drawEllipse(QPointF(12, -20), 1.5, 2.0);
}

void paintDevil(QPainter& painter, const QColor& ink)
{
    // Bat wings, goat horns and the reversed pentagram; two chains hang from it.
    const QColor wingColour(70, 26, 40);
    for (const int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(side * 10, -18);
        wing.cubicTo(side * 24, -44, side * 40, -46, side * 49, -30);
        QPointF prev(side * 49, -30);
        for (int i = 0; i < 3; ++i) {
            const QPointF next(side * (38 - i * 12.0), 4 - i * 6.0);
            wing.quadTo((prev + next) / 2 + QPointF(-side * 2, -8), next);
            prev = next;
        }
        wing.lineTo(side * 10, 0);
        wing.closeSubpath();
        const QLinearGradient shade = verticalGradient(-46, 10, wingColour.lighter(160), wingColour);
        paintShape(painter, wing, shade, ink);

        QPainterPath horn;
        horn.moveTo(side * 8, -30);
        horn.cubicTo(side * 16, -50, side * 30, -58, side * 34, -66);
        horn.cubicTo(side * 30, -52, side * 22, -42, side * 20, -26);
        horn.closeSubpath();
        paintShape(painter, horn, QColor(236, 224, 196), ink);
    }

    const QPointF c(0, 2);
    QPainterPath ring;
    ring.addEllipse(c, 28, 28);
    QPainterPath hole;
    hole.addEllipse(c, 24, 24);
    QRadialGradient dark(c, 28);
    dark.setColorAt(0.0, QColor(80, 10, 20));
    dark.setColorAt(1.0, QColor(30, 4, 10));
    paintShape(painter, hole, dark, ink, 0.8);
    paintMetal(painter, ring.subtracted(hole), Metal::Gold, ink, 1.0);
    QPolygonF pentagram;
    for (int i = 0; i <= 5; ++i)
        pentagram << polar(c, 23, 90.0 + i * 144.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(250, 90, 50), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolyline(pentagram);

    for (const int side : {-1, 1}) {
        for (int i = 0; i < 4; ++i) {
            const QPointF at(side * (14 - i * 2.0), 36 + i * 8.0);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(120, 124, 140), 3.0));
            painter.drawEllipse(at, i % 2 == 0 ? 3.0 : 2.0, i % 2 == 0 ? 4.6 : 4.6);
            painter.setPen(QPen(QColor(210, 214, 226), 1.2));
            painter.drawEllipse(at, i % 2 == 0 ? 3.0 : 2.0, i % 2 == 0 ? 4.6 : 4.6);
        }
    }
}

namespace {

// One tongue of fire: round at its foot, pointed at its tip, the tip swaying by `lean`.
QPainterPath tonguePath(const QPointF& foot, double width, double height, double lean)
{
    const QPointF tip = foot + QPointF(lean, -height);
    QPainterPath tongue(foot + QPointF(0, width * 0.2));
    tongue.cubicTo(foot + QPointF(-width * 0.62, width * 0.2), foot + QPointF(-width * 0.5, -height * 0.45), tip);
    tongue.cubicTo(foot + QPointF(width * 0.5, -height * 0.45), foot + QPointF(width * 0.62, width * 0.2),
                   foot + QPointF(0, width * 0.2));
    tongue.closeSubpath();
    return tongue;
}

// Flames rising from `foot`: three tongues, the middle one tallest, red at the tips and yellow
// within.
void paintFire(QPainter& painter, const QPointF& foot, double width, double height)
{
    QPainterPath outer;
    QPainterPath inner;
    const struct {
        double x;
        double tall;
        double lean;
    } tongues[] = {{-0.3, 0.7, -0.18}, {0.0, 1.0, 0.1}, {0.3, 0.62, 0.22}};
    for (const auto& t : tongues) {
        const QPointF at = foot + QPointF(t.x * width, 0);
        outer = outer.united(tonguePath(at, width * 0.55, height * t.tall, t.lean * width));
        inner = inner.united(tonguePath(at + QPointF(0, -height * 0.04), width * 0.3, height * t.tall * 0.6,
                                        t.lean * width * 0.6));
    }
    QLinearGradient fire(foot, foot - QPointF(0, height));
    fire.setColorAt(0.0, QColor(255, 170, 40));
    fire.setColorAt(0.6, QColor(240, 90, 30));
    fire.setColorAt(1.0, QColor(200, 40, 20));
    paintShape(painter, outer, fire, QColor(140, 30, 16), 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 236, 130));
    painter.drawPath(inner);
}

} // namespace

void paintTower(QPainter& painter, const QColor& ink)
{
    // Tower on a crag, struck by lightning; its crown falls away and flames leap out.
    QPainterPath crag;
    crag.moveTo(-36, 66);
    crag.lineTo(-30, 58);
    crag.lineTo(-18, 60);
    crag.lineTo(0, 54);
    crag.lineTo(20, 60);
    crag.lineTo(30, 56);
    crag.lineTo(36, 66);
    crag.closeSubpath();
    paintMetal(painter, crag, Metal::Wood, ink);

    QPainterPath body;
    body.moveTo(-18, -30);
    for (int i = 0; i < 4; ++i) {
        const double x = -18 + i * 12.0;
        body.lineTo(x, -40);
        body.lineTo(x + 6, -40);
        body.lineTo(x + 6, -30);
        body.lineTo(x + 12, -30);
    }
    body.lineTo(30, -40);
    body.lineTo(30, -30);
    body.lineTo(24, 58);
    body.lineTo(-24, 58);
    body.lineTo(-18, -30);
    body.lineTo(-24, -30);
    body.lineTo(-24, -40);
    body.lineTo(-18, -40);
    body.closeSubpath();
    QLinearGradient stone(-24, 0, 30, 0);
    stone.setColorAt(0.0, QColor(214, 206, 190));
    stone.setColorAt(1.0, QColor(130, 122, 112));
    paintShape(painter, body.simplified(), stone, ink);
    painter.setPen(QPen(QColor(110, 100, 90), 0.8));
    for (int row = 0; row < 8; ++row) {
        const double y = -20 + row * 10.0;
        painter.drawLine(QPointF(-19 - row * 0.6, y), QPointF(25 + row * 0.6 - 6, y));
    }

    for (const QPointF& at : {QPointF(3, -16), QPointF(-8, 12), QPointF(12, 16)}) {
        QPainterPath window;
        window.addRoundedRect(QRectF(at.x() - 4, at.y() - 6, 8, 12), 3.5, 3.5);
        paintShape(painter, window, QColor(255, 200, 70), ink, 1.0);
        paintFire(painter, at + QPointF(0, -2), 11, 20);
    }
    QPainterPath door;
    door.addRoundedRect(QRectF(-6, 40, 12, 18), 5, 5);
    paintShape(painter, door, QColor(60, 40, 30), ink, 1.0);

    // Fire bursting from the top, the crown knocked off and falling away.
    paintFire(painter, QPointF(3, -38), 40, 30);
    painter.save();
    painter.translate(33, -46);
    painter.rotate(35);
    QPainterPath crown;
    crown.addPolygon(QPolygonF{{-12, 6}, {-13, -6}, {-6, 0}, {0, -9}, {6, 0}, {13, -6}, {12, 6}});
    crown.closeSubpath();
    paintMetal(painter, crown, Metal::Gold, ink);
    painter.restore();

    // The lightning strikes the top from the upper left.
    QPainterPath bolt;
    bolt.moveTo(-38, -70);
    bolt.lineTo(-24, -60);
    bolt.lineTo(-30, -57);
    bolt.lineTo(-14, -46);
    bolt.lineTo(-19, -44);
    bolt.lineTo(-6, -36);
    paintGlow(painter, QPointF(-22, -54), 24, QColor(255, 250, 200, 170));
    paintShape(painter, thickLine(bolt, 4.2, Qt::FlatCap), QColor(255, 250, 190), QColor(220, 110, 20), 1.2);
}

void paintStar(QPainter& painter, const QColor& ink)
{
    // The great eight-pointed star among seven small ones, above the pool.
    QPainterPath pool;
    pool.addEllipse(QPointF(0, 54), 40, 10);
    const QLinearGradient water = verticalGradient(44, 64, QColor(120, 180, 240), QColor(30, 70, 150));
    paintShape(painter, pool, water, ink);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(220, 240, 255), 1.2));
    for (const double y : {52.0, 58.0}) {
        QPainterPath wave;
        wave.moveTo(-26, y);
        for (int i = 0; i < 4; ++i)
            wave.quadTo(-26 + i * 13 + 6.5, y - 3, -26 + (i + 1) * 13.0, y);
        painter.drawPath(wave);
    }

    const QPointF c(0, -12);
    paintGlow(painter, c, 50, QColor(255, 240, 180, 150));
    QPainterPath big;
    big.addPolygon(starPolygon(c, 8, 36, 13));
    big.closeSubpath();
    paintMetal(painter, big, Metal::Gold, ink);
    QPainterPath inner;
    inner.addPolygon(starPolygon(c, 8, 16, 7, -67.5));
    inner.closeSubpath();
    paintShape(painter, inner, QColor(255, 252, 230), QColor(200, 150, 60), 0.8);

    for (const QPointF& at : {QPointF(-38, -50), QPointF(38, -50), QPointF(0, -62), QPointF(-44, -8), QPointF(44, -8),
                              QPointF(-32, 28), QPointF(32, 28)}) {
        QPainterPath small;
        small.addPolygon(starPolygon(at, 8, 8, 3));
        small.closeSubpath();
        paintShape(painter, small, QColor(255, 255, 246), QColor(180, 180, 210), 0.7);
    }
}

void paintMoon(QPainter& painter, const QColor& ink)
{
    // The moon with its rays shedding drops between two towers, over the pool.
    const QPointF c(0, -28);
    paintGlow(painter, c, 50, QColor(230, 236, 255, 130));
    QPainterPath rays;
    rays.addPolygon(starPolygon(c, 16, 34, 25));
    rays.closeSubpath();
    paintShape(painter, rays, QColor(244, 236, 190), QColor(180, 170, 120), 0.8);
    QPainterPath disc;
    disc.addEllipse(c, 24, 24);
    paintShape(painter, disc, QColor(214, 216, 230), ink);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(12, -3), 22, 22);
    QPainterPath crescent = disc.subtracted(bite);
    QLinearGradient light(c + QPointF(-24, 0), c + QPointF(0, 0));
    light.setColorAt(0.0, QColor(255, 250, 220));
    light.setColorAt(1.0, QColor(242, 226, 160));
    paintShape(painter, crescent, light, ink, 1.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 220, 120));
    for (int i = 0; i < 7; ++i) {
        const double x = -18 + i * 6.0;
        const double y = 8 + ((i % 2) ? 6 : 0);
        QPainterPath drop;
        drop.moveTo(x, y - 4);
        drop.quadTo(x + 2.4, y + 1, x, y + 2.6);
        drop.quadTo(x - 2.4, y + 1, x, y - 4);
        painter.drawPath(drop);
    }

    for (const int side : {-1, 1}) {
        const double x = side * 34;
        QPainterPath tower;
        tower.addRect(QRectF(x - 7, 12, 14, 46));
        tower.addRect(QRectF(x - 9, 6, 18, 7));
        QLinearGradient stone(x - 9, 0, x + 9, 0);
        stone.setColorAt(0.0, QColor(210, 204, 190));
        stone.setColorAt(1.0, QColor(130, 124, 116));
        paintShape(painter, tower.simplified(), stone, ink);
        QPainterPath window;
        window.addRoundedRect(QRectF(x - 2.5, 20, 5, 9), 2.4, 2.4);
        paintShape(painter, window, QColor(255, 214, 100), ink, 0.8);
    }

    QPainterPath pool;
    pool.moveTo(-44, 52);
    pool.quadTo(0, 42, 44, 52);
    pool.lineTo(36, 64);
    pool.lineTo(-36, 64);
    pool.closeSubpath();
    const QLinearGradient water = verticalGradient(44, 64, QColor(110, 170, 230), QColor(30, 60, 140));
    paintShape(painter, pool, water, ink);
    QPainterPath road;
    road.moveTo(-3, 50);
    road.cubicTo(-10, 40, 10, 30, 0, 22);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 210, 160), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(road);
}

void paintSun(QPainter& painter, const QColor& ink)
{
    // Smiling sun with straight and wavy rays.
    const QPointF c(0, 0);
    paintGlow(painter, c, 62, QColor(255, 220, 120, 150));
    constexpr int rays = 16;
    for (int i = 0; i < rays; ++i) {
        const double angle = -90.0 + i * 360.0 / rays;
        QPainterPath ray;
        if (i % 2 == 0) {
            ray.addPolygon(QPolygonF{polar(c, 24, angle - 9), polar(c, 49, angle), polar(c, 24, angle + 9)});
            ray.closeSubpath();
            paintMetal(painter, ray, Metal::Gold, ink, 1.0);
        } else {
            QPainterPath wave;
            wave.moveTo(polar(c, 26, angle));
            wave.cubicTo(polar(c, 31, angle + 7), polar(c, 35, angle - 7), polar(c, 41, angle));
            paintShape(painter, thickLine(wave, 3.4), QColor(250, 170, 50), ink, 0.9);
        }
    }
    QPainterPath disc;
    disc.addEllipse(c, 25, 25);
    QRadialGradient face(c + QPointF(-6, -8), 32);
    face.setColorAt(0.0, QColor(255, 240, 150));
    face.setColorAt(1.0, QColor(244, 170, 50));
    paintShape(painter, disc, face, ink);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 80, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath features;
    features.moveTo(-12, -5);
    features.quadTo(-8, -9, -4, -5);
    features.moveTo(4, -5);
    features.quadTo(8, -9, 12, -5);
    features.moveTo(0, -2);
    features.quadTo(2, 3, -1, 5);
    features.moveTo(-9, 10);
    features.quadTo(0, 17, 9, 10);
    painter.drawPath(features);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 120, 60, 110));
    painter.drawEllipse(QPointF(-13, 5), 4, 3);
    painter.drawEllipse(QPointF(13, 5), 4, 3);
}

void paintJudgement(QPainter& painter, const QColor& ink)
{
    // The angel's trumpet sounding from a cloud, the banner with the red cross hanging from it.
    const QPointF mouth(-32, -44);
    const QPointF bell(26, 10);
    const double length = std::hypot(bell.x() - mouth.x(), bell.y() - mouth.y());
    const double angle = qRadiansToDegrees(std::atan2(bell.y() - mouth.y(), bell.x() - mouth.x()));

    // Banner hangs straight down from two rings on the trumpet.
    const QPointF along = (bell - mouth) / length;
    const QPointF ringA = mouth + along * (length * 0.32);
    const QPointF ringB = mouth + along * (length * 0.62);
    QPainterPath banner;
    banner.moveTo(ringA);
    banner.lineTo(ringB);
    banner.lineTo(ringB + QPointF(0, 30));
    banner.lineTo((ringA + ringB) / 2 + QPointF(0, 36));
    banner.lineTo(ringA + QPointF(0, 44));
    banner.closeSubpath();
    paintShape(painter, banner, kIvory, ink);
    const QPointF mid = (ringA + ringB) / 2 + QPointF(0, 18);
    painter.setPen(QPen(kCrimson, 4.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(mid + QPointF(0, -11), mid + QPointF(0, 13));
    painter.drawLine(mid + QPointF(-10, 0), mid + QPointF(10, 0));

    painter.save();
    painter.translate(mouth);
    painter.rotate(angle);
    QPainterPath horn;
    horn.moveTo(0, -2);
    horn.lineTo(length * 0.72, -2.2);
    horn.cubicTo(length * 0.86, -3, length * 0.96, -8, length, -13);
    horn.lineTo(length, 13);
    horn.cubicTo(length * 0.96, 8, length * 0.86, 3, length * 0.72, 2.2);
    horn.lineTo(0, 2);
    horn.closeSubpath();
    paintMetal(painter, horn, Metal::Gold, ink);
    QPainterPath cup;
    cup.addEllipse(QPointF(-1, 0), 3.5, 4.5);
    paintMetal(painter, cup, Metal::Gold, ink, 1.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 240, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 3; ++i) {
        const double r = 6.0 + i * 6.0;
        painter.drawArc(QRectF(length + 2 - r, -r, 2 * r, 2 * r), -35 * 16, 70 * 16);
    }
    painter.restore();

    // Cloud the call comes from.
    QPainterPath cloud;
    for (const auto& [at, r] : {std::pair{QPointF(-36, -48), 9.0}, std::pair{QPointF(-26, -56), 10.0},
                                std::pair{QPointF(-13, -52), 8.0}, std::pair{QPointF(-28, -42), 9.0},
                                std::pair{QPointF(-40, -38), 6.0}}) {
        QPainterPath puff;
        puff.addEllipse(at, r, r);
        cloud = cloud.united(puff);
    }
    const QLinearGradient white = verticalGradient(-68, -34, QColor(255, 255, 255), QColor(190, 200, 226));
    paintShape(painter, cloud, white, QColor(120, 130, 170));

    // The dead rise with open arms from the ground below.
    for (const double x : {-28.0, 0.0, 28.0}) {
        QPainterPath figure;
        figure.addEllipse(QPointF(x, 42), 4.2, 4.2);
        paintShape(painter, figure, kSkin, ink, 1.0);
        QPainterPath arms;
        arms.moveTo(x - 10, 34);
        arms.lineTo(x, 50);
        arms.lineTo(x + 10, 34);
        arms.moveTo(x, 46);
        arms.lineTo(x, 60);
        paintShape(painter, thickLine(arms, 3.6), kSkin, ink, 0.9);
    }
    QPainterPath ground;
    ground.addRoundedRect(QRectF(-38, 58, 76, 7), 3, 3);
    paintShape(painter, ground, QColor(90, 110, 150), ink);
}

void paintWorld(QPainter& painter, const QColor& ink)
{
    // Laurel wreath tied with red ribbons at top and bottom around the globe.
    const double rx = 34;
    const double ry = 56;
    const QPointF globe(0, 0);
    QPainterPath sphere;
    sphere.addEllipse(globe, 20, 20);
    QRadialGradient sea(globe + QPointF(-6, -7), 26);
    sea.setColorAt(0.0, QColor(140, 200, 250));
    sea.setColorAt(1.0, QColor(30, 70, 160));
    paintShape(painter, sphere, sea, ink);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(220, 240, 255, 180), 1.0));
    painter.drawEllipse(globe, 9, 20);
    painter.drawLine(globe + QPointF(0, -20), globe + QPointF(0, 20));
    painter.drawLine(globe + QPointF(-20, 0), globe + QPointF(20, 0));
    painter.drawArc(QRectF(-18, -14, 36, 10), 0, 180 * 16);
    painter.drawArc(QRectF(-18, 4, 36, 10), 180 * 16, 180 * 16);

    constexpr int leaves = 22;
    for (const int side : {-1, 1}) {
        for (int i = 0; i < leaves; ++i) {
            // From just beside the lower tie round to just beside the upper one.
            const double t = qDegreesToRadians(90.0 + side * (14.0 + i * 152.0 / (leaves - 1)));
            const QPointF at(rx * std::cos(t), ry * std::sin(t));
            const QPointF tangent(-rx * std::sin(t) * side, ry * std::cos(t) * side);
            const double heading = qRadiansToDegrees(std::atan2(-tangent.y(), -tangent.x()));
            for (const int lean : {-1, 1}) {
                painter.save();
                painter.translate(at);
                painter.rotate(heading + lean * 35);
                QPainterPath leaf;
                leaf.moveTo(0, 0);
                leaf.quadTo(5, -3.4, 11, 0);
                leaf.quadTo(5, 3.4, 0, 0);
                const QLinearGradient green = verticalGradient(-3, 3, kLeaf.lighter(130), kLeaf.darker(120));
                paintShape(painter, leaf, green, kLeafInk, 0.7);
                painter.restore();
            }
        }
    }

    for (const double y : {-ry, ry}) {
        const QPointF knot(0, y);
        for (const int side : {-1, 1}) {
            QPainterPath loop;
            loop.moveTo(knot);
            loop.cubicTo(knot + QPointF(side * 6, -9), knot + QPointF(side * 16, -7), knot + QPointF(side * 14, 0));
            loop.cubicTo(knot + QPointF(side * 16, 7), knot + QPointF(side * 6, 9), knot);
            paintShape(painter, loop, kCrimson, ink, 1.0);
        }
        QPainterPath middle;
        middle.addEllipse(knot, 3.2, 3.2);
        paintShape(painter, middle, kCrimson.darker(120), ink, 1.0);
    }
}

} // namespace pictures::tarot

#include "tarot_figures.h"

#include "tarot_major_parts.h"

#include <QLinearGradient>
#include <QtMath>
#include <cmath>

namespace pictures::tarot {

namespace {

const QColor kRuby(176, 30, 44);
const QColor kSapphire(40, 80, 170);
const QColor kEmerald(30, 130, 80);
const QColor kPearl(250, 248, 240);
const QColor kCheek(236, 140, 140, 130);

// Proportions of a figure, as fractions of its height.
struct Build {
    double head;      // radius of the head
    double shoulders; // half width at the shoulders
    double waist;     // height of the waist above the ground
    double hem;       // height of the hem above the ground
    double hemHalf;   // half width at the hem
    double limb;      // thickness of arms and legs
};

Build buildOf(Dress dress)
{
    switch (dress) {
    case Dress::Tunic:
        return {0.095, 0.14, 0.52, 0.3, 0.16, 0.065};
    case Dress::Gown:
        return {0.095, 0.14, 0.55, 0.0, 0.22, 0.065};
    case Dress::SeatedGown:
        return {0.13, 0.19, 0.56, 0.0, 0.24, 0.085};
    }
    return {0.095, 0.14, 0.52, 0.3, 0.16, 0.065};
}

QLinearGradient clothBrush(const QRectF& rect, const QColor& colour)
{
    QLinearGradient brush(rect.topLeft(), rect.topRight());
    brush.setColorAt(0.0, colour.lighter(128));
    brush.setColorAt(0.55, colour);
    brush.setColorAt(1.0, colour.darker(135));
    return brush;
}

// The elbow of an arm of two equal parts from `shoulder` to `hand`, bent away from the body's
// middle line `middleX`.
QPointF elbowOf(const QPointF& shoulder, const QPointF& hand, double part, double middleX)
{
    const QPointF span = hand - shoulder;
    const double reach = std::hypot(span.x(), span.y());
    const QPointF mid = (shoulder + hand) / 2.0;
    if (reach >= 2.0 * part || reach < 1e-6)
        return mid;
    const double bend = std::sqrt(part * part - reach * reach / 4.0);
    QPointF normal(-span.y() / reach, span.x() / reach);
    // The elbow points away from the body and, as the arm hangs, downwards.
    const double side = shoulder.x() < middleX ? -1.0 : 1.0;
    if (normal.x() * side + normal.y() * 0.8 < 0)
        normal = -normal;
    return mid + normal * bend;
}

void paintArm(QPainter& painter, const QPointF& shoulder, const QPointF& hand, double height, const Build& build,
              double middleX, const Clothes& clothes, const QColor& ink)
{
    const QPointF elbow = elbowOf(shoulder, hand, height * 0.19, middleX);
    QPainterPath arm(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(hand);
    const QPainterPath sleeve = thickLine(arm, height * build.limb);
    paintShape(painter, sleeve, clothBrush(sleeve.boundingRect(), clothes.robe), ink, 1.0);
    paintHand(painter, hand, height, ink);
}

QPainterPath bodyPath(double x, double ground, double height, const Build& build, Dress dress, double shoulderY)
{
    const double sw = height * build.shoulders;
    const double waistY = ground - height * build.waist;
    const double waistHalf = height * 0.085 * (dress == Dress::SeatedGown ? 1.3 : 1.0);
    const double hemY = ground - height * build.hem;
    const double hemHalf = height * build.hemHalf;
    QPainterPath body;
    body.moveTo(x - sw * 0.55, shoulderY - height * 0.012);
    body.lineTo(x + sw * 0.55, shoulderY - height * 0.012);
    body.quadTo(x + sw, shoulderY, x + sw, shoulderY + height * 0.05);
    body.lineTo(x + waistHalf, waistY);
    if (dress == Dress::SeatedGown) {
        // The lap over the knees, then the skirt falling to the feet.
        const double kneeY = ground - height * 0.34;
        body.quadTo(x + hemHalf * 1.05, waistY + height * 0.04, x + hemHalf, kneeY);
        body.lineTo(x + hemHalf * 0.86, hemY);
        body.quadTo(x, hemY + height * 0.02, x - hemHalf * 0.86, hemY);
        body.lineTo(x - hemHalf, kneeY);
        body.quadTo(x - hemHalf * 1.05, waistY + height * 0.04, x - waistHalf, waistY);
    } else {
        body.quadTo(x + hemHalf * 0.7, (waistY + hemY) / 2.0, x + hemHalf, hemY);
        body.quadTo(x, hemY + height * 0.025, x - hemHalf, hemY);
        body.quadTo(x - hemHalf * 0.7, (waistY + hemY) / 2.0, x - waistHalf, waistY);
    }
    body.lineTo(x - sw, shoulderY + height * 0.05);
    body.quadTo(x - sw, shoulderY, x - sw * 0.55, shoulderY - height * 0.012);
    body.closeSubpath();
    return body;
}

void paintLegs(QPainter& painter, const Person& person, double x, double hemY, const Build& build, const QColor& ink)
{
    const double h = person.height;
    for (const auto& [hip, foot] : {std::pair{QPointF(x - h * 0.045, hemY - h * 0.03), person.leftFoot},
                                    std::pair{QPointF(x + h * 0.045, hemY - h * 0.03), person.rightFoot}}) {
        const QPointF ankle = foot - QPointF(0, h * 0.02);
        const QPainterPath leg = thickLine(hip, ankle, h * build.limb, Qt::FlatCap);
        paintShape(painter, leg, clothBrush(leg.boundingRect(), person.clothes.hose), ink, 1.0);
    }
}

void paintShoes(QPainter& painter, const Person& person, double x, const QColor& ink)
{
    const double h = person.height;
    for (const QPointF& foot : {person.leftFoot, person.rightFoot}) {
        const double out = foot.x() < x ? -1.0 : 1.0;
        QPainterPath shoe;
        shoe.addEllipse(foot + QPointF(out * h * 0.012, -h * 0.015), h * 0.05, h * 0.026);
        paintShape(painter, shoe, person.clothes.hose.darker(150), ink, 1.0);
    }
}

void paintFace(QPainter& painter, const Person& person, const Head& head, const QColor& ink)
{
    const QPointF c = head.centre;
    const double r = head.radius;
    const QPointF turn(person.look * r * 0.28, 0);

    if (person.longHair) {
        QPainterPath locks;
        locks.addRoundedRect(QRectF(c.x() - r * 1.15, c.y() - r * 0.6, r * 2.3, r * 2.4), r * 0.8, r * 0.8);
        paintShape(painter, locks, person.clothes.hair, ink, 1.0);
    }
    QPainterPath face;
    face.addEllipse(c, r * 0.92, r);
    paintShape(painter, face, kSkin, ink, 1.1);

    QPainterPath cap;
    cap.addEllipse(c + QPointF(0, -r * 0.08), r * 1.02, r * 1.0);
    QPainterPath forehead;
    forehead.addEllipse(c + turn + QPointF(0, r * 0.42), r * 0.86, r * 0.9);
    paintShape(painter, cap.subtracted(forehead), person.clothes.hair, ink, 1.0);

    if (person.beard) {
        QPainterPath beard;
        beard.moveTo(c + QPointF(-r * 0.9, r * 0.05));
        beard.quadTo(c + QPointF(-r * 0.8, r * 1.5), c + turn + QPointF(0, r * 1.75));
        beard.quadTo(c + QPointF(r * 0.8, r * 1.5), c + QPointF(r * 0.9, r * 0.05));
        beard.quadTo(c + turn + QPointF(0, r * 0.7), c + QPointF(-r * 0.9, r * 0.05));
        beard.closeSubpath();
        paintShape(painter, beard, person.clothes.hair, ink, 1.0);
    }

    painter.setPen(Qt::NoPen);
    if (!person.beard) {
        painter.setBrush(kCheek);
        for (const int side : {-1, 1})
            painter.drawEllipse(c + turn + QPointF(side * r * 0.5, r * 0.38), r * 0.2, r * 0.14);
    }
    painter.setBrush(ink);
    for (const int side : {-1, 1})
        painter.drawEllipse(c + turn + QPointF(side * r * 0.34, r * 0.08), r * 0.11, r * 0.13);
    QPainterPath mouth;
    mouth.moveTo(c + turn + QPointF(-r * 0.26, r * 0.52));
    mouth.quadTo(c + turn + QPointF(0, r * 0.7), c + turn + QPointF(r * 0.26, r * 0.52));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(person.beard ? QColor(250, 230, 210) : ink, std::max(0.8, r * 0.1), Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
}

} // namespace

void paintHand(QPainter& painter, const QPointF& at, double height, const QColor& ink)
{
    QPainterPath hand;
    hand.addEllipse(at, height * 0.034, height * 0.034);
    paintShape(painter, hand, kSkin, ink, 1.0);
}

Head paintPerson(QPainter& painter, const Person& person, const QColor& ink)
{
    const Build build = buildOf(person.dress);
    const double h = person.height;
    const double x = (person.leftFoot.x() + person.rightFoot.x()) / 2.0;
    const double ground = std::max(person.leftFoot.y(), person.rightFoot.y());
    Head head{QPointF(x, ground - h + h * build.head), h * build.head};
    const double shoulderY = head.centre.y() + head.radius + h * 0.035;

    if (person.dress == Dress::Tunic) {
        paintLegs(painter, person, x, ground - h * build.hem, build, ink);
        paintShoes(painter, person, x, ink);
    }

    QPainterPath neck;
    neck.addRect(QRectF(x - h * 0.035, head.centre.y(), h * 0.07, shoulderY - head.centre.y() + h * 0.01));
    paintShape(painter, neck, kSkin, ink, 1.0);

    const QPainterPath body = bodyPath(x, ground, h, build, person.dress, shoulderY);
    paintShape(painter, body, clothBrush(body.boundingRect(), person.clothes.robe), ink);
    // Belt at the waist and a band along the hem.
    const double waistY = ground - h * build.waist;
    const double waistHalf = h * 0.085 * (person.dress == Dress::SeatedGown ? 1.3 : 1.0);
    painter.setPen(QPen(person.clothes.trim, h * 0.025, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x - waistHalf, waistY), QPointF(x + waistHalf, waistY));
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(person.clothes.trim, h * 0.03));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body.translated(0, -h * 0.012));
    painter.restore();
    // Under a gown only the tips of the shoes show.
    if (person.dress != Dress::Tunic)
        paintShoes(painter, person, x, ink);

    const double sw = h * build.shoulders;
    paintArm(painter, QPointF(x - sw * 0.82, shoulderY + h * 0.03), person.leftHand, h, build, x, person.clothes, ink);
    paintArm(painter, QPointF(x + sw * 0.82, shoulderY + h * 0.03), person.rightHand, h, build, x, person.clothes, ink);

    paintFace(painter, person, head, ink);
    return head;
}

void paintCrown(QPainter& painter, const QPointF& base, double width, double height, int points, bool pearls,
                const QColor& ink)
{
    painter.save();
    painter.translate(base);
    const double half = width / 2.0;
    const double bandHeight = height * 0.3;
    const double valley = -bandHeight - height * 0.16;
    auto spikeX = [&](int i) { return (-half + width * i / (points - 1)) * 1.04; };
    auto rise = [&](double x) { return height * (1.0 - 0.22 * std::abs(x / (half * 1.04))); };
    QPainterPath crown;
    crown.moveTo(-half, 0);
    crown.lineTo(-half * 1.04, -bandHeight);
    for (int i = 0; i < points; ++i) {
        const double x = spikeX(i);
        if (i > 0) {
            const double mid = (spikeX(i - 1) + x) / 2.0;
            crown.quadTo(QPointF(mid, valley + height * 0.08), QPointF(mid, valley));
        }
        crown.lineTo(x, -rise(x));
    }
    crown.lineTo(half * 1.04, -bandHeight);
    crown.lineTo(half, 0);
    crown.closeSubpath();
    paintMetal(painter, crown, Metal::Gold, ink, 1.0);

    const QColor gems[] = {kSapphire, kRuby, kEmerald, kRuby, kSapphire};
    for (int i = 0; i < points; ++i) {
        const double x = spikeX(i);
        const double tipR = height * (pearls ? 0.12 : 0.1);
        QPainterPath ball;
        ball.addEllipse(QPointF(x, -rise(x) - tipR * 0.6), tipR, tipR);
        if (pearls) {
            paintShape(painter, ball, kPearl, ink, 0.8);
        } else {
            paintMetal(painter, ball, Metal::Gold, ink, 0.8);
            QPainterPath gem;
            gem.addEllipse(QPointF(x * 0.85, -bandHeight / 2.0), bandHeight * 0.34, bandHeight * 0.3);
            paintShape(painter, gem, gems[i % 5], ink, 0.7);
        }
    }
    painter.restore();
}

} // namespace pictures::tarot

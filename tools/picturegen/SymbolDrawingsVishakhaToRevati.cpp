#include "DrawingStyle.h"
#include "SymbolDrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

using namespace style;

namespace symbols {

// Vishakha: a potter's wheel turning, with a pot being thrown on it.
void paintPottersWheel(QPainter& p)
{
    fillOutlined(p, polygonPath({{-12, 34}, {12, 34}, {20, 70}, {-20, 70}}), QColor(wood)); // spindle
    fillOutlined(p, ellipsePath({0, 72}, 46, 10), QColor(woodLight)); // base
    fillOutlined(p, ellipsePath({0, 30}, 74, 14), QColor(wood)); // wheel rim
    fillOutlined(p, ellipsePath({0, 24}, 74, 14), QColor(woodLight)); // wheel top

    QPainterPath pot;
    pot.moveTo(-14, 26);
    pot.cubicTo(-52, 20, -52, -34, -16, -40);
    pot.quadTo(-10, -48, -20, -56);
    pot.lineTo(20, -56);
    pot.quadTo(10, -48, 16, -40);
    pot.cubicTo(52, -34, 52, 20, 14, 26);
    pot.closeSubpath();
    fillOutlined(p, pot, QColor(clay));
    strokeDetail(p, linePath({{-36, -12}, {36, -12}}), QColor(0xffe39a62));
    QPainterPath spin;
    spin.moveTo(-84, 8);
    spin.quadTo(-92, 24, -80, 40);
    spin.moveTo(84, 8);
    spin.quadTo(92, 24, 80, 40);
    strokeDetail(p, spin);
}

// Anuradha: a lotus flower in bloom above a leaf.
void paintLotus(QPainter& p)
{
    fillOutlined(p, ellipsePath({0, 50}, 76, 18), QColor(green));
    strokeDetail(p, linePath({{0, 50}, {-40, 42}}), QColor(greenLight));
    strokeDetail(p, linePath({{0, 50}, {40, 42}}), QColor(greenLight));

    const QPointF base(0, 40);
    auto petal = [&p, base](qreal angle, qreal length, qreal width, QColor colour) {
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(width, -length * 0.3, width * 0.8, -length * 0.8, 0, -length);
        shape.cubicTo(-width * 0.8, -length * 0.8, -width, -length * 0.3, 0, 0);
        shape.closeSubpath();
        QTransform place;
        place.translate(base.x(), base.y());
        place.rotate(angle);
        fillOutlined(p, place.map(shape), colour);
        strokeDetail(p, place.map(linePath({{0, -length * 0.2}, {0, -length * 0.75}})), QColor(pinkDark));
    };
    for (const qreal angle : {-66.0, 66.0}) {
        petal(angle, 76, 24, QColor(pink));
    }
    for (const qreal angle : {-40.0, 40.0}) {
        petal(angle, 94, 26, QColor(pink));
    }
    for (const qreal angle : {-16.0, 16.0}) {
        petal(angle, 104, 26, QColor(0xfff7b3ca));
    }
    petal(0, 110, 28, QColor(0xfffbd0de));
}

// Jyeshtha: an open umbrella with a curved handle.
void paintUmbrella(QPainter& p)
{
    QPainterPath shaft;
    shaft.moveTo(0, -70);
    shaft.lineTo(0, 56);
    shaft.quadTo(0, 72, -14, 72);
    shaft.quadTo(-24, 72, -24, 62);
    tube(p, shaft, 8, QColor(wood));

    QPainterPath canopy;
    canopy.moveTo(-76, -2);
    canopy.cubicTo(-76, -50, -40, -74, 0, -74);
    canopy.cubicTo(40, -74, 76, -50, 76, -2);
    constexpr int scallops = 4;
    for (int i = 0; i < scallops; ++i) {
        const qreal right = 76 - i * 38.0;
        canopy.quadTo(right - 19, -18, right - 38, -2);
    }
    canopy.closeSubpath();
    fillOutlined(p, canopy, QColor(red));
    QPainterPath ribs;
    for (const qreal x : {-38.0, 0.0, 38.0}) {
        ribs.moveTo(0, -72);
        ribs.quadTo(x * 0.6, -40, x, -4);
    }
    strokeDetail(p, ribs);
    spot(p, QPointF(0, -78), 5, QColor(ink));
}

// Moola: the tail of a lion, curving up from the haunch to its dark tuft.
void paintLionTail(QPainter& p)
{
    p.save();
    p.setClipPath(circlePath({0, 0}, 99)); // the lion walks out of the disc
    const QTransform place = QTransform::fromTranslate(4, 8).scale(0.86, 0.86); // shapes only: line weights stay
    QPainterPath hindquarters; // rump and hind leg of a lion walking off to the right
    hindquarters.moveTo(140, -18);
    hindquarters.lineTo(40, -16);
    hindquarters.cubicTo(10, -16, 2, 10, 8, 30); // rump
    hindquarters.cubicTo(12, 46, 26, 52, 22, 64); // thigh down to the hock
    hindquarters.lineTo(24, 82);
    hindquarters.quadTo(20, 92, 32, 92);
    hindquarters.lineTo(54, 92); // paw
    hindquarters.quadTo(60, 84, 46, 80);
    hindquarters.lineTo(42, 66);
    hindquarters.cubicTo(44, 50, 58, 40, 62, 28); // front of the leg up to the knee
    hindquarters.cubicTo(72, 40, 96, 42, 140, 40); // belly
    hindquarters.closeSubpath();
    fillOutlined(p, place.map(hindquarters), QColor(tawny));

    QPainterPath tail;
    tail.moveTo(16, -6);
    tail.cubicTo(-12, -8, -24, 30, -52, 20);
    tail.cubicTo(-76, 10, -68, -22, -54, -40);
    tube(p, place.map(tail), 10, QColor(tawny));

    QPainterPath tuft; // the dark tassel of hair that marks a lion's tail
    tuft.moveTo(-44, -36);
    tuft.cubicTo(-30, -50, -28, -70, -34, -86);
    for (const QPointF& point : {QPointF(-40, -80), QPointF(-44, -100), QPointF(-50, -86), QPointF(-58, -98),
                                 QPointF(-60, -82), QPointF(-70, -88)}) {
        tuft.lineTo(point);
    }
    tuft.cubicTo(-74, -66, -70, -48, -56, -34);
    tuft.closeSubpath();
    fillOutlined(p, place.map(tuft), QColor(0xff6b3a1a));
    p.restore();
}

// Purva Ashadha: the tusk of an elephant with a gold band at its root.
void paintTusk(QPainter& p)
{
    QPainterPath tusk;
    tusk.moveTo(-30, 64);
    tusk.cubicTo(22, 72, 70, 34, 66, -60); // underside, out to the tip
    tusk.quadTo(62, -70, 56, -60); // rounded tip
    tusk.cubicTo(50, 6, 4, 30, -50, 26); // upper side, back to the root
    tusk.closeSubpath();
    fillOutlined(p, tusk, QColor(ivory));
    QPainterPath grain;
    grain.moveTo(-24, 46);
    grain.cubicTo(20, 48, 56, 20, 60, -40);
    strokeDetail(p, grain, QColor(0xffd9c9a3));

    QPainterPath lip; // the corner of the elephant's mouth that the tusk grows from
    lip.moveTo(-104, -6);
    lip.cubicTo(-70, -10, -34, 10, -30, 44);
    lip.cubicTo(-28, 64, -40, 84, -30, 104);
    lip.lineTo(-104, 104);
    lip.closeSubpath();
    p.save();
    p.setClipPath(circlePath({0, 0}, 99));
    fillOutlined(p, lip, QColor(0xff9aa3ad));
    QPainterPath wrinkles;
    for (const qreal y : {16.0, 34.0, 52.0}) {
        wrinkles.moveTo(-90, y - 10);
        wrinkles.quadTo(-64, y - 14, -48, y);
    }
    strokeDetail(p, wrinkles, QColor(steelDark));
    p.restore();
}

// Uttara Ashadha: a small cot, a rope-strung frame on four legs, in perspective.
void paintSmallCot(QPainter& p)
{
    const QPointF backLeft(-46, -26), backRight(72, -26), frontRight(50, 14), frontLeft(-72, 14);
    QList<QPair<QPainterPath, qreal>> legs;
    for (const QPointF& corner : {backLeft, backRight}) {
        legs.append({linePath({corner, corner + QPointF(0, 40)}), 9});
    }
    tubes(p, legs, QColor(wood));

    const QPainterPath bed = polygonPath({backLeft, backRight, frontRight, frontLeft});
    fillOutlined(p, bed, QColor(0xffe6cfa0));
    QPainterPath weave;
    for (int i = 1; i < 12; ++i) {
        const qreal t = i / 12.0;
        const QPointF back = backLeft + (backRight - backLeft) * t;
        const QPointF front = frontLeft + (frontRight - frontLeft) * t;
        weave.moveTo(back - QPointF(30, 0));
        weave.lineTo(front + QPointF(30, 0));
        weave.moveTo(back + QPointF(30, 0));
        weave.lineTo(front - QPointF(30, 0));
    }
    p.save();
    p.setClipPath(bed);
    strokeDetail(p, weave, QColor(0xffa27c45));
    p.restore();
    tube(p, polygonPath({backLeft, backRight, frontRight, frontLeft}), 9, QColor(wood));

    legs.clear();
    for (const QPointF& corner : {frontLeft, frontRight}) {
        legs.append({linePath({corner, corner + QPointF(0, 44)}), 10});
    }
    tubes(p, legs, QColor(wood));
}

// Shravana: a human ear, the right one, seen from the side.
void paintEar(QPainter& p)
{
    QPainterPath ear;
    ear.moveTo(-26, -50);
    ear.cubicTo(-14, -84, 42, -88, 48, -40); // top of the helix
    ear.cubicTo(52, -10, 30, 8, 24, 30); // back edge
    ear.cubicTo(20, 56, 12, 80, -8, 78); // down to the lobe
    ear.cubicTo(-26, 76, -26, 56, -20, 44); // front of the lobe
    ear.quadTo(-34, 32, -30, 14); // tragus
    ear.cubicTo(-28, -10, -36, -30, -26, -50);
    ear.closeSubpath();
    fillOutlined(p, ear, QColor(skin));

    QPainterPath bowl;
    bowl.moveTo(-14, -8);
    bowl.cubicTo(-4, -30, 26, -30, 24, -4);
    bowl.cubicTo(22, 14, 6, 24, -4, 30);
    bowl.quadTo(-18, 28, -16, 10);
    bowl.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(skinDark));
    p.drawPath(bowl);

    QPainterPath helixRim;
    helixRim.moveTo(-16, -48);
    helixRim.cubicTo(-2, -72, 36, -68, 34, -38);
    helixRim.cubicTo(32, -16, 14, 2, 10, 26);
    helixRim.cubicTo(8, 44, 0, 54, -10, 56);
    strokeDetail(p, helixRim);
    QPainterPath antihelix;
    antihelix.moveTo(-12, -34);
    antihelix.cubicTo(4, -46, 22, -40, 20, -18);
    strokeDetail(p, antihelix);
}

// Dhanistha: a two-headed musical drum with lacing, seen from the side.
void paintDrum(QPainter& p)
{
    QPainterPath barrel;
    barrel.moveTo(-70, -30);
    barrel.cubicTo(-36, -46, 36, -46, 70, -30);
    barrel.lineTo(70, 30);
    barrel.cubicTo(36, 46, -36, 46, -70, 30);
    barrel.closeSubpath();
    fillOutlined(p, barrel, QColor(wood));
    QPainterPath lacing;
    for (int i = 0; i < 8; ++i) {
        const qreal top = -66 + i * 18.0;
        lacing.moveTo(top, i % 2 == 0 ? -30 : 30);
        lacing.lineTo(top + 18, i % 2 == 0 ? 30 : -30);
    }
    p.save();
    p.setClipPath(barrel);
    strokeDetail(p, lacing, QColor(ivory));
    p.restore();
    fillOutlined(p, ellipsePath({-70, 0}, 10, 30), QColor(ivory));
    fillOutlined(p, ellipsePath({70, 0}, 12, 32), QColor(ivory));
    spot(p, QPointF(70, 0), 8, QColor(ink));
}

// Shatabhisha: a round cluster of a hundred flowers, drawn as rings of small blossoms.
void paintHundredFlowers(QPainter& p)
{
    fillOutlined(p, circlePath({0, 0}, 82), QColor(green));
    constexpr std::array<QRgb, 4> colours = {style::red, style::white, style::pink, style::orange};
    constexpr std::array<int, 4> ringCounts = {1, 6, 12, 18};
    int drawn = 0;
    for (int ring = 0; ring < 4; ++ring) {
        for (int i = 0; i < ringCounts[ring]; ++i) {
            const QPointF centre = polar({0, 0}, ring * 21.0, i * 360.0 / ringCounts[ring] + ring * 15.0);
            const QColor petalColour(colours[drawn++ % colours.size()]);
            QPainterPath petals;
            for (int k = 0; k < 5; ++k) {
                petals.addEllipse(polar(centre, 5, k * 72.0 - 90), 4.6, 4.6);
            }
            petals.setFillRule(Qt::WindingFill);
            p.setPen(QPen(QColor(ink), 1.6));
            p.setBrush(petalColour);
            p.drawPath(petals.simplified());
            spot(p, centre, 2.6, QColor(discYellow));
        }
    }
}

// Poorva Bhadrapada: a straight sword, point up, with a gold cross-guard.
void paintSword(QPainter& p)
{
    p.save();
    p.rotate(40);
    p.translate(0, 10);
    QPainterPath blade;
    blade.moveTo(-10, 30);
    blade.lineTo(-10, -72);
    blade.lineTo(0, -98);
    blade.lineTo(10, -72);
    blade.lineTo(10, 30);
    blade.closeSubpath();
    fillOutlined(p, blade, QColor(steel));
    strokeDetail(p, linePath({{0, 24}, {0, -76}}), QColor(steelDark));
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-8, 34, 16, 34), 5, 5);
    fillOutlined(p, grip, QColor(red));
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-36, 24, 72, 13), 6, 6);
    fillOutlined(p, guard, QColor(orange));
    fillOutlined(p, circlePath({0, 76}, 11), QColor(orange));
    p.restore();
}

// Uttara Bhadrapada: twins, two alike children holding hands.
void paintTwins(QPainter& p)
{
    for (const qreal x : {-30.0, 30.0}) {
        QList<QPair<QPainterPath, qreal>> legs;
        legs.append({linePath({{x - 8, 28}, {x - 9, 70}}), 10});
        legs.append({linePath({{x + 8, 28}, {x + 9, 70}}), 10});
        tubes(p, legs, QColor(skin));
        const qreal inward = x < 0 ? 1.0 : -1.0;
        tube(p, linePath({{x - inward * 16, -16}, {x - inward * 26, 20}}), 9, QColor(skin)); // outer arm
        tube(p, linePath({{x + inward * 16, -16}, {0, 10}}), 9, QColor(skin)); // arm to the joined hands

        QPainterPath tunic;
        tunic.moveTo(x - 14, -26);
        tunic.lineTo(x + 14, -26);
        tunic.lineTo(x + 24, 34);
        tunic.lineTo(x - 24, 34);
        tunic.closeSubpath();
        fillOutlined(p, tunic, QColor(blue));
        fillOutlined(p, circlePath({x, -46}, 17), QColor(skin));
        QPainterPath hair;
        hair.moveTo(x - 17, -46);
        hair.cubicTo(x - 18, -70, x + 18, -70, x + 17, -46);
        hair.quadTo(x, -58, x - 17, -46);
        hair.closeSubpath();
        fillOutlined(p, hair, QColor(ink));
        spot(p, QPointF(x - 6, -44), 2.4, QColor(ink));
        spot(p, QPointF(x + 6, -44), 2.4, QColor(ink));
    }
    spot(p, QPointF(0, 10), 6, QColor(skin));
}

// Revati: a fish swimming to the left.
void paintFish(QPainter& p)
{
    fillOutlined(p, polygonPath({{46, 0}, {84, -34}, {74, 0}, {84, 34}}), QColor(blueLight)); // tail
    QPainterPath dorsal;
    dorsal.moveTo(-20, -30);
    dorsal.quadTo(0, -58, 30, -46);
    dorsal.lineTo(26, -22);
    dorsal.closeSubpath();
    fillOutlined(p, dorsal, QColor(blueLight));

    QPainterPath body;
    body.moveTo(-74, 0);
    body.cubicTo(-50, -44, 28, -44, 52, 0);
    body.cubicTo(28, 44, -50, 44, -74, 0);
    body.closeSubpath();
    fillOutlined(p, body, QColor(blue));

    QPainterPath scales;
    for (int column = 0; column < 4; ++column) {
        for (int row = -1; row <= 1; ++row) {
            const QPointF centre(-10 + column * 14.0, row * 14.0 + (column % 2) * 7.0);
            scales.moveTo(centre + QPointF(0, -7));
            scales.quadTo(centre + QPointF(9, 0), centre + QPointF(0, 7));
        }
    }
    p.save();
    p.setClipPath(body);
    strokeDetail(p, scales, QColor(blueLight));
    p.restore();
    QPainterPath gill;
    gill.moveTo(-38, -24);
    gill.quadTo(-26, 0, -38, 24);
    strokeDetail(p, gill);
    fillOutlined(p, polygonPath({{-28, 14}, {-6, 22}, {-20, 34}}), QColor(blueLight)); // pectoral fin
    spot(p, QPointF(-54, -6), 6, QColor(white));
    spot(p, QPointF(-55, -6), 3.5, QColor(ink));
    strokeDetail(p, linePath({{-74, 2}, {-64, 6}}));
}

} // namespace symbols

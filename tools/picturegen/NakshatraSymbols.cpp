#include "NakshatraSymbols.h"

#include "DrawingStyle.h"
#include "engine/Ephemeris.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <array>

// Each symbol is the first object that the nakshatra's symbol names, drawn in disc units: the disc has radius 100
// around the origin and y grows downwards. Everything stays inside a radius of about 90.

using namespace style;

namespace {

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(radians), radius * qSin(radians));
}

// Ashwini: the head of a horse, facing left, with a dark mane.
void paintHorseHead(QPainter& p)
{
    QPainterPath mane;
    mane.moveTo(2, -62);
    for (const QPointF& point :
         {QPointF(30, -66), QPointF(30, -52), QPointF(50, -46), QPointF(46, -34), QPointF(64, -24), QPointF(58, -12),
          QPointF(74, 2), QPointF(66, 10), QPointF(80, 26), QPointF(70, 32), QPointF(82, 52), QPointF(70, 56)}) {
        mane.lineTo(point);
    }
    mane.lineTo(50, 56);
    mane.cubicTo(44, 10, 30, -30, 2, -62);
    mane.closeSubpath();

    QPainterPath head;
    head.moveTo(-6, -56);
    head.lineTo(-2, -86); // front edge of the ear to its tip
    head.quadTo(14, -72, 14, -54);
    head.cubicTo(36, -40, 52, -10, 60, 60); // crest of the neck
    head.lineTo(10, 60);
    head.cubicTo(8, 42, 8, 28, 6, 18); // throat
    head.cubicTo(-6, 28, -28, 32, -44, 38); // jaw
    head.quadTo(-56, 42, -62, 34); // chin
    head.quadTo(-70, 24, -66, 12); // muzzle
    head.quadTo(-64, 2, -58, -4);
    head.cubicTo(-44, -24, -24, -46, -6, -56); // nose and forehead
    head.closeSubpath();

    fillOutlined(p, head, QColor(wood));
    fillOutlined(p, mane, QColor(ink));

    QPainterPath cheek;
    cheek.moveTo(-4, 18);
    cheek.cubicTo(-14, 4, -8, -18, 10, -12);
    strokeDetail(p, cheek);
    spot(p, QPointF(-16, -30), 5, QColor(ink));
    spot(p, QPointF(-14.5, -31.5), 1.6, QColor(white));
    QPainterPath nostril;
    nostril.moveTo(-58, 10);
    nostril.quadTo(-52, 4, -50, 14);
    strokeDetail(p, nostril);
    strokeDetail(p, linePath({{-64, 28}, {-50, 30}}));
}

// Bharani: the yoni as temple iconography draws it: a downward triangle holding an almond and the bindu.
void paintYoni(QPainter& p)
{
    QPainterPath triangle;
    triangle.moveTo(-66, -44);
    triangle.lineTo(66, -44);
    triangle.lineTo(0, 66);
    triangle.closeSubpath();
    fillOutlined(p, triangle, QColor(red));

    QPainterPath almond;
    almond.moveTo(0, -30);
    almond.cubicTo(20, -16, 20, 16, 0, 36);
    almond.cubicTo(-20, 16, -20, -16, 0, -30);
    fillOutlined(p, almond, QColor(ivory));
}

// Krittika: an open straight razor, blade up-left, handle down-right.
void paintRazor(QPainter& p)
{
    p.save();
    p.translate(2, -2);
    p.rotate(-18);
    p.translate(10, -10);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-6, -8, 82, 16), 8, 8);
    QTransform tilt;
    tilt.translate(4, -4);
    tilt.rotate(36);
    fillOutlined(p, tilt.map(handle), QColor(red));

    QPainterPath blade;
    blade.moveTo(14, -12);
    blade.lineTo(-84, -18); // straight spine, running on into the shank
    blade.quadTo(-92, -18, -91, -6);
    blade.quadTo(-90, 8, -86, 16); // square toe
    blade.lineTo(-36, 12); // cutting edge
    blade.quadTo(-28, 12, -26, 4); // heel, where the edge stops
    blade.lineTo(6, 4); // shank
    blade.quadTo(18, 4, 14, -12);
    blade.closeSubpath();
    fillOutlined(p, blade, QColor(steel));
    strokeDetail(p, linePath({{-82, -10}, {-10, -6}}), QColor(steelDark)); // the thick back
    strokeDetail(p, linePath({{-82, 7}, {-38, 5}}), QColor(white)); // the honed bevel
    spot(p, QPointF(4, -4), 4.5, QColor(ink)); // pivot pin
    p.restore();
}

// Rohini: a chariot seen from the side, with a big spoked wheel, a pole to the yoke and a pennant.
void paintChariot(QPainter& p)
{
    QPainterPath pole;
    pole.moveTo(-24, 4);
    pole.quadTo(-62, 4, -82, -26);
    tube(p, pole, 9, QColor(wood));
    tube(p, linePath({{-88, -34}, {-72, -16}}), 9, QColor(wood)); // yoke

    tube(p, linePath({{52, -30}, {52, -74}}), 6, QColor(wood)); // flagstaff
    fillOutlined(p, polygonPath({{52, -76}, {20, -66}, {52, -56}}), QColor(red));

    QPainterPath car;
    car.moveTo(-30, 6);
    car.lineTo(64, 6);
    car.lineTo(64, -34);
    car.quadTo(40, -30, 30, -14);
    car.lineTo(-12, -14);
    car.quadTo(-24, -30, -36, -28);
    car.closeSubpath();
    fillOutlined(p, car, QColor(red));
    strokeDetail(p, linePath({{-20, -4}, {56, -4}}), QColor(ivory));

    const QPointF hub(16, 40);
    fillOutlined(p, circlePath(hub, 40), QColor(woodLight));
    fillOutlined(p, circlePath(hub, 30), QColor(discYellow));
    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        spokes.moveTo(hub);
        spokes.lineTo(polar(hub, 31, i * 45.0 + 22.5));
    }
    tube(p, spokes, 6, QColor(wood));
    fillOutlined(p, circlePath(hub, 8), QColor(woodLight));
}

// Mrigasira: the head of a deer, seen from the front, with branching antlers.
void paintDeerHead(QPainter& p)
{
    p.save();
    p.translate(0, 8);
    QList<QPair<QPainterPath, qreal>> antlers;
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath beam;
        beam.moveTo(side * 12, -26);
        beam.cubicTo(side * 34, -46, side * 38, -66, side * 26, -88);
        QPainterPath tineOuter;
        tineOuter.moveTo(side * 32, -50);
        tineOuter.quadTo(side * 52, -56, side * 60, -74);
        QPainterPath tineInner;
        tineInner.moveTo(side * 34, -68);
        tineInner.quadTo(side * 46, -76, side * 48, -90);
        QPainterPath brow;
        brow.moveTo(side * 22, -36);
        brow.quadTo(side * 12, -46, side * 12, -58);
        antlers.append({beam, 8});
        antlers.append({tineOuter, 7});
        antlers.append({tineInner, 6});
        antlers.append({brow, 6});
    }
    tubes(p, antlers, QColor(ivory));

    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(side * 20, -18);
        ear.quadTo(side * 50, -40, side * 66, -22);
        ear.quadTo(side * 50, -2, side * 22, -4);
        ear.closeSubpath();
        fillOutlined(p, ear, QColor(tawny));
        QPainterPath inner;
        inner.moveTo(side * 28, -12);
        inner.quadTo(side * 46, -24, side * 56, -20);
        strokeDetail(p, inner);
    }

    QPainterPath face;
    face.moveTo(-24, -24);
    face.cubicTo(-30, 6, -16, 42, -12, 60);
    face.quadTo(0, 70, 12, 60);
    face.cubicTo(16, 42, 30, 6, 24, -24);
    face.quadTo(0, -36, -24, -24);
    face.closeSubpath();
    fillOutlined(p, face, QColor(tawny));
    QPainterPath muzzle;
    muzzle.moveTo(-12, 40);
    muzzle.quadTo(0, 34, 12, 40);
    muzzle.lineTo(12, 60);
    muzzle.quadTo(0, 70, -12, 60);
    muzzle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(ivory));
    p.drawPath(muzzle);
    spot(p, QPointF(0, 58), 7, QColor(ink));
    spot(p, QPointF(-13, -2), 5, QColor(ink));
    spot(p, QPointF(13, -2), 5, QColor(ink));
    p.restore();
}

// Ardra: a cut precious stone with a crown, a table and a pointed pavilion.
void paintPreciousStone(QPainter& p)
{
    const QPointF tableLeft(-34, -44), tableRight(34, -44);
    const QPointF girdleLeft(-66, -14), girdleRight(66, -14);
    const QPointF point(0, 66);
    const QPointF crownMidLeft(-20, -14), crownMidRight(20, -14);
    const QColor dark(blue), mid(0xff4f8fd6), light(blueLight);

    p.setPen(Qt::NoPen);
    auto facet = [&p](std::initializer_list<QPointF> corners, QColor colour) {
        p.setBrush(colour);
        p.drawPath(polygonPath(corners));
    };
    facet({tableLeft, tableRight, crownMidRight, crownMidLeft}, light);
    facet({girdleLeft, tableLeft, crownMidLeft}, mid);
    facet({girdleRight, tableRight, crownMidRight}, dark);
    facet({girdleLeft, crownMidLeft, point}, dark);
    facet({crownMidLeft, crownMidRight, point}, mid);
    facet({crownMidRight, girdleRight, point}, light);

    QPainterPath facets;
    facets.moveTo(tableLeft);
    facets.lineTo(crownMidLeft);
    facets.lineTo(crownMidRight);
    facets.lineTo(tableRight);
    facets.moveTo(girdleLeft);
    facets.lineTo(crownMidLeft);
    facets.lineTo(point);
    facets.lineTo(crownMidRight);
    facets.lineTo(girdleRight);
    strokeDetail(p, facets);
    p.setPen(QPen(QColor(ink), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(polygonPath({tableLeft, tableRight, girdleRight, point, girdleLeft}));

    QPainterPath sparkle;
    sparkle.moveTo(-48, -62);
    sparkle.lineTo(-48, -42);
    sparkle.moveTo(-58, -52);
    sparkle.lineTo(-38, -52);
    strokeDetail(p, sparkle, QColor(white));
}

// Punarvasu: a strung bow with recurved tips and a bound grip.
void paintBow(QPainter& p)
{
    QPainterPath limb;
    limb.moveTo(22, -80);
    limb.quadTo(12, -74, 6, -64);
    limb.cubicTo(-30, -30, -30, 30, 6, 64);
    limb.quadTo(12, 74, 22, 80);
    strokeDetail(p, linePath({{8, -66}, {8, 66}}));
    tube(p, limb, 11, QColor(wood));
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-28, -14, 14, 28), 4, 4);
    fillOutlined(p, grip, QColor(red));
}

// Pushya: a circle, drawn as a bold ring.
void paintCircle(QPainter& p)
{
    QPainterPath ring = circlePath({0, 0}, 62);
    ring.addPath(circlePath({0, 0}, 38));
    fillOutlined(p, ring, QColor(red));
}

// Ashlesha: a serpent with a raised hood above its coils.
void paintSerpent(QPainter& p)
{
    QPainterPath body;
    body.moveTo(-66, 54);
    body.cubicTo(-40, 76, 50, 74, 56, 50);
    body.cubicTo(60, 30, 20, 26, -10, 36);
    body.cubicTo(-40, 46, -44, 20, -20, 10);
    body.cubicTo(6, 0, 8, -20, 0, -36);
    tube(p, body, 16, QColor(green));

    QPainterPath hood;
    hood.moveTo(0, -84);
    hood.cubicTo(22, -84, 34, -58, 28, -38);
    hood.quadTo(20, -22, 6, -16);
    hood.lineTo(-6, -16);
    hood.quadTo(-20, -22, -28, -38);
    hood.cubicTo(-34, -58, -22, -84, 0, -84);
    hood.closeSubpath();
    fillOutlined(p, hood, QColor(green));
    spot(p, QPointF(-8, -62), 4, QColor(ink));
    spot(p, QPointF(8, -62), 4, QColor(ink));
    QPainterPath tongue;
    tongue.moveTo(0, -84);
    tongue.lineTo(0, -90);
    tongue.lineTo(-4, -94);
    tongue.moveTo(0, -90);
    tongue.lineTo(4, -94);
    strokeDetail(p, tongue, QColor(red));
}

// Magha: a house with a pitched roof, a door and two windows.
void paintHouse(QPainter& p)
{
    fillOutlined(p, polygonPath({{-50, -8}, {50, -8}, {50, 62}, {-50, 62}}), QColor(ivory));
    fillOutlined(p, polygonPath({{-68, -4}, {0, -66}, {68, -4}}), QColor(red));
    QPainterPath door;
    door.moveTo(-12, 62);
    door.lineTo(-12, 24);
    door.quadTo(0, 12, 12, 24);
    door.lineTo(12, 62);
    fillOutlined(p, door, QColor(wood));
    for (const qreal x : {-33.0, 33.0}) {
        fillOutlined(p, polygonPath({{x - 10, 10}, {x + 10, 10}, {x + 10, 30}, {x - 10, 30}}), QColor(blueLight));
        strokeDetail(p, linePath({{x, 10}, {x, 30}}));
        strokeDetail(p, linePath({{x - 10, 20}, {x + 10, 20}}));
    }
}

// Poorva Phalguni: a fire place, a stepped brick fire pit with flames rising from it.
void paintFirePlace(QPainter& p)
{
    QPainterPath flames;
    flames.moveTo(-44, 16);
    flames.cubicTo(-56, -8, -40, -22, -34, -44);
    flames.cubicTo(-22, -30, -22, -24, -18, -20);
    flames.cubicTo(-20, -44, -8, -62, 2, -84);
    flames.cubicTo(12, -62, 20, -48, 16, -24);
    flames.cubicTo(22, -30, 28, -38, 34, -52);
    flames.cubicTo(44, -30, 56, -10, 44, 16);
    flames.closeSubpath();
    fillOutlined(p, flames, QColor(orange));
    QPainterPath core;
    core.moveTo(-20, 16);
    core.cubicTo(-26, -2, -10, -18, 2, -40);
    core.cubicTo(12, -18, 28, -2, 20, 16);
    core.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xffffe680));
    p.drawPath(core);

    fillOutlined(p, polygonPath({{-66, 12}, {66, 12}, {66, 32}, {-66, 32}}), QColor(clay));
    fillOutlined(p, polygonPath({{-54, 32}, {54, 32}, {54, 50}, {-54, 50}}), QColor(clay));
    fillOutlined(p, polygonPath({{-42, 50}, {42, 50}, {42, 68}, {-42, 68}}), QColor(clay));
    QPainterPath joints;
    for (const qreal x : {-36.0, -6.0, 24.0, 54.0}) {
        joints.moveTo(x, 12);
        joints.lineTo(x, 32);
    }
    for (const qreal x : {-24.0, 6.0, 36.0}) {
        joints.moveTo(x, 32);
        joints.lineTo(x, 50);
    }
    for (const qreal x : {-12.0, 18.0}) {
        joints.moveTo(x, 50);
        joints.lineTo(x, 68);
    }
    strokeDetail(p, joints);
}

// Uttara Phalguni: a small bed with a headboard, a pillow and a blanket.
void paintSmallBed(QPainter& p)
{
    QList<QPair<QPainterPath, qreal>> legs;
    for (const qreal x : {-62.0, 62.0}) {
        legs.append({linePath({{x, 20}, {x, 56}}), 9});
    }
    tubes(p, legs, QColor(wood));
    fillOutlined(p, polygonPath({{-76, -42}, {-60, -42}, {-60, 56}, {-76, 56}}), QColor(wood)); // headboard
    fillOutlined(p, polygonPath({{-60, 4}, {72, 4}, {72, 24}, {-60, 24}}), QColor(woodLight)); // frame
    QPainterPath mattress;
    mattress.addRoundedRect(QRectF(-60, -12, 132, 18), 6, 6);
    fillOutlined(p, mattress, QColor(white));
    QPainterPath pillow;
    pillow.addRoundedRect(QRectF(-58, -32, 34, 20), 9, 9);
    fillOutlined(p, pillow, QColor(ivory));
    QPainterPath blanket;
    blanket.moveTo(-16, -16);
    blanket.quadTo(30, -22, 74, -16);
    blanket.lineTo(74, 16);
    blanket.lineTo(-16, 16);
    blanket.closeSubpath();
    fillOutlined(p, blanket, QColor(red));
    strokeDetail(p, linePath({{-4, -8}, {-4, 16}}), QColor(ivory));
}

// Hasta: a clenched fist seen from the front, knuckles up, the thumb across the fingers.
void paintFist(QPainter& p)
{
    fillOutlined(p, polygonPath({{-26, 30}, {26, 30}, {28, 86}, {-28, 86}}), QColor(skin)); // wrist
    QPainterPath back;
    back.addRoundedRect(QRectF(-44, -34, 88, 78), 22, 22);
    fillOutlined(p, back, QColor(skin));
    constexpr std::array<qreal, 4> fingerTops = {-44, -54, -52, -42};
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(-44 + i * 22, fingerTops[i], 22, 44), 10, 10);
        fillOutlined(p, finger, QColor(skin));
        QPainterPath crease;
        crease.moveTo(-38 + i * 22, fingerTops[i] + 22);
        crease.quadTo(-33 + i * 22, fingerTops[i] + 26, -28 + i * 22, fingerTops[i] + 22);
        strokeDetail(p, crease, QColor(skinDark));
    }
    QPainterPath thumb;
    thumb.moveTo(-52, 4);
    thumb.cubicTo(-50, -14, -30, -10, -10, -4);
    thumb.lineTo(20, 2);
    thumb.quadTo(30, 8, 24, 18);
    thumb.lineTo(-12, 22);
    thumb.cubicTo(-30, 26, -52, 26, -52, 4);
    thumb.closeSubpath();
    fillOutlined(p, thumb, QColor(skin));
    QPainterPath nail;
    nail.addRoundedRect(QRectF(8, 2, 12, 12), 4, 4);
    strokeDetail(p, nail, QColor(skinDark));
}

// Chitra: a pearl lying in an open shell.
void paintPearl(QPainter& p)
{
    const QPointF hinge(0, 58);
    QPainterPath lid;
    lid.moveTo(hinge);
    lid.cubicTo(-90, 20, -80, -70, 0, -72);
    lid.cubicTo(80, -70, 90, 20, hinge.x(), hinge.y());
    lid.closeSubpath();
    fillOutlined(p, lid, QColor(0xfff6c9b5));
    QPainterPath ribs;
    for (int i = -3; i <= 3; ++i) {
        ribs.moveTo(hinge);
        ribs.lineTo(polar(hinge, 118, -90 + i * 17.0));
    }
    p.save();
    p.setClipPath(lid);
    strokeDetail(p, ribs, QColor(0xffd89a86));
    p.restore();

    QPainterPath bowl;
    bowl.moveTo(-72, 14);
    bowl.quadTo(0, 34, 72, 14);
    bowl.quadTo(50, 64, 0, 66);
    bowl.quadTo(-50, 64, -72, 14);
    bowl.closeSubpath();
    fillOutlined(p, bowl, QColor(0xfff6c9b5));

    QRadialGradient shine(QPointF(-10, -18), 40, QPointF(-12, -22));
    shine.setColorAt(0.0, QColor(white));
    shine.setColorAt(0.6, QColor(0xffeceaf4));
    shine.setColorAt(1.0, QColor(0xffb9b3cc));
    p.setPen(QPen(QColor(ink), outlineWidth));
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, -6), 30, 30);
    spot(p, QPointF(-12, -18), 6, QColor(white));
}

// Swati: a branch of red coral on a small rock.
void paintCoral(QPainter& p)
{
    QList<QPair<QPainterPath, qreal>> branches;
    auto branch = [&branches](std::initializer_list<QPointF> points, qreal width) {
        branches.append({linePath(points), width});
    };
    branch({{0, 62}, {-2, 30}, {-20, 0}, {-40, -28}, {-46, -60}}, 13);
    branch({{-2, 30}, {18, 4}, {30, -30}, {26, -70}}, 12);
    branch({{-20, 0}, {-52, -6}, {-72, -26}}, 10);
    branch({{-40, -28}, {-24, -48}, {-20, -72}}, 9);
    branch({{30, -30}, {52, -46}, {60, -66}}, 9);
    branch({{18, 4}, {46, -4}, {70, -18}}, 10);
    branch({{-52, -6}, {-64, 4}, {-78, 4}}, 8);
    branch({{46, -4}, {62, 12}, {74, 12}}, 8);
    tubes(p, branches, QColor(0xffe5533d));
    QPainterPath rock;
    rock.moveTo(-34, 74);
    rock.quadTo(-30, 52, 0, 52);
    rock.quadTo(30, 52, 34, 74);
    rock.closeSubpath();
    fillOutlined(p, rock, QColor(steelDark));
}

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

struct SymbolRow
{
    std::string_view nakshatraName;
    SymbolPainter paint;
};

// One row per nakshatra, in the engine's order; the symbol is the first object of the profile's symbol text.
constexpr std::array<SymbolRow, nakshatraCount> symbolRows = {{
    {"Ashwini", paintHorseHead},
    {"Bharani", paintYoni},
    {"Krittika", paintRazor},
    {"Rohini", paintChariot},
    {"Mrigasira", paintDeerHead},
    {"Ardra", paintPreciousStone},
    {"Punarvasu", paintBow},
    {"Pushya", paintCircle},
    {"Ashlesha", paintSerpent},
    {"Magha", paintHouse},
    {"Poorva Phalguni", paintFirePlace},
    {"Uttara Phalguni", paintSmallBed},
    {"Hasta", paintFist},
    {"Chitra", paintPearl},
    {"Swati", paintCoral},
    {"Vishakha", paintPottersWheel},
    {"Anuradha", paintLotus},
    {"Jyeshtha", paintUmbrella},
    {"Moola", paintLionTail},
    {"Purva Ashadha", paintTusk},
    {"Uttara Ashadha", paintSmallCot},
    {"Shravana", paintEar},
    {"Dhanistha", paintDrum},
    {"Shatabhisha", paintHundredFlowers},
    {"Poorva Bhadrapada", paintSword},
    {"Uttara Bhadrapada", paintTwins},
    {"Revati", paintFish},
}};

constexpr bool rowsFollowEngineNames()
{
    for (std::size_t i = 0; i < symbolRows.size(); ++i) {
        if (symbolRows[i].nakshatraName != nakshatraNames[i]) {
            return false;
        }
    }
    return true;
}
static_assert(rowsFollowEngineNames(), "symbol rows must use the engine's names in the engine's order");

} // namespace

SymbolPainter symbolPainterFor(std::string_view nakshatraName)
{
    for (const SymbolRow& row : symbolRows) {
        if (row.nakshatraName == nakshatraName) {
            return row.paint;
        }
    }
    return nullptr;
}

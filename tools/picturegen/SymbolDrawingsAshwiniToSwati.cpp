#include "DrawingStyle.h"
#include "SymbolDrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

using namespace style;

namespace symbols {

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

} // namespace symbols

#pragma once

#include <QPointF>

class QPainter;

// The drawings of the 27 symbols, in disc units: the disc has radius 100 around the origin and y grows downwards,
// and everything stays inside a radius of about 90. Each is the first object that the nakshatra's symbol names.
namespace symbols {

void paintHorseHead(QPainter& p);
void paintYoni(QPainter& p);
void paintRazor(QPainter& p);
void paintChariot(QPainter& p);
void paintDeerHead(QPainter& p);
void paintPreciousStone(QPainter& p);
void paintBow(QPainter& p);
void paintCircle(QPainter& p);
void paintSerpent(QPainter& p);
void paintHouse(QPainter& p);
void paintFirePlace(QPainter& p);
void paintSmallBed(QPainter& p);
void paintFist(QPainter& p);
void paintPearl(QPainter& p);
void paintCoral(QPainter& p);
void paintPottersWheel(QPainter& p);
void paintLotus(QPainter& p);
void paintUmbrella(QPainter& p);
void paintLionTail(QPainter& p);
void paintTusk(QPainter& p);
void paintSmallCot(QPainter& p);
void paintEar(QPainter& p);
void paintDrum(QPainter& p);
void paintHundredFlowers(QPainter& p);
void paintSword(QPainter& p);
void paintTwins(QPainter& p);
void paintFish(QPainter& p);

// The point at `radius` from `centre` in the direction `degrees` (clockwise from the x axis, as y grows downwards).
QPointF polar(QPointF centre, qreal radius, qreal degrees);

} // namespace symbols

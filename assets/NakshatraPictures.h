#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <optional>

// The 27 nakshatra pictures (79 x 128 JPEG each), keyed by the nakshatra's name exactly as the engine writes it.
// The set is kept in the alphabetical order of its keys; a picture is found by walking the set in that order.
class NakshatraPictureSet
{
public:
    // Every key, alphabetically: "Anuradha" ... "Vishakha".
    static QStringList keys();
    // The first picture of the set, shown before any reading has chosen one.
    static QPixmap firstPicture();
    // The picture of the first key equal to the given one (case-sensitive, no trimming); nullopt when none is.
    static std::optional<QPixmap> find(const QString& key);
};

// The program's icon with every PNG size (16 to 256 px).
QIcon programIcon();

// The entry window's decorative picture: a night sky with the Moon in a ring of 27 star points.
QPixmap decorativePicture();

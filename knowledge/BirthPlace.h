#pragma once

#include <QString>

// Where a birth took place, as the entry window last showed it: the place's names and the note on the zone the atlas
// found for the birth date. None of it takes part in the computation (the coordinates and the zone in BirthData do);
// it says where and by which clock the reading was made.
struct BirthPlace
{
    // The birth-place atlas is made from GeoNames data, whose licence (CC BY 4.0) asks for this credit wherever
    // its data is shown.
    static constexpr const char* atlasCredit = "Birth places: GeoNames (www.geonames.org), licensed under CC BY 4.0.";

    QString city;
    QString state;
    QString country;
    // The zone in force as the atlas found it, "Europe/Madrid, UTC+02:00 on that date"; empty when the zone in
    // BirthData was typed by hand.
    QString zoneNote;
    // The place's names and coordinates came from the atlas.
    bool fromAtlas = false;

    friend bool operator==(const BirthPlace&, const BirthPlace&) = default;
};

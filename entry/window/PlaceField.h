#pragma once

#include "entry/PlaceAtlas.h"
#include "entry/PlaceClock.h"
#include "knowledge/BirthPlace.h"

#include <QList>
#include <QObject>

#include <optional>

class EntryForm;
class QCompleter;
class QLineEdit;
class QStringListModel;

// The birth place from the atlas, on the entry form's city box: places are offered as the city is typed; a chosen
// one fills the place, its coordinates and the zone in force there at the birth date and time, which then follows
// the date and time until a zone is typed or picked. The zone note says which clock was used and offers a city's
// own clock where it kept one.
class PlaceField : public QObject
{
    Q_OBJECT

public:
    explicit PlaceField(EntryForm* form);

    // The zone stands as it is now (typed, picked or saved): the atlas no longer writes it and the note goes.
    void forget();

    // The chosen place while the zone follows it.
    const std::optional<Place>& chosenPlace() const { return m_place; }

    // The place as the boxes and the zone note show it now, for the reading: from the atlas while the place boxes
    // hold what a chosen place wrote into them.
    BirthPlace birthPlace() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void offerPlaces(const QString& typed);
    void choosePlace(const QString& shown);
    void applyPlace(const Place& place);
    void followZone();
    void useCityClock();
    void showNote(const QString& text, const CityClock* offer);

    EntryForm* m_form;
    QLineEdit* m_cityBox;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_offeredTexts = nullptr;
    QList<Place> m_offered; // the places the completer shows, in its order
    std::optional<Place> m_place;
    const CityClock* m_cityClock = nullptr; // offered now, or null
    bool m_placeFromAtlas = false; // the place boxes hold a chosen place, unedited since
};

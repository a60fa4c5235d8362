#include "entry/window/PlaceField.h"

#include "desktop/LinkLabel.h"
#include "entry/window/EntryForm.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>

namespace {

// Places are offered from the second letter on: one letter matches too much to help.
constexpr int lettersBeforeOffering = 2;
constexpr int placesOffered = 12;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PlaceField::PlaceField(EntryForm* form)
    : QObject(form)
    , m_form(form)
    , m_cityBox(form->cityBox())
{
    m_offeredTexts = new QStringListModel(this);
    m_completer = new QCompleter(m_offeredTexts, this);
    // The atlas matches accents and other names the completer's own prefix filter would not: it shows what it is
    // given.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(placesOffered);
    // The list of offered places is a window of its own: its name and role let screen readers and the X tests
    // find it.
    m_completer->popup()->setObjectName(QStringLiteral("lstPlaces"));
    m_completer->popup()->setAccessibleName(QStringLiteral("Places matching the city"));
    m_completer->popup()->setWindowRole(QStringLiteral("lstPlaces"));
    m_form->cityBox()->setCompleter(m_completer);
    connect(m_form->cityBox(), &QLineEdit::textEdited, this, &PlaceField::offerPlaces);
    m_form->cityBox()->installEventFilter(this);
    // Queued: the box writes the whole row into itself when the row is chosen; the place's own texts come after.
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &PlaceField::choosePlace,
            Qt::QueuedConnection);
    connect(m_form, &EntryForm::birthMomentChanged, this, &PlaceField::followZone);
    connect(m_form, &EntryForm::zoneSetByHand, this, &PlaceField::forget);
    connect(m_form->cityClockButton(), &QPushButton::clicked, this, &PlaceField::useCityClock);
    for (QLineEdit* box : {m_form->cityBox(), m_form->stateBox(), m_form->countryBox()}) {
        connect(box, &QLineEdit::textEdited, this, [this] { m_placeFromAtlas = false; });
    }
}

BirthPlace PlaceField::birthPlace() const
{
    return {m_form->cityBox()->text().trimmed(), m_form->stateBox()->text().trimmed(),
            m_form->countryBox()->text().trimmed(), m_form->zoneNote()->text(), m_placeFromAtlas};
}

// The atlas is read when the city box takes the focus, once that has been drawn: by the second letter its list is
// a lookup, not a read of the whole atlas. Start-up never reads it.
bool PlaceField::eventFilter(QObject* watched, QEvent* event)
{
    // The box is compared as kept: the form may be half destroyed when its children send their last events.
    if (event->type() == QEvent::FocusIn && watched == m_cityBox) {
        QTimer::singleShot(0, this, [] { PlaceAtlas::builtIn().load(); });
    }
    return QObject::eventFilter(watched, event);
}

void PlaceField::offerPlaces(const QString& typed)
{
    m_offered.clear();
    if (PlaceAtlas::foldForMatching(typed).size() >= lettersBeforeOffering) {
        m_offered = PlaceAtlas::builtIn().matching(typed, placesOffered);
    }
    const QStringList shown = PlaceAtlas::offerTexts(m_offered);
    m_offeredTexts->setStringList(shown);
    if (shown.isEmpty()) {
        m_completer->popup()->hide();
    } else {
        m_completer->complete();
        // No row of an earlier list stays marked: the first Down marks the first place of this one.
        m_completer->popup()->setCurrentIndex({});
    }
}

void PlaceField::choosePlace(const QString& shown)
{
    // The row under the keyboard or the mouse; the text only helps when there is none.
    const QStringList texts = m_offeredTexts->stringList();
    qsizetype row = m_completer->popup()->currentIndex().row();
    if (row < 0 || row >= texts.size() || texts.at(row) != shown) {
        row = texts.indexOf(shown);
    }
    if (row >= 0 && row < m_offered.size()) {
        applyPlace(m_offered.at(row));
    }
}

void PlaceField::applyPlace(const Place& place)
{
    m_form->setPlace(place.city, place.state, place.country);
    m_form->setCoordinates(place.latitude, place.longitude);
    m_place = place;
    m_placeFromAtlas = true;
    followZone();
}

// The clock in force at the chosen place when it showed the birth date and time, written so that the engine's rule
// gives the true Universal Time (see zoneFieldsFor).
void PlaceField::followZone()
{
    if (!m_place) {
        return;
    }
    const std::optional<PlaceClock> clock = placeClock(*m_place, m_form->birthDate(), m_form->birthTime());
    if (!clock) {
        showNote({}, nullptr); // a date the calendar lacks (30 February): the boxes keep what they hold
        return;
    }
    m_form->writeZone(zoneFieldsFor(clock->zone, m_form->longitudeCountsEast()), true);
    showNote(clock->note, clock->cityClock);
}

void PlaceField::useCityClock()
{
    const CityClock* clock = m_cityClock;
    if (!clock || !m_place) {
        return;
    }
    const QString city = m_place->city;
    m_form->writeZone(fixedOffsetFields(clock->offsetSeconds, m_form->longitudeCountsEast()), true);
    forget(); // the city's clock stands as a zone set by hand would
    showNote(QStringLiteral("%1, %2, the clock %3 kept then")
                 .arg(fromView(clock->clockName), utcOffsetTextWithSeconds(clock->offsetSeconds), city),
             nullptr);
}

void PlaceField::forget()
{
    m_place.reset();
    showNote({}, nullptr);
}

void PlaceField::showNote(const QString& text, const CityClock* offer)
{
    m_form->zoneNote()->setText(text);
    m_cityClock = offer;
    QPushButton* button = m_form->cityClockButton();
    const bool hadFocus = button->hasFocus();
    button->setVisible(offer != nullptr);
    if (offer) {
        button->setText(QStringLiteral("&Use %1").arg(fromView(offer->clockName)));
        button->setAccessibleDescription(
            QStringLiteral("Writes %1 into the zone boxes").arg(utcOffsetTextWithSeconds(offer->offsetSeconds)));
    } else if (hadFocus) {
        m_form->zoneHelpLabel()->setFocus(); // the focus stays near where it was instead of leaving the window
    }
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

class QIODevice;

// One birth place of the atlas.
struct Place
{
    QString city;
    QString asciiName; // the ASCII spelling where it matches differently ("Lodz" for "Łódź"); else empty
    QString state; // the first-order division ("Maharashtra"); empty where the data names none
    QString country; // in English
    double latitude = 0.0; // degrees, north positive
    double longitude = 0.0; // degrees, east positive
    qint64 population = 0; // 0 where the data gives none (some seats of divisions)
    QByteArray zoneId; // IANA time zone id: "Asia/Kolkata"
    // The other name by which it was found ("Bombay" for Mumbai): a former name, an exonym, a common spelling;
    // empty where its own name or ASCII spelling matched.
    QString matchedName;

    // "Pune, Maharashtra, India", "Mumbai (Bombay), Maharashtra, India" when found by an other name; a place without
    // a state reads "City, Country".
    QString displayText() const;
};

// The offline atlas of birth places: every populated place of 1,000 inhabitants or more, and every seat of a first-
// to third-order division, with the other names of places of 5,000 or more (tools/atlasgen writes it from GeoNames
// data). The data is read on first use, not when the atlas is made, so creating one at start-up costs nothing. Not
// thread-safe: one thread uses an atlas.
class PlaceAtlas
{
public:
    // The atlas compiled into the program.
    static inline const QString builtInFileName = QStringLiteral(":/atlas/places.tsv.z");

    explicit PlaceAtlas(const QString& fileName = builtInFileName);
    ~PlaceAtlas();
    PlaceAtlas(const PlaceAtlas&) = delete;
    PlaceAtlas& operator=(const PlaceAtlas&) = delete;

    // Up to `limit` places whose city name, ASCII spelling or other name begins with `typed`, ignoring case,
    // accents, apostrophes and dots, and treating hyphens as blanks ("sao paulo" finds "São Paulo", "lodz" finds
    // "Łódź", "bombay" finds Mumbai). Places with a name equal to `typed` come first, then those whose names only
    // begin with it; among each, the most populous first. An other name counts by its start only once `typed`
    // covers half of it. Each place appears once, with matchedName set where an
    // other name found it. Nothing for a blank text or an atlas that cannot be read.
    QList<Place> matching(QStringView typed, int limit = 12) const;

    // The texts a list offers for `places`: each displayText, with the coordinates added where two read alike
    // ("Madridejos, Central Visayas, Philippines (11.30° N, 123.73° E)").
    static QStringList offerTexts(const QList<Place>& places);

    // The rows of those places (see place()), in the same order; a `limit` of -1 gives them all.
    QList<qsizetype> matchingRows(QStringView typed, int limit = 12) const;

    // Reads the file now instead of on first use; false when it is missing or damaged (see errorString()). The file
    // is read once: later calls give the first answer.
    bool load() const;

    // Replaces the data by the atlas on `device`: the generator's text, compressed as by qCompress. On failure the
    // atlas is left empty and errorString() says why.
    bool read(QIODevice* device);

    QString errorString() const;

    // The number of places, and the place at a row (0 is the most populous); they load the data as matching() does.
    qsizetype placeCount() const;
    Place place(qsizetype row) const;

    // What the matching compares: `text` decomposed, without combining marks, lower case, without apostrophes and
    // dots, each run of blanks and hyphens one blank, no blank in front. tools/atlasgen/generate.js folds the
    // names in the same way.
    static QString foldForMatching(QStringView text);

    // The atlas compiled into the program, shared by every entry window so its data is read once per run, on the
    // first lookup.
    static const PlaceAtlas& builtIn();

private:
    struct Data;
    struct FoundPlace
    {
        quint32 row;
        std::size_t key; // the key that shows it
    };

    std::vector<FoundPlace> find(QStringView typed, int limit) const;
    void chooseShownKeys(std::vector<FoundPlace>& found, std::size_t firstKey, std::size_t lastKey,
                         std::size_t typedLength) const;
    bool readFrom(QIODevice* device) const;

    QString m_fileName;
    mutable std::unique_ptr<Data> m_data; // null until the first use
    mutable QString m_error;
};

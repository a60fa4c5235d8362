#include "entry/PlaceAtlas.h"

#include "entry/PlaceAtlasData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

// Finding places: the keys that begin with the typed text, ranked, each place once.

using namespace PlaceAtlasFormat;

QString Place::displayText() const
{
    QStringList parts {matchedName.isEmpty() ? city : QStringLiteral("%1 (%2)").arg(city, matchedName)};
    if (!state.isEmpty()) {
        parts.append(state);
    }
    parts.append(country);
    return parts.join(QStringLiteral(", "));
}

PlaceAtlas::PlaceAtlas(const QString& fileName)
    : m_fileName(fileName)
{
}

PlaceAtlas::~PlaceAtlas() = default;

namespace {

// The `wanted` lowest rows among `rows` that `taken` does not hold, each once, in order. Most lookups want a dozen out
// of thousands of rows, so it sorts a small slice first and widens it only when repeats leave it short.
std::vector<quint32> lowestDistinctRows(std::vector<quint32> rows, std::size_t wanted,
                                        const std::vector<quint32>& taken)
{
    std::size_t slice = wanted >= rows.size() / 4 ? rows.size() : std::max<std::size_t>(4 * wanted, 64);
    for (;;) {
        const bool whole = slice >= rows.size();
        if (!whole) {
            std::nth_element(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(slice), rows.end());
        }
        std::vector<quint32> lowest(rows.begin(),
                                    whole ? rows.end() : rows.begin() + static_cast<std::ptrdiff_t>(slice));
        std::sort(lowest.begin(), lowest.end());
        lowest.erase(std::unique(lowest.begin(), lowest.end()), lowest.end());
        std::erase_if(lowest, [&taken](quint32 row) { return std::binary_search(taken.begin(), taken.end(), row); });
        if (whole || lowest.size() >= wanted) {
            if (lowest.size() > wanted) {
                lowest.resize(wanted);
            }
            return lowest;
        }
        slice *= 2;
    }
}

} // namespace

// Places whose key equals the folded text come first, then those whose key only begins with it; within each, the
// lower row (the larger place) first. Each place once, shown by its best key: one equal to the text before one that
// begins with it, its own name before an other name, a shorter other name before a longer.
std::vector<PlaceAtlas::FoundPlace> PlaceAtlas::find(QStringView typed, int limit) const
{
    if (limit == 0 || limit < -1 || !load()) {
        return {};
    }
    const QByteArray folded = foldForMatching(typed).toUtf8();
    if (folded.isEmpty()) {
        return {};
    }
    const std::string_view prefix(folded.constData(), static_cast<std::size_t>(folded.size()));
    const Data& data = *m_data;
    const auto first = std::partition_point(data.keys.begin(), data.keys.end(),
                                            [&](const Data::Key& key) { return data.key(key) < prefix; });
    const auto last = std::partition_point(first, data.keys.end(),
                                           [&](const Data::Key& key) { return data.key(key).starts_with(prefix); });
    // The keys equal to the text sort before every longer key that begins with it.
    const auto equalEnd
        = std::partition_point(first, last, [&](const Data::Key& key) { return data.key(key) == prefix; });

    const std::size_t wanted = limit == -1 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(limit);
    std::vector<quint32> equalRows;
    for (auto key = first; key != equalEnd; ++key) {
        equalRows.push_back(key->row);
    }
    std::sort(equalRows.begin(), equalRows.end());
    equalRows.erase(std::unique(equalRows.begin(), equalRows.end()), equalRows.end());
    if (equalRows.size() > wanted) {
        equalRows.resize(wanted);
    }
    std::vector<quint32> longerRows;
    if (equalRows.size() < wanted) {
        std::vector<quint32> rows;
        rows.reserve(static_cast<std::size_t>(last - equalEnd));
        for (auto key = equalEnd; key != last; ++key) {
            if (Data::admitsStart(*key, prefix.size())) {
                rows.push_back(key->row);
            }
        }
        longerRows = lowestDistinctRows(std::move(rows), wanted - equalRows.size(), equalRows);
    }

    std::vector<FoundPlace> found;
    found.reserve(equalRows.size() + longerRows.size());
    for (quint32 row : equalRows) {
        found.push_back({row, 0});
    }
    for (quint32 row : longerRows) {
        found.push_back({row, 0});
    }
    chooseShownKeys(found, static_cast<std::size_t>(first - data.keys.begin()),
                    static_cast<std::size_t>(last - data.keys.begin()), prefix.size());
    return found;
}

void PlaceAtlas::chooseShownKeys(std::vector<FoundPlace>& found, std::size_t firstKey, std::size_t lastKey,
                                 std::size_t typedLength) const
{
    const Data& data = *m_data;
    std::vector<std::pair<quint32, std::size_t>> slotOfRow; // row, index into found; sorted by row
    for (std::size_t i = 0; i < found.size(); ++i) {
        slotOfRow.emplace_back(found[i].row, i);
    }
    std::sort(slotOfRow.begin(), slotOfRow.end());
    // Lower is better: equal before longer, own name before other name, shorter other name before longer.
    const auto rank = [&](std::size_t index) {
        const Data::Key& key = data.keys[index];
        return std::tuple(key.length != typedLength, key.otherNameLength != 0, key.otherNameLength);
    };
    std::vector<bool> chosen(found.size(), false);
    for (std::size_t index = firstKey; index < lastKey; ++index) {
        if (!Data::admitsStart(data.keys[index], typedLength)) {
            continue;
        }
        const quint32 row = data.keys[index].row;
        const auto slot = std::lower_bound(slotOfRow.begin(), slotOfRow.end(), std::pair(row, std::size_t(0)));
        if (slot == slotOfRow.end() || slot->first != row) {
            continue;
        }
        FoundPlace& place = found[slot->second];
        if (!chosen[slot->second] || rank(index) < rank(place.key)) {
            place.key = index;
            chosen[slot->second] = true;
        }
    }
}

QList<qsizetype> PlaceAtlas::matchingRows(QStringView typed, int limit) const
{
    QList<qsizetype> rows;
    for (const FoundPlace& found : find(typed, limit)) {
        rows.append(found.row);
    }
    return rows;
}

const PlaceAtlas& PlaceAtlas::builtIn()
{
    static const PlaceAtlas atlas;
    return atlas;
}

QList<Place> PlaceAtlas::matching(QStringView typed, int limit) const
{
    QList<Place> places;
    if (limit <= 0) {
        return places;
    }
    for (const FoundPlace& found : find(typed, limit)) {
        Place place = this->place(found.row);
        place.matchedName = fromUtf8(m_data->otherName(m_data->keys[found.key]));
        places.append(place);
    }
    return places;
}

QStringList PlaceAtlas::offerTexts(const QList<Place>& places)
{
    QStringList texts;
    for (const Place& place : places) {
        texts.append(place.displayText());
    }
    const auto coordinates = [](const Place& place) {
        return QStringLiteral(" (%1° %2, %3° %4)")
            .arg(std::abs(place.latitude), 0, 'f', 2)
            .arg(place.latitude < 0 ? QLatin1Char('S') : QLatin1Char('N'))
            .arg(std::abs(place.longitude), 0, 'f', 2)
            .arg(place.longitude < 0 ? QLatin1Char('W') : QLatin1Char('E'));
    };
    const QStringList plain = texts;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (plain.count(plain[i]) > 1) {
            texts[i] += coordinates(places[i]);
        }
    }
    return texts;
}

QString PlaceAtlas::foldForMatching(QStringView text)
{
    const QList<uint> decomposed = text.toString().normalized(QString::NormalizationForm_D).toUcs4();
    std::u32string bare;
    bare.reserve(static_cast<std::size_t>(decomposed.size()));
    for (uint code : decomposed) {
        switch (QChar::category(static_cast<char32_t>(code))) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            break;
        default:
            bare.push_back(static_cast<char32_t>(code));
        }
    }
    const QString lower = QString::fromUcs4(bare.data(), static_cast<qsizetype>(bare.size())).toLower();

    QString folded;
    folded.reserve(lower.size());
    bool blank = false;
    for (QChar c : lower) {
        switch (c.unicode()) {
        case u'\'':
        case u'`':
        case u'.':
        case u'\u2018':
        case u'\u2019':
        case u'\u02BB':
        case u'\u02BC':
            continue;
        case u' ':
        case u'-':
        case u'\u00A0':
        case u'\u2010':
        case u'\u2011':
        case u'\u2012':
        case u'\u2013':
        case u'\u2014':
            blank = true;
            continue;
        default:
            break;
        }
        if (blank && !folded.isEmpty()) {
            folded.append(QLatin1Char(' '));
        }
        blank = false;
        folded.append(c);
    }
    if (blank && !folded.isEmpty()) {
        folded.append(QLatin1Char(' ')); // "san " is not "san": it leaves out "Sanaa"
    }
    return folded;
}

#include "entry/PlaceAtlas.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

// The atlas file, once uncompressed, is UTF-8 text in lines:
//   ondara-atlas<TAB>2<TAB>credit
//   zones<TAB>n, then n IANA zone ids
//   countries<TAB>n, then n country names
//   states<TAB>n, then n state names
//   places<TAB>n, then n places, most populous first:
//       city, ASCII spelling or empty, state row or empty, country row, latitude and longitude in 1e-5 degrees,
//       population, zone row (tab-separated)
//   keys<TAB>n, then n matching keys in byte order: folded name<TAB>place row<TAB>other name or empty
//       (the other name, "Bombay", is what the list shows beside the place's own; its own names leave it empty)
// The rows of the places are their population ranks, so the matcher orders its finds by row alone.

namespace {

constexpr std::string_view formatLine = "ondara-atlas\t2";
constexpr int placeFieldCount = 8;
constexpr qint64 maximumLatitude = 9000000; // 1e-5 degrees
constexpr qint64 maximumLongitude = 18000000;
constexpr quint64 maximumTextBytes = quint64(256) * 1024 * 1024; // far beyond the 12 MB of the built-in atlas

// A whole number written in plain decimal digits, with an optional minus sign when `signedValue`.
std::optional<qint64> wholeNumber(std::string_view text, bool signedValue)
{
    if (text.empty() || text.front() == '+' || (!signedValue && text.front() == '-')) {
        return std::nullopt;
    }
    qint64 value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The tab-separated fields of a place line; false unless there are exactly placeFieldCount.
bool splitFields(std::string_view line, std::string_view (&fields)[placeFieldCount])
{
    int count = 0;
    while (count < placeFieldCount) {
        const std::size_t tab = line.find('\t');
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) {
            break;
        }
        line.remove_prefix(tab + 1);
        if (count == placeFieldCount) {
            return false; // a ninth field
        }
    }
    return count == placeFieldCount;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

struct PlaceAtlas::Data
{
    struct Key
    {
        quint32 offset; // into text: the key line
        quint32 row;
        quint16 length; // of the folded name
        quint16 otherNameLength; // of the other name after it; 0 for the place's own names
    };

    QByteArray text; // the uncompressed file; every view below points into it
    std::vector<std::string_view> zones;
    std::vector<std::string_view> countries;
    std::vector<std::string_view> states;
    std::vector<quint32> placeLines; // where each place's line starts in text
    std::vector<Key> keys;

    class Parser;

    std::string_view key(const Key& key) const { return {text.constData() + key.offset, key.length}; }

    // Other names are many, and some are far from what anyone types ("Peng-teng-san-chhi" for Pingdingshan): one
    // is found by its start only once the text covers half of it, so "pe" does not offer Beijing as "Peken" while
    // "pek" offers it as "Pekin".
    static bool admitsStart(const Key& key, std::size_t typedLength)
    {
        return key.otherNameLength == 0 || 2 * typedLength >= key.length;
    }

    // The other name is the key line's last field.
    std::string_view otherName(const Key& key) const
    {
        const std::string_view line(text.constData() + key.offset, static_cast<std::size_t>(text.size()) - key.offset);
        return line.substr(line.find('\n') - key.otherNameLength, key.otherNameLength);
    }

    std::string_view placeLine(qsizetype row) const
    {
        const std::string_view rest(text.constData() + placeLines[static_cast<std::size_t>(row)],
                                    static_cast<std::size_t>(text.size()) - placeLines[static_cast<std::size_t>(row)]);
        return rest.substr(0, rest.find('\n'));
    }
};

// Walks the uncompressed text line by line and fills the atlas, or says what is wrong and where.
class PlaceAtlas::Data::Parser
{
public:
    explicit Parser(PlaceAtlas::Data& data)
        : m_data(data)
        , m_rest(data.text.constData(), static_cast<std::size_t>(data.text.size()))
    {
    }

    QString parse()
    {
        const std::optional<std::string_view> header = nextLine();
        if (!header || !header->starts_with(formatLine)
            || (header->size() > formatLine.size() && (*header)[formatLine.size()] != '\t')) {
            return QStringLiteral("not an atlas of a known format");
        }
        if (!readTable("zones", m_data.zones) || !readTable("countries", m_data.countries)
            || !readTable("states", m_data.states) || !readPlaces() || !readKeys()) {
            return m_error;
        }
        if (!m_rest.empty()) {
            return QStringLiteral("line %1: unexpected text after the keys").arg(m_lineNumber + 1);
        }
        return {};
    }

private:
    std::optional<std::string_view> nextLine()
    {
        const std::size_t end = m_rest.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt; // every line ends in a line feed, the last one too
        }
        const std::string_view line = m_rest.substr(0, end);
        m_lineOffset = static_cast<quint32>(line.data() - m_data.text.constData());
        m_rest.remove_prefix(end + 1);
        ++m_lineNumber;
        return line;
    }

    bool fail(const QString& what)
    {
        m_error = QStringLiteral("line %1: %2").arg(m_lineNumber).arg(what);
        return false;
    }

    // "name<TAB>count"; the count of lines that follow.
    std::optional<std::size_t> sectionHeader(std::string_view name)
    {
        const std::optional<std::string_view> line = nextLine();
        if (!line) {
            fail(QStringLiteral("the atlas ends before its %1").arg(QLatin1String(name.data(), name.size())));
            return std::nullopt;
        }
        const bool named = line->starts_with(name) && line->size() > name.size() && (*line)[name.size()] == '\t';
        const std::optional<qint64> count = named ? wholeNumber(line->substr(name.size() + 1), false) : std::nullopt;
        if (!count || *count > std::numeric_limits<qint32>::max()) {
            fail(QStringLiteral("expected the %1").arg(QLatin1String(name.data(), name.size())));
            return std::nullopt;
        }
        return static_cast<std::size_t>(*count);
    }

    bool readTable(std::string_view name, std::vector<std::string_view>& rows)
    {
        const std::optional<std::size_t> count = sectionHeader(name);
        if (!count) {
            return false;
        }
        rows.reserve(*count);
        for (std::size_t i = 0; i < *count; ++i) {
            const std::optional<std::string_view> line = nextLine();
            if (!line) {
                return fail(
                    QStringLiteral("the atlas ends inside its %1").arg(QLatin1String(name.data(), name.size())));
            }
            rows.push_back(*line);
        }
        return true;
    }

    // A table row number as a place line gives it: less than `size`.
    static bool isRow(std::string_view field, std::size_t size)
    {
        const std::optional<qint64> row = wholeNumber(field, false);
        return row && static_cast<quint64>(*row) < size;
    }

    static bool isCoordinate(std::string_view field, qint64 maximum)
    {
        const std::optional<qint64> value = wholeNumber(field, true);
        return value && *value >= -maximum && *value <= maximum;
    }

    bool readPlaces()
    {
        const std::optional<std::size_t> count = sectionHeader("places");
        if (!count) {
            return false;
        }
        m_data.placeLines.reserve(*count);
        std::string_view field[placeFieldCount];
        for (std::size_t i = 0; i < *count; ++i) {
            const std::optional<std::string_view> line = nextLine();
            if (!line) {
                return fail(QStringLiteral("the atlas ends inside its places"));
            }
            if (!splitFields(*line, field)) {
                return fail(QStringLiteral("a place needs %1 fields").arg(placeFieldCount));
            }
            if (field[0].empty() || (!field[2].empty() && !isRow(field[2], m_data.states.size()))
                || !isRow(field[3], m_data.countries.size()) || !isCoordinate(field[4], maximumLatitude)
                || !isCoordinate(field[5], maximumLongitude) || !wholeNumber(field[6], false)
                || !isRow(field[7], m_data.zones.size())) {
                return fail(QStringLiteral("a place's name, state, country, coordinates, population or zone is wrong"));
            }
            m_data.placeLines.push_back(m_lineOffset);
        }
        return true;
    }

    bool readKeys()
    {
        const std::optional<std::size_t> count = sectionHeader("keys");
        if (!count) {
            return false;
        }
        m_data.keys.reserve(*count);
        for (std::size_t i = 0; i < *count; ++i) {
            const std::optional<std::string_view> line = nextLine();
            if (!line) {
                return fail(QStringLiteral("the atlas ends inside its keys"));
            }
            const std::size_t tab = line->find('\t');
            const std::size_t secondTab = tab == std::string_view::npos ? tab : line->find('\t', tab + 1);
            const std::string_view row
                = secondTab == std::string_view::npos ? std::string_view() : line->substr(tab + 1, secondTab - tab - 1);
            if (secondTab == std::string_view::npos || tab == 0 || tab > std::numeric_limits<quint16>::max()
                || line->size() - secondTab - 1 > std::numeric_limits<quint16>::max()
                || line->find('\t', secondTab + 1) != std::string_view::npos || !isRow(row, m_data.placeLines.size())) {
                return fail(QStringLiteral("a key needs its text, the row of a place and an other name or none"));
            }
            m_data.keys.push_back({m_lineOffset, static_cast<quint32>(*wholeNumber(row, false)),
                                   static_cast<quint16>(tab), static_cast<quint16>(line->size() - secondTab - 1)});
        }
        // The generator writes the keys in order; an atlas from elsewhere still matches, after a sort.
        const auto byKey = [this](const Key& a, const Key& b) {
            const std::string_view left = m_data.key(a);
            const std::string_view right = m_data.key(b);
            return left < right || (left == right && a.row < b.row);
        };
        if (!std::is_sorted(m_data.keys.begin(), m_data.keys.end(), byKey)) {
            std::sort(m_data.keys.begin(), m_data.keys.end(), byKey);
        }
        return true;
    }

    PlaceAtlas::Data& m_data;
    std::string_view m_rest;
    quint32 m_lineOffset = 0;
    int m_lineNumber = 0;
    QString m_error;
};

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

bool PlaceAtlas::load() const
{
    if (m_data) {
        return m_error.isEmpty();
    }
    // The built-in atlas sits in a static library: naming its initialiser here links it in. It registers a pointer
    // and nothing more, however often it runs.
    Q_INIT_RESOURCE(atlas);
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_data = std::make_unique<Data>(); // no second try on every key the user types
        m_error = QStringLiteral("%1: %2").arg(m_fileName, file.errorString());
        return false;
    }
    return readFrom(&file);
}

bool PlaceAtlas::read(QIODevice* device)
{
    return readFrom(device);
}

bool PlaceAtlas::readFrom(QIODevice* device) const
{
    m_data = std::make_unique<Data>();
    m_error.clear();
    if (!device || !device->isReadable()) {
        m_error = QStringLiteral("the atlas cannot be read");
        return false;
    }
    const QByteArray compressed = device->readAll();
    // qUncompress takes the size in front at its word and reserves it; a damaged size must not reserve gigabytes.
    const quint64 claimedSize = compressed.size() < 4 ? 0 : qFromBigEndian<quint32>(compressed.constData());
    if (claimedSize == 0 || claimedSize > maximumTextBytes) {
        m_error = QStringLiteral("the atlas is not compressed data, or is damaged");
        return false;
    }
    m_data->text = qUncompress(compressed);
    if (m_data->text.isEmpty()) {
        m_error = QStringLiteral("the atlas is not compressed data, or is damaged");
        return false;
    }
    m_error = Data::Parser(*m_data).parse();
    if (!m_error.isEmpty()) {
        m_data = std::make_unique<Data>();
        return false;
    }
    return true;
}

QString PlaceAtlas::errorString() const
{
    return m_error;
}

qsizetype PlaceAtlas::placeCount() const
{
    load();
    return static_cast<qsizetype>(m_data->placeLines.size());
}

Place PlaceAtlas::place(qsizetype row) const
{
    if (row < 0 || row >= placeCount()) {
        return {};
    }
    std::string_view field[placeFieldCount];
    splitFields(m_data->placeLine(row), field); // checked when the atlas was read
    Place place;
    place.city = fromUtf8(field[0]);
    place.asciiName = fromUtf8(field[1]);
    if (!field[2].empty()) {
        place.state = fromUtf8(m_data->states[static_cast<std::size_t>(*wholeNumber(field[2], false))]);
    }
    place.country = fromUtf8(m_data->countries[static_cast<std::size_t>(*wholeNumber(field[3], false))]);
    place.latitude = static_cast<double>(*wholeNumber(field[4], true)) / 1e5;
    place.longitude = static_cast<double>(*wholeNumber(field[5], true)) / 1e5;
    place.population = *wholeNumber(field[6], false);
    const std::string_view zone = m_data->zones[static_cast<std::size_t>(*wholeNumber(field[7], false))];
    place.zoneId = QByteArray(zone.data(), static_cast<qsizetype>(zone.size()));
    return place;
}

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

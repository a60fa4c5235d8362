#include "entry/PlaceAtlasData.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <limits>

// Reading the atlas file: its sections checked line by line into PlaceAtlas::Data.

using namespace PlaceAtlasFormat;

namespace {

constexpr std::string_view formatLine = "ondara-atlas\t2";
constexpr qint64 maximumLatitude = 9000000; // 1e-5 degrees
constexpr qint64 maximumLongitude = 18000000;
constexpr quint64 maximumTextBytes = quint64(256) * 1024 * 1024; // far beyond the 12 MB of the built-in atlas

} // namespace

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

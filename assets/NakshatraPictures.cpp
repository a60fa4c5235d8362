#include "assets/NakshatraPictures.h"

#include "engine/Ephemeris.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The keys in alphabetical order: the order of the set. Each key names the resource ":/nakshatra/<key>.jpg".
constexpr std::array<std::string_view, nakshatraCount> pictureKeys = {
    "Anuradha",
    "Ardra",
    "Ashlesha",
    "Ashwini",
    "Bharani",
    "Chitra",
    "Dhanistha",
    "Hasta",
    "Jyeshtha",
    "Krittika",
    "Magha",
    "Moola",
    "Mrigasira",
    "Poorva Bhadrapada",
    "Poorva Phalguni",
    "Punarvasu",
    "Purva Ashadha",
    "Pushya",
    "Revati",
    "Rohini",
    "Shatabhisha",
    "Shravana",
    "Swati",
    "Uttara Ashadha",
    "Uttara Bhadrapada",
    "Uttara Phalguni",
    "Vishakha",
};
static_assert(std::is_sorted(pictureKeys.begin(), pictureKeys.end()), "the set is kept in alphabetical order");
static_assert(std::adjacent_find(pictureKeys.begin(), pictureKeys.end()) == pictureKeys.end(), "keys are unique");

// The sizes a window icon is drawn at (title bars, task bars, the about box's 48). The 128 and 256 pixel files are
// for the desktop's icon theme, where the package installs them; decoding them at every start would cost more than
// the rest of the icon together.
constexpr std::array iconSizes = {16, 24, 32, 48, 64};

QString keyText(std::string_view key)
{
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

QPixmap pictureOf(std::string_view key)
{
    return QPixmap(QStringLiteral(":/nakshatra/%1.jpg").arg(keyText(key)));
}

} // namespace

QStringList NakshatraPictureSet::keys()
{
    QStringList keys;
    for (const std::string_view key : pictureKeys) {
        keys << keyText(key);
    }
    return keys;
}

QPixmap NakshatraPictureSet::firstPicture()
{
    return pictureOf(pictureKeys.front());
}

std::optional<QPixmap> NakshatraPictureSet::find(const QString& key)
{
    for (const std::string_view candidate : pictureKeys) {
        if (keyText(candidate) == key) {
            return pictureOf(candidate);
        }
    }
    return std::nullopt;
}

QIcon programIcon()
{
    // Reading an icon file decodes it at once, and every window asks for the icon: read the files once per run.
    // The copy is dropped before the application goes, as pixmaps must not outlive it.
    static QIcon* cached = nullptr;
    if (!cached) {
        cached = new QIcon;
        for (const int size : iconSizes) {
            cached->addFile(QStringLiteral(":/icons/ondara-%1.png").arg(size), QSize(size, size));
        }
        qAddPostRoutine([] {
            delete cached;
            cached = nullptr;
        });
    }
    return *cached;
}

QPixmap decorativePicture()
{
    return QPixmap(QStringLiteral(":/pictures/main.png"));
}

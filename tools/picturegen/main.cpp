// picturegen: draws the program's pictures, icons and mouse pointer and writes them, with the list of resource files,
// into the assets folder given as the only argument. The output is committed; run it again after changing a drawing.

#include "HandCursor.h"
#include "NakshatraPicture.h"
#include "NakshatraSymbols.h"
#include "ProgramIcon.h"
#include "SkyPicture.h"
#include "engine/Ephemeris.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace {

constexpr std::array iconSizes = {16, 24, 32, 48, 64, 128, 256};
constexpr int jpegQuality = 95;

struct ResourceFile
{
    QString file; // relative to the assets folder
    QString alias; // path inside the resource tree
};

// File names on disk avoid spaces; the resource alias carries the nakshatra's exact name.
QString fileStem(const QString& nakshatraName)
{
    return nakshatraName.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

bool writeImage(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "picturegen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

bool writeText(const QString& text, const QString& path)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == text.toUtf8()) {
        return true; // unchanged: keep the time stamp, so CMake does not configure again
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    file.write(text.toUtf8());
    return file.commit();
}

bool writeNakshatraPictures(const QDir& assets, QList<ResourceFile>& resources)
{
    QStringList names;
    for (const std::string_view name : nakshatraNames) {
        names << QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    const QFont font = nakshatraPicture::titleFont(names);
    std::printf("picturegen: names in \"%s\" at %d px\n", qPrintable(font.family()), font.pixelSize());
    for (const QString& name : names) {
        const SymbolPainter paint = symbolPainterFor(name.toStdString());
        const QString file = QStringLiteral("nakshatra/%1.jpg").arg(fileStem(name));
        if (paint == nullptr
            || !writeImage(nakshatraPicture::draw(name, paint, font), assets.filePath(file), "jpeg", jpegQuality)) {
            return false;
        }
        resources.append({file, QStringLiteral("nakshatra/%1.jpg").arg(name)});
    }
    return true;
}

bool writeIcons(const QDir& assets, QList<ResourceFile>& resources)
{
    for (const int size : iconSizes) {
        const QString file = QStringLiteral("icons/ondara-%1.png").arg(size);
        if (!writeImage(programIcon::draw(size), assets.filePath(file), "png")) {
            return false;
        }
        resources.append({file, file});
    }
    const QString svgFile = QStringLiteral("icons/ondara.svg");
    resources.append({svgFile, svgFile});
    return writeText(programIcon::svg(), assets.filePath(svgFile));
}

bool writeOtherPictures(const QDir& assets, QList<ResourceFile>& resources)
{
    const QString sky = QStringLiteral("pictures/main.png");
    const QString hand = QStringLiteral("cursors/hand.png");
    resources.append({sky, sky});
    resources.append({hand, hand});
    return writeImage(skyPicture::draw(), assets.filePath(sky), "png")
        && writeImage(handCursor::draw(), assets.filePath(hand), "png");
}

// A CMake fragment that assets/CMakeLists.txt includes: the files and the resource path of each.
QString resourceList(const QList<ResourceFile>& resources)
{
    QString text = QStringLiteral("# Written by tools/picturegen (see tools/README.md); do not edit by hand.\n"
                                  "set(ONDARA_ASSET_FILES\n");
    for (const ResourceFile& resource : resources) {
        text += QStringLiteral("    %1\n").arg(resource.file);
    }
    text += QStringLiteral(")\n");
    for (const ResourceFile& resource : resources) {
        if (resource.alias != resource.file) {
            text += QStringLiteral("set_source_files_properties(%1 PROPERTIES QT_RESOURCE_ALIAS \"%2\")\n")
                        .arg(resource.file, resource.alias);
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build-time tool: no display needed
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturegen <assets folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"nakshatra", "icons", "pictures", "cursors"}) {
        if (!assets.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "picturegen: cannot create %s in %s\n", folder, argv[1]);
            return 1;
        }
    }
    QList<ResourceFile> resources;
    if (!writeNakshatraPictures(assets, resources) || !writeIcons(assets, resources)
        || !writeOtherPictures(assets, resources)
        || !writeText(resourceList(resources), assets.filePath(QStringLiteral("AssetFiles.cmake")))) {
        return 1;
    }
    std::printf("picturegen: wrote %lld files into %s\n", static_cast<long long>(resources.size()) + 1, argv[1]);
    return 0;
}

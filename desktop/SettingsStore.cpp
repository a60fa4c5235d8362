#include "desktop/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

QString& testFile()
{
    static QString path;
    return path;
}

// The application name of the store is the executable's file name without extension.
QString executableBaseName()
{
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base.isEmpty() ? QStringLiteral("ondara") : base;
}

} // namespace

std::unique_ptr<QSettings> SettingsStore::open()
{
    if (!testFile().isEmpty()) {
        return std::make_unique<QSettings>(testFile(), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, executableBaseName(),
                                       executableBaseName());
}

void SettingsStore::setFileForTesting(const QString& path)
{
    testFile() = path;
}

QString SettingsStore::filePath()
{
    return open()->fileName();
}

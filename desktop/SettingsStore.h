#pragma once

#include <QString>

#include <memory>

class QSettings;

// The per-user settings store: an INI file named after the executable, in the user's configuration folder.
// Tests point it at a file of their own.
class SettingsStore
{
public:
    static std::unique_ptr<QSettings> open();
    // An empty path restores the user's real settings file.
    static void setFileForTesting(const QString& path);
    static QString filePath();
};

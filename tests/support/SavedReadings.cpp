#include "tests/support/SavedReadings.h"

#include "report/BirFile.h"

#include <QFile>

bool writeSavedReading(const QString& path, const BirthData& birth, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorText = file.errorString();
        return false;
    }
    return BirFile::write(&file, birth, errorText);
}

#include "tests/support/ProfileFixtures.h"

#include "knowledge/CurrentReading.h"
#include "knowledge/NakshatraProfiles.h"

#include <QTest>

NakshatraProfile profileNamed(const QString& name, CallSite where)
{
    for (const NakshatraProfileRow& row : nakshatraProfiles) {
        NakshatraProfile profile = toProfile(row);
        if (profile.nakshatraName == name) {
            return profile;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("no profile is keyed \"%1\"").arg(name)), where.file, where.line);
    return {};
}

void setCurrentReading(const QString& name)
{
    currentProfile = NakshatraProfile();
    currentProfile.nakshatraName = name;
    findNakshatraProfile(name);
}

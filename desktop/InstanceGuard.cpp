#include "desktop/InstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

InstanceGuard::InstanceGuard(const QString& lockPath)
    : m_lock(lockPath)
{
    // A live copy refreshes nothing, so a lock may be held for days: never treat it as stale by age alone.
    // A crashed holder's lock is still taken over, because QLockFile checks whether its process exists.
    m_lock.setStaleLockTime(0);
}

bool InstanceGuard::tryAcquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString InstanceGuard::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("ondara.lock"));
}

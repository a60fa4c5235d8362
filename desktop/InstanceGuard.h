#pragma once

#include <QLockFile>
#include <QString>

// Lets one copy of the program run at a time. The lock of a copy that crashed is taken over at once, since its
// process is gone.
class InstanceGuard
{
public:
    explicit InstanceGuard(const QString& lockPath = defaultLockPath());
    // True when this process now holds the lock (or already held it).
    bool tryAcquire();

    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

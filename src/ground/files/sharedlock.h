#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

// How long a copy waits for, and holds, a SharedLock.
struct SharedLockTiming
{
    // How long a copy waits for the lock before it gives up.
    int waitMs = 15000;
    // How long an owner may go on changing the file; it gives up after that.
    int holdMs = 3000;
    // A hold seen unchanged for this long was left by a copy that died.
    int staleMs = 10000;
    // The mean pause between two looks of a waiting copy at the start of its wait.
    int pollMs = 120;
};

// Keeps copies of the program, on one desktop or on several, from changing a file at the
// same time, in a folder on a local disk, a Samba share or an sshfs mount. The lock is a
// folder beside the file, "<file>.lock", that holds one entry while a copy holds it.
class SharedLock
{
public:
    using Timing = SharedLockTiming;

    enum class Outcome { Held, Busy, Unwritable };

    explicit SharedLock(const QString &guardedPath, Timing timing = Timing());
    ~SharedLock();
    SharedLock(const SharedLock &) = delete;
    SharedLock &operator=(const SharedLock &) = delete;

    // Busy when another copy kept the lock for the whole wait; Unwritable when the folder
    // takes no new entry.
    Outcome acquire();
    // The owner changes nothing after this; a waiting copy cannot take the lock before it.
    QDeadlineTimer holdDeadline() const { return m_holdDeadline; }
    void release();

    // The lock folder of a guarded file.
    static QString lockPath(const QString &guardedPath);

private:
    // What a waiting copy last saw of the lock, and since when: first how the folder looks
    // from outside, then the holds in it.
    struct Sighting
    {
        QString looks;
        QElapsedTimer looksSince;
        QStringList holds;
        QElapsedTimer holdsSince;
    };

    bool tryTake();
    // Looks at the lock without opening anything in it; true when it is worth trying again
    // at once.
    bool look(Sighting &sighting);
    void pause(qint64 waitedMs, const QDeadlineTimer &deadline) const;
    void dropStaging();

    QString m_lock;
    QString m_token;
    QString m_staging;
    Timing m_timing;
    bool m_held = false;
    QElapsedTimer m_heldFor;
    QDeadlineTimer m_holdDeadline;
};

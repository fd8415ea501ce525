#include "files/sharedlock.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

// Why the lock holds on a local disk, NFS, sshfs and a Samba share mounted with smbnetfs:
// - A copy takes the lock by renaming a folder of its own, which already holds one entry
//   with a random name (its hold), onto "<file>.lock". All of them refuse to rename a folder
//   onto a folder that is not empty, so one copy at a time gets it, and a held lock is never
//   empty. A rename reaches the server even where sshfs still believes, for up to 20 s, in a
//   lock folder that another desktop has removed; mkdir would fail on that belief.
// - The owner frees the lock by renaming it away again, so that its name is never half
//   removed: smbnetfs drops its connection, and every call under way on it, when it is asked
//   about a name that another desktop is removing.
// - No copy opens or reads another copy's files. Holds are empty folders, so taking one over
//   removes no file that the other desktop may still have open, which Samba refuses.
// - A waiting copy takes over a hold that it has seen for staleMs on its own monotonic clock:
//   no clocks of server and desktops are compared (sshfs gives whole seconds anyway). First
//   the lock folder must look the same from outside for half that time, then the same hold
//   must be listed in it for the other half. It removes that very hold, which succeeds only
//   while the hold is still there: an old, cached listing can delay a takeover but not take
//   a live lock, and of two copies that judge one hold stale at once only one removes it.
//   The folder left empty is free: renaming onto an empty folder replaces it.
// - An owner changes nothing after holdMs, and renames the lock away only while no copy can
//   yet have judged its hold stale; later it removes just its hold.

namespace {

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

bool makeDir(const QString &path)
{
    return ::mkdir(nativePath(path).constData(), 0777) == 0;
}

bool removeDir(const QString &path)
{
    return ::rmdir(nativePath(path).constData()) == 0;
}

bool renamePath(const QString &from, const QString &to)
{
    return std::rename(nativePath(from).constData(), nativePath(to).constData()) == 0;
}

// Only a definite answer counts: smbnetfs gives a passing I/O error while it reconnects.
bool isGone(const QString &path)
{
    struct stat status;
    return ::stat(nativePath(path).constData(), &status) != 0 && errno == ENOENT;
}

bool exists(const QString &path)
{
    struct stat status;
    return ::stat(nativePath(path).constData(), &status) == 0;
}

QString randomName()
{
    return QString::number(QRandomGenerator::system()->generate64(), 16);
}

} // namespace

SharedLock::SharedLock(const QString &guardedPath, Timing timing)
    : m_lock(lockPath(guardedPath)), m_timing(timing)
{}

SharedLock::~SharedLock()
{
    release();
}

QString SharedLock::lockPath(const QString &guardedPath)
{
    return guardedPath + QStringLiteral(".lock");
}

SharedLock::Outcome SharedLock::acquire()
{
    if (m_held)
        return Outcome::Held;
    const QDeadlineTimer deadline(m_timing.waitMs);
    m_token = randomName();
    m_staging = m_lock + u'-' + m_token;
    if (!makeDir(m_staging) || !makeDir(m_staging + u'/' + m_token)) {
        dropStaging();
        return Outcome::Unwritable;
    }
    QElapsedTimer waited;
    waited.start();
    QElapsedTimer sinceTry;
    QElapsedTimer sinceLook;
    qint64 tryEveryMs = 0;
    Sighting sighting;
    bool tryNow = true;
    for (;;) {
        if (tryNow || sinceTry.elapsed() >= tryEveryMs) {
            sinceTry.start();
            if (tryTake())
                return Outcome::Held;
            if (isGone(m_staging)) {
                dropStaging();
                return Outcome::Unwritable;
            }
            // A failed try costs the server far more than a look, above all on Samba; but a
            // mount may show the lock for a while after another desktop freed it, so a copy
            // tries now and then anyway, at first spending about a hundredth of its wait on
            // it, and more often the longer it has waited.
            tryEveryMs = std::max<qint64>(m_timing.pollMs, sinceTry.elapsed() * 100) * 1000 /
                         (1000 + waited.elapsed());
        }
        tryNow = false;
        if (!sinceLook.isValid() || sinceLook.elapsed() >= m_timing.staleMs / 10) {
            sinceLook.start();
            tryNow = look(sighting);
        }
        if (deadline.hasExpired()) {
            dropStaging();
            return Outcome::Busy;
        }
        if (!tryNow) {
            pause(waited.elapsed(), deadline);
            tryNow = !exists(m_lock);
        }
    }
}

void SharedLock::pause(qint64 waitedMs, const QDeadlineTimer &deadline) const
{
    // Random pauses keep copies from trying in step; the longer a copy has waited, the
    // shorter its pauses, so that it is likelier to be first when the lock comes free.
    const double share =
        (0.5 + QRandomGenerator::global()->generateDouble()) * 1000 / (1000 + waitedMs);
    const qint64 ms = std::max<qint64>(1, qint64(m_timing.pollMs * share));
    QThread::msleep(std::min(ms, std::max<qint64>(0, deadline.remainingTime())));
}

bool SharedLock::tryTake()
{
    // smbnetfs may lose the answer to a rename that was done, when it reconnects: our own
    // hold in the lock says that it was.
    if (!renamePath(m_staging, m_lock) && !(isGone(m_staging) && exists(m_lock + u'/' + m_token)))
        return false;
    m_held = true;
    m_heldFor.start();
    m_holdDeadline.setRemainingTime(m_timing.holdMs);
    m_staging.clear();
    return true;
}

bool SharedLock::look(Sighting &sighting)
{
    struct stat now;
    if (::stat(nativePath(m_lock).constData(), &now) != 0)
        return true;
    const QString looks = QStringLiteral("%1 %2 %3.%4 %5.%6")
                              .arg(now.st_ino)
                              .arg(now.st_mode)
                              .arg(now.st_mtim.tv_sec)
                              .arg(now.st_mtim.tv_nsec)
                              .arg(now.st_ctim.tv_sec)
                              .arg(now.st_ctim.tv_nsec);
    if (looks != sighting.looks) {
        sighting = Sighting{looks, {}, {}, {}};
        sighting.looksSince.start();
        return false;
    }
    const int half = m_timing.staleMs / 2;
    if (!S_ISDIR(now.st_mode)) {
        // A lock file that an older version of the program left behind.
        if (sighting.looksSince.elapsed() < m_timing.staleMs)
            return false;
        QFile::remove(m_lock);
        return true;
    }
    // Only a lock that has looked the same for a while is listed, since listing a folder
    // while another desktop renames it may make smbnetfs drop its connection.
    if (sighting.looksSince.elapsed() < half)
        return false;
    const QStringList holds = QDir(m_lock).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (holds.isEmpty())
        return true;
    if (holds != sighting.holds) {
        sighting.holds = holds;
        sighting.holdsSince.start();
        return false;
    }
    if (sighting.holdsSince.elapsed() < half)
        return false;
    for (const QString &hold : holds) {
        const QString path = m_lock + u'/' + hold;
        if (!removeDir(path))
            QFile::remove(path);
    }
    sighting = Sighting();
    return true;
}

void SharedLock::release()
{
    if (m_held) {
        m_held = false;
        const QString trash = m_lock + u'-' + m_token;
        // Renamed away while no waiting copy can have taken the hold over, the lock is free
        // in one step. Samba may refuse for a moment while another desktop looks at it.
        bool away = false;
        for (int tries = 0; !away && m_heldFor.elapsed() < m_timing.staleMs / 2 && tries < 3;
             ++tries) {
            const bool renamed = renamePath(m_lock, trash);
            const int error = errno;
            // smbnetfs may lose the answer to a rename that was done, when it reconnects.
            away = renamed || exists(trash);
            if (!away && error == ENOENT)
                break;
            if (!away)
                QThread::msleep(20);
        }
        // Otherwise only the hold is removed; the empty folder is free for the next copy.
        removeDir((away ? trash : m_lock) + u'/' + m_token);
        if (away)
            removeDir(trash);
    }
    dropStaging();
}

void SharedLock::dropStaging()
{
    if (m_staging.isEmpty())
        return;
    removeDir(m_staging + u'/' + m_token);
    removeDir(m_staging);
    m_staging.clear();
}

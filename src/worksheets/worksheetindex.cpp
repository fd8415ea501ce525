#include "worksheets/worksheetindex.h"

#include "platform/contentpath.h"
#include "platform/textfile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <utility>

namespace {

// Long enough for the slowest network share to finish a rewrite of the index.
constexpr int lockWaitMs = 5000;
// A lock left by a copy that died is taken over after this long.
constexpr int staleLockMs = 10000;

// Holds the index's lock file for one read-modify-write, so that two copies of the program
// sharing a folder never both rewrite the index from the same old copy.
class IndexLock
{
public:
    explicit IndexLock(const QString &indexPath) : m_lock(indexPath + QStringLiteral(".lock"))
    {
        m_lock.setStaleLockTime(staleLockMs);
    }

    // QLockFile::tryLock backs off exponentially, so a waiting copy would keep missing the
    // short gaps between another copy's writes; short random pauses give it a fair turn.
    bool acquire()
    {
        QDeadlineTimer deadline(lockWaitMs);
        while (!m_lock.tryLock(0)) {
            if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
                return false;
            QThread::msleep(QRandomGenerator::global()->bounded(5, 25));
        }
        return true;
    }

private:
    QLockFile m_lock;
};

} // namespace

WorksheetIndexFile::WorksheetIndexFile(QString path) : m_path(std::move(path)) {}

const QString WorksheetIndexFile::missingMessage =
    QStringLiteral("This folder has no worksheet catalogue (multiple/track.txt).");

bool WorksheetIndexFile::exists() const
{
    return QFileInfo(resolveContentPath(m_path)).isFile();
}

WorksheetIndex WorksheetIndexFile::parse(QIODevice &device)
{
    WorksheetIndex index;
    FieldReader reader(device);
    QString field;
    if (!reader.next(field))
        return index;
    // A count that cannot be trusted still leaves the titles that are there readable.
    bool isNumber = false;
    const int count = field.trimmed().toInt(&isNumber);
    const int wanted = isNumber && count >= 0 ? std::min(count, WorksheetIndex::capacity)
                                              : WorksheetIndex::capacity;
    while (index.count() < wanted && reader.next(field))
        index.titles.append(field);
    return index;
}

bool WorksheetIndexFile::read(const QString &resolvedPath, WorksheetIndex &index)
{
    QFile file(resolvedPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    index = parse(file);
    return true;
}

bool WorksheetIndexFile::write(const QString &resolvedPath, const WorksheetIndex &index)
{
    QStringList lines;
    lines.reserve(index.count() + 1);
    lines.append(QStringLiteral(" %1 ").arg(index.count()));
    lines.append(index.titles);
    return writeTextLines(resolvedPath, lines);
}

WorksheetIndex WorksheetIndexFile::load() const
{
    // A missing or unreadable index simply lists no worksheets.
    WorksheetIndex index;
    read(resolveContentPath(m_path), index);
    return index;
}

bool WorksheetIndexFile::update(const std::function<Change(WorksheetIndex &)> &change,
                                WorksheetIndex *result) const
{
    const QString path = resolveContentPath(m_path);
    // The index is installed with the program and never created here.
    if (!QFileInfo::exists(path))
        return false;
    IndexLock lock(path);
    WorksheetIndex current;
    if (!lock.acquire() || !read(path, current))
        return false;
    switch (change(current)) {
    case Change::Refuse:
        return false;
    case Change::Rewrite:
        if (!write(path, current))
            return false;
        break;
    case Change::Keep:
        break;
    }
    if (result)
        *result = std::move(current);
    return true;
}

bool WorksheetIndexFile::trackWorksheets(const QString &storedTitle, WorksheetIndex *index) const
{
    return update(
        [&storedTitle](WorksheetIndex &current) {
            // Saving again under an old title overwrites its file; the index keeps one entry.
            if (current.titles.contains(storedTitle))
                return Change::Keep;
            if (current.count() >= WorksheetIndex::capacity)
                return Change::Refuse;
            current.titles.append(storedTitle);
            return Change::Rewrite;
        },
        index);
}

bool WorksheetIndexFile::delWorksheet(const QString &storedTitle, WorksheetIndex &index) const
{
    return update(
        [&storedTitle](WorksheetIndex &current) {
            const qsizetype found = current.titles.lastIndexOf(storedTitle);
            if (found < 0)
                return Change::Keep;
            current.titles.removeAt(found);
            return Change::Rewrite;
        },
        &index);
}

#include "worksheets/worksheetindex.h"

#include "files/contentpath.h"
#include "files/sharedlock.h"
#include "files/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

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
    if (!openCurrent(file))
        return false;
    index = parse(file);
    return true;
}

bool WorksheetIndexFile::write(const QString &resolvedPath, const WorksheetIndex &index,
                               QDeadlineTimer by)
{
    QStringList lines;
    lines.reserve(index.count() + 1);
    lines.append(QStringLiteral(" %1 ").arg(index.count()));
    lines.append(index.titles);
    return writeTextLines(resolvedPath, lines, nullptr, by);
}

WorksheetIndex WorksheetIndexFile::load() const
{
    // A missing or unreadable index simply lists no worksheets.
    WorksheetIndex index;
    read(resolveContentPath(m_path), index);
    return index;
}

bool WorksheetIndexFile::underLock(const std::function<bool(const QDeadlineTimer &)> &work) const
{
    // Only the folder is resolved: only the copy that holds the lock looks at the index,
    // since smbnetfs drops its connection when asked about a file that another desktop is
    // replacing, and a waiting copy would otherwise find it missing for that moment.
    const qsizetype split = std::max(m_path.lastIndexOf(u'/'), m_path.lastIndexOf(u'\\'));
    const QString folder = split < 0 ? QString() : resolveContentPath(m_path.left(split)) + u'/';
    SharedLock lock(folder + m_path.mid(split + 1));
    return lock.acquire() == SharedLock::Outcome::Held && work(lock.holdDeadline());
}

bool WorksheetIndexFile::update(const std::function<Change(WorksheetIndex &)> &change,
                                WorksheetIndex *result) const
{
    return underLock([&](const QDeadlineTimer &by) {
        // The index is installed with the program and never created here.
        const QString path = resolveContentPath(m_path);
        WorksheetIndex current;
        if (!read(path, current))
            return false;
        switch (change(current)) {
        case Change::Refuse:
            return false;
        case Change::Rewrite:
            if (!write(path, current, by))
                return false;
            break;
        case Change::Keep:
            break;
        }
        if (result)
            *result = std::move(current);
        return true;
    });
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

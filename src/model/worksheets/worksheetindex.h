#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The in-memory copy of the worksheet index: stored titles, oldest first.
struct WorksheetIndex
{
    static constexpr int capacity = 1000;
    QStringList titles;
    int count() const { return int(titles.size()); }
};

// The index file "multiple\track.txt" and the two operations that change it.
class WorksheetIndexFile
{
public:
    explicit WorksheetIndexFile(QString path = QStringLiteral("multiple\\track.txt"));

    // True when the index file is there to be appended to.
    bool exists() const;
    // What a teacher is told when it is not.
    static const QString missingMessage;
    // Reads the index; a missing or damaged file gives what could be read.
    WorksheetIndex load() const;
    // Appends a stored title unless it is already listed. False when the index is
    // missing, full, locked by another copy for too long, or cannot be written. Copies of
    // the program sharing the folder, on one desktop or several, take turns.
    bool trackWorksheets(const QString &storedTitle, WorksheetIndex *index = nullptr) const;
    // Removes the last entry equal to storedTitle and fills index with the result.
    // False when the index cannot be read or written.
    bool delWorksheet(const QString &storedTitle, WorksheetIndex &index) const;

    // Runs work while this copy holds the index's lock, with the time by which it must be
    // done, so that it takes turns with every change other copies make to the index. False
    // when the lock could not be had or work failed.
    bool underLock(const std::function<bool(const QDeadlineTimer &by)> &work) const;

    // Reads an index from the start of an open device; damage gives what could be read.
    static WorksheetIndex parse(QIODevice &device);

private:
    // Reads the file at an already resolved path; false when it cannot be opened.
    static bool read(const QString &resolvedPath, WorksheetIndex &index);
    // Writes the whole index, beginning no attempt after by.
    static bool write(const QString &resolvedPath, const WorksheetIndex &index, QDeadlineTimer by);

    // What a change makes of the index it was given.
    enum class Change { Keep, Rewrite, Refuse };
    // One read-modify-write of the index under its lock; on success *result (if given)
    // holds the index as it now stands.
    bool update(const std::function<Change(WorksheetIndex &)> &change,
                WorksheetIndex *result) const;

    QString m_path;
};

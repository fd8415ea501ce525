#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <memory>

// The bytes of a file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry under a folder, folders included, with each file's bytes: to see that
// nothing was written.
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(QDir(root).relativeFilePath(path),
                       it.fileInfo().isDir() ? QByteArray("<folder>") : fileBytes(path));
    }
    return entries;
}

// Writes bytes exactly as given, creating the folders on the way.
inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A fresh temporary folder as the working directory, for as long as it lives; renew()
// swaps it for another fresh one, for tests that want a clean folder per case.
class WorkingFolder
{
public:
    WorkingFolder() : m_previous(QDir::currentPath()) { renew(); }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    bool renew()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        return m_dir->isValid() && QDir::setCurrent(m_dir->path());
    }
    bool isValid() const { return m_dir->isValid(); }
    QString path() const { return m_dir->path(); }

private:
    QString m_previous;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Limits the size of any file this process writes, for as long as it lives, so that a
// test can make a write fail half-way as a full disk would. Root ignores permissions,
// but not a file size limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    bool m_set = false;
};

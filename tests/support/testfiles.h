#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The bytes of a file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

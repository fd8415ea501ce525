#include "launcher/workingfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace workingfolder {

namespace {

// What the program reads from its working folder and never writes.
const QStringList sharedEntries = {QStringLiteral("Images"), QStringLiteral("wmf"),
                                   QStringLiteral("wmf2"), QStringLiteral("logo"),
                                   QStringLiteral("zorvanel.ico")};
const QString worksheetFolder = QStringLiteral("multiple");
const QString indexFile = QStringLiteral("track.txt");
// The pupils' results, beside the worksheets, so a school's folder holds them too.
const QString resultsFolder = QStringLiteral("results");

QString absoluteSetting(const QProcessEnvironment &environment, const QString &name)
{
    const QString value = environment.value(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

Preparation failure(const QString &problem)
{
    Preparation result;
    result.problem = problem + QStringLiteral(" Choose a folder that you can write to with "
                                              "ZORVANEL_WORKSHEETS, or ask your technician.");
    return result;
}

Preparation cannotWrite(const QString &folder)
{
    return failure(QStringLiteral("Zorvanel cannot write in the folder for its worksheets, %1.")
                       .arg(native(folder)));
}

enum class Link { Made, UsersOwn, Failed };

// Points link at target. An older link is replaced in one step, so a second copy starting
// at the same moment never finds the name missing; a real file or folder is the user's.
Link ensureLink(const QString &target, const QString &link)
{
    const QFileInfo info(link);
    if (info.isSymLink() && info.symLinkTarget() == target)
        return Link::Made;
    if (!info.isSymLink() && info.exists())
        return Link::UsersOwn;
    const QString fresh = link + QStringLiteral(".new-%1").arg(QCoreApplication::applicationPid());
    QFile::remove(fresh);
    if (!QFile::link(target, fresh))
        return Link::Failed;
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(link).constData()) !=
        0) {
        QFile::remove(fresh);
        return Link::Failed;
    }
    return Link::Made;
}

bool sameBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Only ever creates the index: a teacher's index is never replaced, not even by a copy
// starting at the same moment.
bool createIndex(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.exists();
    if (file.write(bytes) == bytes.size() && file.flush())
        return true;
    file.remove();
    return false;
}

Preparation contentMissing(const QString &contentDir)
{
    return failure(
        QStringLiteral("Zorvanel's installed content is missing from %1.").arg(native(contentDir)));
}

// The topic's own sets follow the installed copy; the index is made once.
Preparation refreshSets(const QString &shipped, const QString &own)
{
    const QFileInfoList files = QDir(shipped).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        QFile source(file.filePath());
        if (!source.open(QIODevice::ReadOnly))
            return contentMissing(shipped);
        const QByteArray bytes = source.readAll();
        const QString target = own + u'/' + file.fileName();
        const bool written = file.fileName() == indexFile
                                 ? createIndex(target, bytes)
                                 : sameBytes(target, bytes) || writeWhole(target, bytes);
        if (!written)
            return cannotWrite(own);
    }
    Preparation done;
    done.ok = true;
    return done;
}

// $XDG_DATA_HOME/zorvanel, else ~/.local/share/zorvanel.
QString ownFolder(const QProcessEnvironment &environment)
{
    QString data = absoluteSetting(environment, QStringLiteral("XDG_DATA_HOME"));
    if (data.isEmpty())
        data = environment.value(QStringLiteral("HOME")) + QStringLiteral("/.local/share");
    return data + QStringLiteral("/zorvanel");
}

bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.zorvanel-XXXXXX"));
    return probe.open();
}

} // namespace

QString location(const QProcessEnvironment &environment)
{
    const QString chosen = absoluteSetting(environment, QStringLiteral("ZORVANEL_WORKSHEETS"));
    return chosen.isEmpty() ? ownFolder(environment) : chosen;
}

QString runFolder(const QProcessEnvironment &environment)
{
    const QString own = ownFolder(environment);
    return location(environment) == own ? own : own + QStringLiteral("-school");
}

Preparation prepare(const QString &contentDir, const QString &workDir, const QString &worksheetsDir)
{
    const QString content = QFileInfo(contentDir).canonicalFilePath();
    if (content.isEmpty() || !QFileInfo(content + u'/' + worksheetFolder).isDir())
        return contentMissing(contentDir);
    const QString keeper = worksheetsDir.isEmpty() ? workDir : worksheetsDir;
    const QString own = keeper + u'/' + worksheetFolder;
    if (!QDir().mkpath(own)) {
        if (QFileInfo(keeper).isDir())
            return cannotWrite(keeper);
        return failure(QStringLiteral("Zorvanel cannot create the folder for its worksheets, %1.")
                           .arg(native(keeper)));
    }
    if (!canWriteIn(own))
        return cannotWrite(own);
    if (!QDir().mkpath(workDir)) {
        Preparation result;
        result.problem =
            QStringLiteral("Zorvanel cannot create its folder %1.").arg(native(workDir));
        return result;
    }

    QList<std::pair<QString, QString>> links;
    for (const QString &entry : sharedEntries)
        links.append({content + u'/' + entry, workDir + u'/' + entry});
    if (keeper != workDir) {
        links.append({own, workDir + u'/' + worksheetFolder});
        // A technician may have made it already, with modes that let pupils add but not read.
        QDir().mkpath(keeper + u'/' + resultsFolder);
        links.append({keeper + u'/' + resultsFolder, workDir + u'/' + resultsFolder});
    }
    QStringList notes;
    for (const auto &[target, link] : links) {
        switch (ensureLink(target, link)) {
        case Link::Made:
            break;
        case Link::UsersOwn:
            notes.append(QStringLiteral("Kept %1: it is not a link to %2.")
                             .arg(native(link), native(target)));
            break;
        case Link::Failed:
            return cannotWrite(workDir);
        }
    }
    Preparation sets = refreshSets(content + u'/' + worksheetFolder, own);
    sets.notes = notes;
    return sets;
}

} // namespace workingfolder

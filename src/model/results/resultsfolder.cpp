#include "results/resultsfolder.h"

#include "files/contentpath.h"
#include "files/sharedlock.h"
#include "files/textfile.h"

#include <QDir>
#include <QFile>

ResultsFolder::ResultsFolder(QString folder) : m_folder(std::move(folder)) {}

QString ResultsFolder::fileFor(const QString &pupil) const
{
    QString name;
    for (const QChar c : pupil.trimmed().left(80)) {
        const bool unsafe = c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unsafe ? u'_' : c;
    }
    // Not hidden, and never "." or "..".
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u'_');
    return resolveContentPath(m_folder) + u'/' + name + QStringLiteral(".csv");
}

bool ResultsFolder::record(const Attempt &attempt, QString *problem) const
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return false;
    };
    const QString folder = resolveContentPath(m_folder);
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("the folder %1 cannot be made").arg(shownContentPath(folder)));
    const QString path = fileFor(attempt.pupil);
    SharedLock lock(path);
    switch (lock.acquire()) {
    case SharedLock::Outcome::Held:
        break;
    case SharedLock::Outcome::Busy:
        return fail(QStringLiteral("%1 stayed busy").arg(shownContentPath(path)));
    case SharedLock::Outcome::Unwritable:
        return fail(
            QStringLiteral("the folder %1 cannot be written").arg(shownContentPath(folder)));
    }
    // Under the lock, from the file as it now stands, so no other copy's record is lost.
    QByteArray bytes;
    QFile current(path);
    if (current.exists()) {
        if (!openCurrent(current))
            return fail(QStringLiteral("%1 cannot be read").arg(shownContentPath(path)));
        bytes = current.readAll();
        current.close();
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += "\r\n";
    }
    if (bytes.isEmpty())
        bytes = attemptcsv::header();
    bytes += attemptcsv::record(attempt);
    QString error;
    if (!writeWholeFile(path, bytes, &error, lock.holdDeadline(), Readers::OwnerAndGroup))
        return fail(error);
    return true;
}

ResultsFolder::Loaded ResultsFolder::load() const
{
    Loaded loaded;
    const QDir folder(resolveContentPath(m_folder));
    const QStringList files = folder.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile file(folder.filePath(name));
        if (!openCurrent(file)) {
            loaded.unreadable.append(name);
            continue;
        }
        const attemptcsv::Read read = attemptcsv::read(file.readAll());
        loaded.attempts.append(read.attempts);
        loaded.damaged += read.damaged;
    }
    return loaded;
}

QStringList ResultsFolder::Loaded::problems() const
{
    QStringList sentences;
    for (const QString &name : unreadable)
        sentences << QStringLiteral("results/%1 could not be read.").arg(name);
    if (damaged > 0)
        sentences << (damaged == 1
                          ? QStringLiteral("1 damaged record was left out.")
                          : QStringLiteral("%1 damaged records were left out.").arg(damaged));
    return sentences;
}

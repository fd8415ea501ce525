#include "files/contentpath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The entry in folder whose name matches without regard to case, or an empty string. Names are
// sorted first so that, when several differ only in case, the same one is always chosen.
QString findIgnoringCase(const QString &folder, const QString &name)
{
    QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end());
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString shownContentPath(const QString &path)
{
    return QDir::toNativeSeparators(
        QDir::current().absoluteFilePath(QString(path).replace(u'\\', u'/')));
}

QString resolveContentPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = path.split(separators, Qt::SkipEmptyParts);
    const bool absolute = path.front() == u'/' || path.front() == u'\\';

    QString folder = absolute ? QStringLiteral("/") : QDir::currentPath();
    QStringList resolved;
    bool exists = true;
    for (const QString &part : parts) {
        QString name = part;
        if (exists && part != u"." && part != u"..") {
            const QString exact = folder + u'/' + part;
            if (!QFileInfo::exists(exact))
                name = findIgnoringCase(folder, part);
            exists = !name.isEmpty();
            if (!exists)
                name = part;
        }
        resolved.append(name);
        folder = QDir::cleanPath(folder + u'/' + name);
    }
    const QString joined = resolved.join(u'/');
    return absolute ? u'/' + joined : joined;
}

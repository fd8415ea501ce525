#include "viewers/viewerpages.h"

#include "texts/numbertext.h"

namespace viewerpages {

QString pageLabel(int page, int count)
{
    return QStringLiteral("Page") + numberText(page) + QStringLiteral(" of") + numberText(count);
}

QString guidePage(const QString &folder, int page)
{
    return QStringLiteral("%1\\guide%2.wmf").arg(folder).arg(page);
}

QString notesPage(const QString &folder, const QString &set, int page)
{
    const QChar ending(u'a' + (page - 1));
    return folder + u'\\' + set + ending + QStringLiteral(".wmf");
}

QString logoFramePath(int frame)
{
    return QStringLiteral("logo\\quil%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
}

} // namespace viewerpages

#include "worksheets/worksheetfile.h"

#include "files/commas.h"
#include "files/contentpath.h"
#include "quiz/questionset.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace worksheetfile {

namespace {
const QString folder = QStringLiteral("multiple\\");
const QString ending = QStringLiteral(".txt");
// What a Windows file name cannot hold, the separators included.
const QString forbidden = QStringLiteral(":*?\"<>|\\/");
// The files of "multiple" that belong to the program, not to a teacher.
const QStringList programFiles = {QStringLiteral("track"), QStringLiteral("Tomas Verrin")};
} // namespace

QString keptTitle(const QString &typed)
{
    qsizetype start = 0;
    while (start < typed.size() && typed.at(start) == u' ')
        ++start;
    return typed.mid(start);
}

QString path(const QString &storedTitle)
{
    return folder + storedTitle + ending;
}

bool namesPlainFile(const QString &storedTitle)
{
    if (storedTitle.isEmpty() || storedTitle == u"." || storedTitle == u"..")
        return false;
    for (const QChar c : storedTitle) {
        if (c.category() == QChar::Other_Control || forbidden.contains(c))
            return false;
    }
    return true;
}

bool canSaveUnder(const QString &storedTitle)
{
    if (!namesPlainFile(storedTitle))
        return false;
    for (const QString &name : programFiles)
        if (storedTitle.compare(name, Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

bool exists(const QString &storedTitle)
{
    return namesPlainFile(storedTitle) && QFileInfo::exists(resolveContentPath(path(storedTitle)));
}

Claim claim(const QString &storedTitle)
{
    if (!namesPlainFile(storedTitle))
        return Claim::Failed;
    if (exists(storedTitle))
        return Claim::Taken;
    QFile file(resolveContentPath(path(storedTitle)));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Claim::Made;
    return file.exists() ? Claim::Taken : Claim::Failed;
}

bool read(const QString &storedTitle, QuestionSet &set)
{
    return namesPlainFile(storedTitle) && readQuestionSetFile(path(storedTitle), set);
}

bool readShown(const QString &shownTitle, QuestionSet &set)
{
    return read(encodeCommas(shownTitle), set);
}

} // namespace worksheetfile

#include "exchange/worksheetexport.h"

#include "exchange/giftwriter.h"
#include "exchange/moodlexmlwriter.h"
#include "quiz/questionset.h"

#include <QFileInfo>
#include <QSaveFile>

namespace worksheetexport {

namespace {
// GIFT reads an answer block holding "->" as a matching question and has no escape for
// it, so such a worksheet would arrive as something else.
QString giftProblem(const QuestionSet &set)
{
    for (int number = 1; number <= QuestionSet::questionCount; ++number) {
        for (const QString &answer : set.question(number).answers) {
            if (answer.contains(QLatin1String("->")))
                return QStringLiteral(
                           "Question %1 has an answer with \"->\", which GIFT reads as a "
                           "matching question: export it as XML instead.")
                    .arg(number);
        }
    }
    return QString();
}
} // namespace

std::optional<Format> formatFor(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gift") || suffix == QLatin1String("txt"))
        return Format::Gift;
    if (suffix == QLatin1String("xml"))
        return Format::MoodleXml;
    return std::nullopt;
}

bool write(const QuestionSet &set, const QString &path, Format format, QString *problem)
{
    if (const QString refused = format == Format::Gift ? giftProblem(set) : QString();
        !refused.isEmpty()) {
        if (problem)
            *problem = refused;
        return false;
    }
    const QByteArray bytes = format == Format::Gift ? gift::write(set) : moodlexml::write(set);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (problem)
        *problem = QStringLiteral("%1 could not be written: %2.").arg(path, file.errorString());
    return false;
}

} // namespace worksheetexport

#include "exchange/giftwriter.h"

#include "exchange/giftreader.h"
#include "quiz/questionset.h"

#include <QString>

namespace gift {

namespace {

// Every mark the format reads as syntax, and the backslash that escapes them, so that a
// worksheet's "a = b" or "{x}" arrives as typed.
QString escaped(const QString &text)
{
    static const QString marks = QStringLiteral("~=#{}:\\");
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\n') {
            result += QStringLiteral("\\n");
            continue;
        }
        if (marks.contains(c))
            result += u'\\';
        result += c;
    }
    return result;
}

// An answer that begins with "%" would have its start read as a weight ("%50%..."), so
// such an answer is given its weight outright first; one that begins with a format marker
// ("[html]...") would have it read as its format, so it is given its format, the
// question's, outright. An answer holding "->" still reads as a matching question: the
// format has no escape for it.
QString answerLine(const QString &text, bool right)
{
    QString line = right ? QStringLiteral("=") : QStringLiteral("~");
    if (text.startsWith(u'%'))
        line += right ? QStringLiteral("%100%") : QStringLiteral("%0%");
    if (startsWithFormat(text))
        line += QStringLiteral("[plain]");
    return line + escaped(text);
}

} // namespace

QByteArray write(const QuestionSet &set)
{
    // The title cannot hold "/" or "\" (it names a file), so it is one category under the
    // course's top one; the line is read as it stands, with no escapes.
    QString file = QStringLiteral("$CATEGORY: $course$/top/") + set.title + u'\n';
    for (int n = 1; n <= QuestionSet::questionCount; ++n) {
        const ::Question &question = set.question(n);
        const QString name = set.title + u' ' + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
        // [plain], since the default auto-format would keep a "<b>" as markup and turn
        // ":)" or a web address into a picture or a link; the answers follow the question's
        // format.
        file += QStringLiteral("\n::") + escaped(name) + QStringLiteral("::[plain]") +
                escaped(question.text) + QStringLiteral(" {\n");
        for (int a = 0; a < int(question.answers.size()); ++a)
            file += answerLine(question.answers.at(a), question.correctChoice() == a + 1) + u'\n';
        file += QStringLiteral("}\n");
    }
    return file.toUtf8();
}

} // namespace gift

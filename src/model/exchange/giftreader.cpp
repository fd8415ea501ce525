#include "exchange/giftreader.h"

#include "files/textfile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace gift {

namespace {

// Escaped characters stand in the private use area while the text is taken apart, so that
// no escaped mark is read as syntax; they come back as themselves at the end.
constexpr char16_t escapeBase = 0xE000;
const QString escapable = QStringLiteral("~=#{}:\\n");

QString hideEscapes(const QString &text)
{
    QString hidden;
    hidden.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype mark = i + 1 < text.size() ? escapable.indexOf(text.at(i + 1)) : -1;
        if (text.at(i) == u'\\' && mark >= 0) {
            hidden.append(QChar(char16_t(escapeBase + mark)));
            ++i;
        } else {
            hidden.append(text.at(i));
        }
    }
    return hidden;
}

QString restoreEscapes(QString text)
{
    for (qsizetype mark = 0; mark < escapable.size(); ++mark) {
        const QChar stand(char16_t(escapeBase + mark));
        const QChar real = escapable.at(mark) == u'n' ? QChar(u'\n') : escapable.at(mark);
        text.replace(stand, real);
    }
    return text.trimmed();
}

struct Block
{
    int line = 0; // of its first line, counted from 1
    QStringList lines;
};

// Blocks of lines between blank lines, with the comment lines left out.
QList<Block> blocks(const QString &text)
{
    QList<Block> result{{}};
    int line = 0;
    for (const QString &each : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        ++line;
        const QString trimmed = each.trimmed();
        if (trimmed.startsWith(QLatin1String("//")))
            continue;
        if (trimmed.isEmpty()) {
            if (!result.last().lines.isEmpty())
                result.append(Block());
            continue;
        }
        if (result.last().lines.isEmpty())
            result.last().line = line;
        result.last().lines.append(each);
    }
    if (result.last().lines.isEmpty())
        result.removeLast();
    return result;
}

const QRegularExpression &formatMarker()
{
    static const QRegularExpression marker(
        QStringLiteral("^\\s*\\[(html|moodle|plain|markdown)\\]"));
    return marker;
}

// "[html]" and the like at the start of a text.
QString takeFormat(QString &text)
{
    const QRegularExpressionMatch match = formatMarker().match(text);
    if (!match.hasMatch())
        return {};
    text.remove(0, match.capturedLength());
    return match.captured(1);
}

QString takeName(QString &text)
{
    static const QRegularExpression name(QStringLiteral("^\\s*::(.*?)::"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = name.match(text);
    if (!match.hasMatch())
        return {};
    text.remove(0, match.capturedLength());
    return restoreEscapes(match.captured(1));
}

// Feedback follows "#" in an answer; it is not part of the worksheet.
QString withoutFeedback(const QString &answer)
{
    const qsizetype hash = answer.indexOf(u'#');
    return hash < 0 ? answer : answer.left(hash);
}

// An answer: its weight, then its own format marker, if any, then its text.
Answer answerFrom(QString part, bool right, const QString &questionFormat)
{
    Answer answer;
    answer.fraction = right ? 1 : 0;
    static const QRegularExpression weight(QStringLiteral("^\\s*%(-?[0-9.]+)%"));
    const QRegularExpressionMatch match = weight.match(part);
    if (match.hasMatch()) {
        answer.fraction = match.captured(1).toDouble() / 100;
        part.remove(0, match.capturedLength());
    }
    answer.format = takeFormat(part);
    if (answer.format.isEmpty())
        answer.format = questionFormat;
    answer.text = restoreEscapes(withoutFeedback(part));
    return answer;
}

// Splits "~a =b ~%50%c" at every ~ and = that starts an answer.
QList<Answer> choices(const QString &block, const QString &questionFormat)
{
    QList<Answer> answers;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= block.size(); ++i) {
        const bool mark = i < block.size() && (block.at(i) == u'~' || block.at(i) == u'=');
        if (!mark && i < block.size())
            continue;
        if (start >= 0)
            answers.append(answerFrom(block.mid(start + 1, i - start - 1), block.at(start) == u'=',
                                      questionFormat));
        start = i;
    }
    return answers;
}

Kind kindOf(const QString &block)
{
    const QString bare = withoutFeedback(block).trimmed();
    static const QStringList truth = {QStringLiteral("T"), QStringLiteral("TRUE"),
                                      QStringLiteral("F"), QStringLiteral("FALSE")};
    if (block.trimmed().isEmpty())
        return Kind::Essay;
    if (truth.contains(bare, Qt::CaseInsensitive))
        return Kind::TrueFalse;
    if (block.trimmed().startsWith(u'#'))
        return Kind::Numerical;
    if (block.contains(QLatin1String("->")))
        return Kind::Matching;
    return block.contains(u'~') ? Kind::MultipleChoice : Kind::ShortAnswer;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    return utf8.hasError() ? windows1252::decode(body) : text;
}

bool startsWithFormat(const QString &text)
{
    return formatMarker().match(text).hasMatch();
}

Reading read(const QString &text)
{
    Reading reading;
    QString category;
    for (const Block &lines : blocks(hideEscapes(text))) {
        QString source = lines.lines.join(u'\n');
        if (source.trimmed().startsWith(QLatin1String("$CATEGORY:"))) {
            category = restoreEscapes(source.trimmed().mid(10));
            continue;
        }
        Question question;
        question.category = category;
        question.line = lines.line;
        question.name = takeName(source);
        question.format = takeFormat(source);
        const qsizetype open = source.indexOf(u'{');
        const qsizetype close = source.indexOf(u'}', std::max<qsizetype>(open, 0));
        if (open < 0 || close < 0) {
            // A blank line inside an answer block splits it into two of these.
            question.text = restoreEscapes(source);
            if (open >= 0)
                question.problem =
                    QStringLiteral("its answer block is opened with \"{\" and never closed");
            else if (close >= 0)
                question.problem =
                    QStringLiteral("its answer block is closed with \"}\" but never opened");
            reading.questions.append(question);
            continue;
        }
        QString block = source.mid(open + 1, close - open - 1);
        const qsizetype general = block.indexOf(QLatin1String("####"));
        if (general >= 0)
            block.truncate(general);
        const QString before = source.left(open).trimmed();
        const QString after = source.mid(close + 1).trimmed();
        question.text =
            restoreEscapes(after.isEmpty() ? before : before + QStringLiteral(" _____ ") + after);
        question.kind = kindOf(block);
        if (question.kind == Kind::MultipleChoice || question.kind == Kind::ShortAnswer)
            question.answers = choices(block, question.format);
        reading.questions.append(question);
    }
    return reading;
}

} // namespace gift

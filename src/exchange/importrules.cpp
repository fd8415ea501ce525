#include "exchange/importrules.h"

#include "exchange/giftreader.h"
#include "platform/textfile.h"
#include "worksheets/worksheetdraft.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace importrules {

namespace {

QString kindName(exchange::Kind kind)
{
    switch (kind) {
    case exchange::Kind::MultipleResponse:
        return QStringLiteral("a question with several right answers");
    case exchange::Kind::Cloze:
        return QStringLiteral("a question with answers inside its text");
    case exchange::Kind::TrueFalse:
        return QStringLiteral("a true or false question");
    case exchange::Kind::ShortAnswer:
        return QStringLiteral("a short-answer question");
    case exchange::Kind::Matching:
        return QStringLiteral("a matching question");
    case exchange::Kind::Numerical:
        return QStringLiteral("a numerical question");
    case exchange::Kind::Essay:
        return QStringLiteral("an essay question");
    case exchange::Kind::Description:
        return QStringLiteral("a description, not a question");
    case exchange::Kind::MultipleChoice:
    case exchange::Kind::Other:
        break;
    }
    return QStringLiteral("a multiple-choice question");
}

QString firstWords(const QString &text)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const QString start = words.mid(0, 6).join(u' ');
    return words.size() > 6 ? start + QStringLiteral("…") : start;
}

// Why the answers are not one right and three wrong, or nothing when they are.
QString answersProblem(const exchange::Question &question, int *correct)
{
    if (question.answers.size() != WorksheetDraft::answersPerQuestion)
        return QStringLiteral("it has %1 answers, and a worksheet question has 4")
            .arg(question.answers.size());
    int full = 0;
    for (int i = 0; i < question.answers.size(); ++i) {
        const double fraction = question.answers.at(i).fraction;
        if (fraction == 1) {
            ++full;
            *correct = i + 1;
        } else if (fraction != 0) {
            return QStringLiteral("it gives part marks, and a worksheet answer is right or wrong");
        }
    }
    if (full != 1)
        return full == 0 ? QStringLiteral("no answer is right")
                         : QStringLiteral("%1 answers are right, and a worksheet has one").arg(full);
    return {};
}

// Why a text cannot go in a box of `limit` characters, or nothing when it can.
QString textProblem(const QString &what, const QString &text, int limit)
{
    if (text.isEmpty())
        return QStringLiteral("the %1 is empty").arg(what);
    if (text.size() > limit)
        return QStringLiteral("the %1 has %2 characters, and the wizard's box holds %3")
            .arg(what).arg(text.size()).arg(limit);
    for (const QChar c : text) {
        if (!windows1252::fitsLine(QString(c)))
            return QStringLiteral("the %1 holds \"%2\", which a worksheet file cannot keep").arg(what, c);
    }
    return {};
}

} // namespace

QString plainText(const QString &text, const QString &format, bool *leftOut)
{
    QString plain = text;
    if (format == QLatin1String("html") || format == QLatin1String("markdown")) {
        QTextDocument document;
        if (format == QLatin1String("html"))
            document.setHtml(text);
        else
            document.setMarkdown(text);
        plain = document.toPlainText();
    }
    // Compiled once: an import judges thousands of texts, and compiling is most of the cost.
    static const QRegularExpression media(QStringLiteral("<(img|audio|video|embed|object)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    // Qt's readers put U+FFFC where a picture stood.
    *leftOut = plain.contains(QChar::ObjectReplacementCharacter) ||
               (format == QLatin1String("html") && text.contains(media));
    plain.remove(QChar::ObjectReplacementCharacter);
    return plain.simplified();
}

Verdict judge(const exchange::Question &question)
{
    Verdict verdict;
    bool leftOut = false;
    verdict.text = plainText(question.text, question.format, &leftOut);
    verdict.who = question.name.isEmpty() ? firstWords(verdict.text) : question.name;
    if (question.kind == exchange::Kind::Other) {
        verdict.reason = QStringLiteral("it is a question of the kind \"%1\"").arg(question.otherKind);
        return verdict;
    }
    if (question.kind != exchange::Kind::MultipleChoice) {
        verdict.reason = QStringLiteral("it is %1").arg(kindName(question.kind));
        return verdict;
    }
    verdict.reason = answersProblem(question, &verdict.correct);
    if (!verdict.reason.isEmpty())
        return verdict;
    if (leftOut)
        verdict.notes << QStringLiteral("a picture or sound was left out of the question");
    const auto keep = [&](QString text) {
        if (text.contains(u'&')) {
            text.replace(u'&', QStringLiteral("and"));
            verdict.notes << QStringLiteral("\"&\" became \"and\", since a worksheet file reads it as a comma");
        }
        return text;
    };
    verdict.text = keep(verdict.text);
    verdict.reason = textProblem(QStringLiteral("question"), verdict.text, WorksheetDraft::questionLength);
    for (int i = 0; i < WorksheetDraft::answersPerQuestion && verdict.reason.isEmpty(); ++i) {
        bool answerLeftOut = false;
        verdict.answers.at(i) = keep(plainText(question.answers.at(i).text, question.answers.at(i).format, &answerLeftOut));
        if (answerLeftOut)
            verdict.notes << QStringLiteral("a picture or sound was left out of answer %1").arg(QChar(u'A' + i));
        verdict.reason = textProblem(QStringLiteral("answer %1").arg(QChar(u'A' + i)),
                                     verdict.answers.at(i), WorksheetDraft::answerLength);
    }
    verdict.notes.removeDuplicates();
    verdict.usable = verdict.reason.isEmpty();
    return verdict;
}

} // namespace importrules

#include "exchange/importrules.h"

#include "exchange/htmltext.h"
#include "exchange/question.h"
#include "files/textfile.h"

#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>

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

// Why the answers are not one right and three wrong, or nothing when they are. Wrong
// answers that take marks away still leave one right answer: *negative says so.
QString answersProblem(const exchange::Question &question, int *correct, bool *negative)
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
        } else if (fraction < 0) {
            *negative = true;
        } else if (fraction != 0) {
            return QStringLiteral("it gives part marks, and a worksheet answer is right or wrong");
        }
    }
    if (full != 1)
        return full == 0
                   ? QStringLiteral("no answer is right")
                   : QStringLiteral("%1 answers are right, and a worksheet has one").arg(full);
    return {};
}

QString lostWords(htmltext::Loss loss)
{
    switch (loss) {
    case htmltext::Loss::Picture:
        return QStringLiteral("holds a picture or sound, which a worksheet cannot show");
    case htmltext::Loss::Table:
        return QStringLiteral("holds a table, which a worksheet cannot show");
    case htmltext::Loss::Formula:
        return QStringLiteral("holds a formula, which a worksheet cannot show");
    case htmltext::Loss::RaisedText:
        return QStringLiteral("holds raised or lowered text, such as a power, which a worksheet "
                              "cannot show");
    case htmltext::Loss::UnclosedTag:
        return QStringLiteral("holds a \"<\" that opens a tag never closed");
    case htmltext::Loss::None:
        break;
    }
    return {};
}

// A word of two letters or more; an apostrophe or a hyphen may join its letters.
bool isWord(const QString &word)
{
    const auto joiner = [](QChar c) { return QStringLiteral("'\u2019-").contains(c); };
    return word.size() >= 2 && word.front().isLetter() && word.back().isLetter() &&
           std::all_of(word.begin(), word.end(),
                       [&](QChar c) { return c.isLetter() || joiner(c); });
}

// "&" between two words of prose, "salt & pepper" or "“Romeo & Juliet”": the one place
// where "and" says the same. Beside a digit, a bracket or another symbol ("(5 & 3)",
// "a&&b") it may mean something else. The text is one line with single blanks.
bool joinsWords(const QString &text, qsizetype at)
{
    if (at < 2 || at + 2 >= text.size() || text.at(at - 1) != u' ' || text.at(at + 1) != u' ')
        return false;
    const qsizetype before = text.lastIndexOf(u' ', at - 2) + 1;
    qsizetype after = text.indexOf(u' ', at + 2);
    if (after < 0)
        after = text.size();
    // Quotation marks may open the words before and close those after, as a sentence's
    // stops may end them.
    QString left = text.mid(before, at - 1 - before);
    while (!left.isEmpty() && QStringLiteral("\"'\u201C\u2018\u00AB").contains(left.front()))
        left.remove(0, 1);
    QString right = text.mid(at + 2, after - at - 2);
    while (!right.isEmpty() && QStringLiteral(".,;:!?\"'\u201D\u2019\u00BB").contains(right.back()))
        right.chop(1);
    return isWord(left) && isWord(right);
}

struct Judged
{
    QString skip; // why the question cannot be used, when it cannot
    BoxMark::Why rewrite = BoxMark::None;
    QString rewriteReason;
};

Judged skipped(const QString &why)
{
    Judged judged;
    judged.skip = why;
    return judged;
}

// Whether `text`, named `what` ("the question", "answer B"), can go in a box of `limit`
// characters; an "&" of prose becomes "and" with a note.
Judged judgeText(const QString &what, QString &text, const QString &lost, int limit,
                 QStringList &notes)
{
    if (!lost.isEmpty())
        return skipped(QStringLiteral("%1 %2").arg(what, lost));
    if (text.isEmpty())
        return skipped(QStringLiteral("%1 is empty").arg(what));
    for (const QChar c : text) {
        if (!windows1252::fitsLine(QString(c)))
            return skipped(
                QStringLiteral("%1 holds \"%2\", which a worksheet file cannot keep").arg(what, c));
    }
    Judged judged;
    if (text.contains(u'&')) {
        bool prose = true;
        for (qsizetype at = text.indexOf(u'&'); at >= 0 && prose; at = text.indexOf(u'&', at + 1))
            prose = joinsWords(text, at);
        if (prose) {
            text.replace(QStringLiteral(" & "), QStringLiteral(" and "));
            notes << QStringLiteral(
                "\"&\" became \"and\", since a worksheet file reads it as a comma");
        } else {
            judged.rewrite = BoxMark::Ampersand;
            judged.rewriteReason =
                QStringLiteral("\"&\" in %1 would read as a comma, and \"and\" could change "
                               "what it means")
                    .arg(what);
        }
    }
    if (text.size() > limit && judged.rewrite == BoxMark::None) {
        judged.rewrite = BoxMark::TooLong;
        judged.rewriteReason = QStringLiteral("%1 has %2 characters, and the wizard's box holds %3")
                                   .arg(what)
                                   .arg(text.size())
                                   .arg(limit);
    }
    return judged;
}

} // namespace

QString plainText(const QString &text, const QString &format, QString *lost)
{
    lost->clear();
    QString plain = text;
    if (format == QLatin1String("html")) {
        const htmltext::Reading reading = htmltext::read(text);
        plain = reading.text;
        *lost = lostWords(reading.loss);
    } else if (format == QLatin1String("markdown")) {
        QTextDocument document;
        document.setMarkdown(text);
        plain = document.toPlainText();
        // Qt's reader puts U+FFFC where a picture stood, and a table in a frame of its own.
        if (plain.contains(QChar::ObjectReplacementCharacter))
            *lost = lostWords(htmltext::Loss::Picture);
        else if (!document.rootFrame()->childFrames().isEmpty())
            *lost = lostWords(htmltext::Loss::Table);
    }
    return plain.simplified();
}

Verdict judge(const exchange::Question &question)
{
    Verdict verdict;
    verdict.line = question.line;
    QString lost;
    verdict.text = plainText(question.text, question.format, &lost);
    verdict.who = question.name.isEmpty() ? firstWords(verdict.text) : question.name;
    if (!question.problem.isEmpty()) {
        verdict.reason = question.problem;
        return verdict;
    }
    if (question.kind == exchange::Kind::Other) {
        verdict.reason =
            QStringLiteral("it is a question of the kind \"%1\"").arg(question.otherKind);
        return verdict;
    }
    if (question.kind != exchange::Kind::MultipleChoice) {
        verdict.reason = QStringLiteral("it is %1").arg(kindName(question.kind));
        return verdict;
    }
    bool negative = false;
    verdict.reason = answersProblem(question, &verdict.correct, &negative);
    if (!verdict.reason.isEmpty())
        return verdict;
    if (negative)
        verdict.notes << QStringLiteral("the marks its wrong answers take away were dropped, "
                                        "since a worksheet answer is right or wrong");

    std::array<Judged, WorksheetDraft::answersPerQuestion + 1> judged;
    judged.at(0) = judgeText(QStringLiteral("the question"), verdict.text, lost,
                             WorksheetDraft::questionLength, verdict.notes);
    for (int i = 0; i < WorksheetDraft::answersPerQuestion; ++i) {
        const exchange::Answer &answer = question.answers.at(i);
        verdict.answers.at(i) = plainText(answer.text, answer.format, &lost);
        judged.at(i + 1) =
            judgeText(QStringLiteral("answer %1").arg(QChar(u'A' + i)), verdict.answers.at(i), lost,
                      WorksheetDraft::answerLength, verdict.notes);
        verdict.answerRewrites.at(i) = judged.at(i + 1).rewrite;
    }
    verdict.textRewrite = judged.at(0).rewrite;
    verdict.notes.removeDuplicates();
    for (const Judged &each : judged) {
        if (!each.skip.isEmpty()) {
            verdict.reason = each.skip;
            return verdict;
        }
    }
    for (const Judged &each : judged) {
        if (each.rewrite != BoxMark::None) {
            verdict.reason = each.rewriteReason;
            verdict.outcome = Outcome::ToRewrite;
            return verdict;
        }
    }
    verdict.outcome = Outcome::Usable;
    return verdict;
}

} // namespace importrules

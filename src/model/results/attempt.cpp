#include "results/attempt.h"

#include "files/csv.h"
#include "quiz/answerkeys.h"
#include "quiz/quizrun.h"

#include <optional>

namespace {
const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString rightText = QStringLiteral("yes");
const QString wrongText = QStringLiteral("no");
constexpr int fixedFields = 5; // pupil, finished, title, score, out of
constexpr int fieldCount = fixedFields + 2 * Attempt::outOf;

QStringList headerFields()
{
    QStringList fields = {QStringLiteral("Pupil"), QStringLiteral("Finished"),
                          QStringLiteral("Title"), QStringLiteral("Score"),
                          QStringLiteral("Out of")};
    for (int q = 1; q <= Attempt::outOf; ++q)
        fields << QStringLiteral("Q%1").arg(q) << QStringLiteral("Q%1 right").arg(q);
    return fields;
}

int choiceForLetter(const QString &letter)
{
    for (int choice = 1; choice <= answerkeys::answerCount; ++choice)
        if (letter == answerkeys::letter(choice))
            return choice;
    return 0;
}

std::optional<int> numberIn(const QString &field, int lowest, int highest)
{
    bool ok = false;
    const int n = field.toInt(&ok);
    if (!ok || n < lowest || n > highest)
        return std::nullopt;
    return n;
}

std::optional<Attempt> attemptIn(const QStringList &fields)
{
    if (fields.size() != fieldCount || fields.at(4) != QString::number(Attempt::outOf))
        return std::nullopt;
    Attempt attempt;
    attempt.pupil = fields.at(0);
    attempt.finished = QDateTime::fromString(fields.at(1), timeFormat);
    attempt.title = fields.at(2);
    const std::optional<int> score = numberIn(fields.at(3), 0, Attempt::outOf);
    if (!attempt.finished.isValid() || !score)
        return std::nullopt;
    attempt.score = *score;
    for (int q = 0; q < Attempt::outOf; ++q) {
        const QString &letter = fields.at(fixedFields + 2 * q);
        const QString &right = fields.at(fixedFields + 2 * q + 1);
        const int chosen = letter.isEmpty() ? 0 : choiceForLetter(letter);
        if ((chosen == 0 && !letter.isEmpty()) || (right != rightText && right != wrongText))
            return std::nullopt;
        attempt.chosen.at(q) = chosen;
        attempt.right.at(q) = right == rightText;
    }
    return attempt;
}
} // namespace

Attempt Attempt::of(const QuizRun &run, const QString &pupil, const QDateTime &finished)
{
    Attempt attempt;
    attempt.pupil = pupil;
    attempt.finished = finished;
    attempt.title = run.set().title;
    attempt.score = run.score();
    for (int q = 1; q <= outOf; ++q) {
        attempt.chosen.at(q - 1) = run.chosen(q);
        attempt.right.at(q - 1) = run.isRight(q);
    }
    return attempt;
}

namespace attemptcsv {

QByteArray header()
{
    return QByteArray(csv::byteOrderMark) + csv::record(headerFields());
}

QByteArray record(const Attempt &attempt)
{
    QStringList fields = {attempt.pupil, attempt.finished.toString(timeFormat), attempt.title,
                          QString::number(attempt.score), QString::number(Attempt::outOf)};
    for (int q = 0; q < Attempt::outOf; ++q) {
        const int chosen = attempt.chosen.at(q);
        fields << (chosen == 0 ? QString() : answerkeys::letter(chosen))
               << (attempt.right.at(q) ? rightText : wrongText);
    }
    return csv::record(fields);
}

Read read(const QByteArray &bytes)
{
    Read read;
    const QStringList header = headerFields();
    for (const QStringList &fields : csv::records(bytes)) {
        if (fields == header)
            continue;
        if (const std::optional<Attempt> attempt = attemptIn(fields))
            read.attempts.append(*attempt);
        else
            ++read.damaged;
    }
    return read;
}

} // namespace attemptcsv

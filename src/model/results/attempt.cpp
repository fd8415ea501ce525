#include "results/attempt.h"

#include "files/csv.h"
#include "quiz/answerkeys.h"
#include "quiz/quizrun.h"

#include <optional>

namespace {
const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// A question's mark as the file writes it.
constexpr QLatin1String rightText("yes");
constexpr QLatin1String wrongText("no");
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
    const int choice = letter.size() == 1 ? letter.front().unicode() - u'A' + 1 : 0;
    return choice >= 1 && choice <= answerkeys::answerCount ? choice : 0;
}

std::optional<int> numberIn(const QString &field, int lowest, int highest)
{
    bool ok = false;
    const int n = field.toInt(&ok);
    if (!ok || n < lowest || n > highest)
        return std::nullopt;
    return n;
}

// "yyyy-MM-dd HH:mm:ss" read by hand: QDateTime::fromString takes most of a class's loading.
QDateTime timeIn(const QString &field)
{
    if (field.size() != timeFormat.size())
        return {};
    const auto number = [&field](int from, int length) {
        int n = 0;
        for (int i = from; i < from + length; ++i) {
            const QChar c = field.at(i);
            if (!c.isDigit())
                return -1;
            n = n * 10 + c.digitValue();
        }
        return n;
    };
    const auto isAt = [&field](int i, char16_t c) { return field.at(i) == c; };
    if (!isAt(4, u'-') || !isAt(7, u'-') || !isAt(10, u' ') || !isAt(13, u':') || !isAt(16, u':'))
        return {};
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    // As the classroom's clock showed it, with no zone: the file holds none, and turning
    // thousands of local times into instants is what loading a class would spend its time on.
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

std::optional<Attempt> attemptIn(const QStringList &fields)
{
    static_assert(Attempt::outOf == 10, "the files say out of 10");
    if (fields.size() != fieldCount || fields.at(4) != QLatin1String("10"))
        return std::nullopt;
    Attempt attempt;
    attempt.pupil = fields.at(0);
    attempt.finished = timeIn(fields.at(1));
    attempt.title = fields.at(2);
    const std::optional<int> score = numberIn(fields.at(3), 0, Attempt::outOf);
    if (!attempt.finished.isValid() || !score)
        return std::nullopt;
    attempt.score = *score;
    for (int q = 0; q < Attempt::outOf; ++q) {
        const QString &letter = fields.at(fixedFields + 2 * q);
        const QString &right = fields.at(fixedFields + 2 * q + 1);
        const int chosen = letter.isEmpty() ? 0 : choiceForLetter(letter);
        // Compared as Latin-1, without a string made for each of a class's answers.
        const bool isRight = right == rightText;
        if ((chosen == 0 && !letter.isEmpty()) || (!isRight && right != wrongText))
            return std::nullopt;
        attempt.chosen.at(q) = chosen;
        attempt.right.at(q) = isRight;
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

QString Attempt::finishedShown() const
{
    return finished.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
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
               << QString(attempt.right.at(q) ? rightText : wrongText);
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

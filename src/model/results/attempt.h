#pragma once

#include "quiz/questionset.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

class QuizRun;

// One finished quiz, as the teacher's records keep it.
struct Attempt
{
    static constexpr int outOf = QuestionSet::questionCount;

    QString pupil;
    QDateTime finished; // local time, to the second
    QString title;      // the set's title as the pupil saw it
    int score = 0;
    std::array<int, outOf> chosen{}; // 1 to 4, or 0 for none, for question 1 first
    std::array<bool, outOf> right{};

    static Attempt of(const QuizRun &run, const QString &pupil, const QDateTime &finished);
    // When it was finished, to the minute, as the teacher's table shows it.
    QString finishedShown() const;
};

// The results file's form, one pupil's attempts in a file: a byte order mark and a header
// record, then one record per attempt, all comma-separated values in UTF-8 (see
// docs/results.md).
namespace attemptcsv {

QByteArray header();
QByteArray record(const Attempt &attempt);

struct Read
{
    QList<Attempt> attempts;
    int damaged = 0; // records that are not attempts; the header is not counted
};
Read read(const QByteArray &bytes);

} // namespace attemptcsv

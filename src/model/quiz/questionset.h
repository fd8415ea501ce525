#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QIODevice;

// One question of a set: its text, four answers and the number of the right one as text.
struct Question
{
    QString text;
    std::array<QString, 4> answers;
    QString correctAnswer; // "1" to "4" in every file the program writes

    // The right answer as 1 to 4, or 0 when the file holds anything else; such a question
    // cannot be answered correctly.
    int correctChoice() const;
};

// The content of one multiple-choice quiz: a title and exactly ten questions, numbered 1 to 10.
struct QuestionSet
{
    static constexpr int questionCount = 10;
    // Every file holds exactly this many lines: title, blank, then seven per question.
    static constexpr int lineCount = 2 + 7 * questionCount;

    QString title;
    std::array<Question, questionCount> questions;

    Question &question(int number) { return questions.at(number - 1); }
    const Question &question(int number) const { return questions.at(number - 1); }
};

// Reads the 72 fields of a question set from the start of an open file, replacing the fields
// of `set` in file order. False when the file ends (or fails) before the last field; the
// fields read by then have already been replaced, so callers that must not show a mixed set
// read into a copy. Lines after the 72nd are never read.
//
// Two choices of the field rule matter here. Blanks at the end of a field are kept: a
// worksheet's title is also its file name, so a title saved with a trailing blank must read
// back the same to find its own file again. A double quote at the start of a field is an
// ordinary character: authors may begin a question with a quotation.
bool loadQuest(QIODevice &file, QuestionSet &set);

// The 72 lines of a question-set file (texts with their commas written as '&').
QStringList questionSetLines(const QuestionSet &set);

// Reads a whole question-set file at a content path. On any failure `set` is left untouched
// and the reason goes to *error.
bool readQuestionSetFile(const QString &path, QuestionSet &set, QString *error = nullptr);

// Writes a question-set file (windows-1252, CRLF) whole or not at all.
bool writeQuestionSetFile(const QString &path, const QuestionSet &set, QString *error = nullptr);

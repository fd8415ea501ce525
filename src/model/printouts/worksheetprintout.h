#pragma once

#include <QString>

class PrintSurface;
struct QuestionSet;

// Prints a question set as a paper worksheet: a header line, the quiz's heading and the
// set's title, then each question with its four answers in two columns. The right answers
// are not printed. True when the document went to the printer.
bool printWorksheet(PrintSurface &surface, const QString &heading, const QuestionSet &set);

// The teacher's copy, headed and named "Answer key" so that it is never handed out by
// mistake: the same page with each right answer in bold behind a tick, and a last line
// giving every question's number and right letter, "1 C  2 A  ...".
bool printAnswerKey(PrintSurface &surface, const QuestionSet &set);

// That last line; a question without a valid right answer shows "?".
QString answerLetters(const QuestionSet &set);

// The two copies of a teacher's worksheet: the pupils' under the program's name, and the key.
enum class WorksheetCopy { Worksheet, AnswerKey };
bool printCopy(PrintSurface &surface, WorksheetCopy copy, const QuestionSet &set);
// "worksheet" or "answer key", as messages name the copy.
QString copyName(WorksheetCopy copy);

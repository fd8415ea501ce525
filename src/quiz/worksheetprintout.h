#pragma once

#include <QString>

class PrintSurface;
struct QuestionSet;

// Prints a question set as a paper worksheet: a header line, the quiz's heading and the
// set's title, then each question with its four answers in two columns. The right answers
// are not printed. True when the document went to the printer.
bool printWorksheet(PrintSurface &surface, const QString &heading, const QuestionSet &set);

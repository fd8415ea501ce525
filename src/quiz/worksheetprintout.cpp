#include "quiz/worksheetprintout.h"

#include "platform/printsurface.h"
#include "quiz/questionset.h"
#include "quiz/scoretext.h"

namespace {
const QString header = QStringLiteral("Zorvanel") + QString(57, QLatin1Char(' ')) +
                       QStringLiteral("Quillmere Publishing Ltd");

// Two answers on one line, at one third and two thirds of the page. A first answer that
// would run into the second column keeps the line to itself, so no answer is printed over
// another.
void printAnswerPair(PrintSurface &surface, const QString &first, const QString &second)
{
    const double secondColumn = 2 * surface.pageWidth() / 3;
    surface.setX(surface.pageWidth() / 3);
    surface.print(first, PrintSurface::KeepLine);
    if (surface.x() > secondColumn)
        surface.print(QString());
    surface.setX(secondColumn);
    surface.print(second);
}

void printQuestion(PrintSurface &surface, int number, const Question &question)
{
    surface.setX(surface.pageWidth() / 16);
    surface.print(QStringLiteral("Question") + numberText(number) + QStringLiteral("    ") +
                  question.text);
    const auto &answers = question.answers;
    printAnswerPair(surface, QStringLiteral("A. ") + answers[0],
                    QStringLiteral("B. ") + answers[1]);
    printAnswerPair(surface, QStringLiteral("C. ") + answers[2],
                    QStringLiteral("D. ") + answers[3]);
    surface.printBlankLine();
}
} // namespace

bool printWorksheet(PrintSurface &surface, const QString &heading, const QuestionSet &set)
{
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(16);
    surface.printBlankLine();
    surface.setX(surface.pageWidth() / 16);
    surface.print(header, PrintSurface::KeepLine);
    surface.print(QStringLiteral(" "));
    surface.printBlankLine();

    surface.setFontSize(32);
    surface.printCentred(heading);
    surface.printCentred(set.title);
    surface.printBlankLine();

    surface.setFontSize(12);
    for (int number = 1; number <= QuestionSet::questionCount; ++number)
        printQuestion(surface, number, set.question(number));
    return surface.endDoc();
}

#include "printouts/worksheetprintout.h"

#include "printing/printsurface.h"
#include "quiz/questionset.h"
#include "texts/numbertext.h"
#include "texts/publisher.h"

#include <QStringList>

namespace {
const QString header =
    publisher::programName + QString(57, QLatin1Char(' ')) + publisher::creditLine;

const QString tick = QStringLiteral("\u2713 ");

// An answer as printed: its letter and text, and on the key the right one in bold with a
// tick before its column, so the letters stay in line.
struct Choice
{
    QString text;
    bool marked = false;
};

Choice choiceOf(const Question &question, int answer, WorksheetCopy copy)
{
    const QString text = QChar(u'A' + answer) + QStringLiteral(". ") + question.answers.at(answer);
    const bool marked = copy == WorksheetCopy::AnswerKey && question.correctChoice() == answer + 1;
    return {text, marked};
}

void printChoice(PrintSurface &surface, const Choice &choice, double column,
                 PrintSurface::LineEnd end)
{
    surface.setBold(choice.marked);
    surface.setX(choice.marked ? column - surface.textWidth(tick) : column);
    if (choice.marked)
        surface.print(tick, PrintSurface::KeepLine);
    surface.print(choice.text, end);
    surface.setBold(false);
}

// Two answers on one line, at one third and two thirds of the page. A first answer that
// would run into the second column keeps the line to itself, so no answer is printed over
// another.
void printAnswerPair(PrintSurface &surface, const Choice &first, const Choice &second)
{
    const double secondColumn = 2 * surface.pageWidth() / 3;
    printChoice(surface, first, surface.pageWidth() / 3, PrintSurface::KeepLine);
    // The second answer's tick needs room too.
    const double secondStart =
        second.marked ? secondColumn - surface.textWidth(tick) : secondColumn;
    if (surface.x() > secondStart)
        surface.print(QString());
    printChoice(surface, second, secondColumn, PrintSurface::EndLine);
}

void printQuestion(PrintSurface &surface, int number, const Question &question, WorksheetCopy copy)
{
    surface.setX(surface.pageWidth() / 16);
    surface.print(QStringLiteral("Question") + numberText(number) + QStringLiteral("    ") +
                  question.text);
    printAnswerPair(surface, choiceOf(question, 0, copy), choiceOf(question, 1, copy));
    printAnswerPair(surface, choiceOf(question, 2, copy), choiceOf(question, 3, copy));
    surface.printBlankLine();
}

bool printPage(PrintSurface &surface, const QString &heading, const QuestionSet &set,
               WorksheetCopy copy)
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
        printQuestion(surface, number, set.question(number), copy);
    if (copy == WorksheetCopy::AnswerKey) {
        surface.setX(surface.pageWidth() / 16);
        surface.setBold(true);
        surface.print(answerLetters(set));
    }
    return surface.endDoc();
}
} // namespace

bool printWorksheet(PrintSurface &surface, const QString &heading, const QuestionSet &set)
{
    return printPage(surface, heading, set, WorksheetCopy::Worksheet);
}

bool printAnswerKey(PrintSurface &surface, const QuestionSet &set)
{
    const QString heading = QStringLiteral("Answer key");
    surface.setDocumentName(heading);
    return printPage(surface, heading, set, WorksheetCopy::AnswerKey);
}

QString answerLetters(const QuestionSet &set)
{
    QStringList pairs;
    for (int number = 1; number <= QuestionSet::questionCount; ++number) {
        const int choice = set.question(number).correctChoice();
        const QChar letter = choice == 0 ? QChar(u'?') : QChar(u'A' + choice - 1);
        pairs.append(QStringLiteral("%1 %2").arg(number).arg(letter));
    }
    return pairs.join(QStringLiteral("  "));
}

bool printCopy(PrintSurface &surface, WorksheetCopy copy, const QuestionSet &set)
{
    return copy == WorksheetCopy::AnswerKey ? printAnswerKey(surface, set)
                                            : printWorksheet(surface, publisher::programName, set);
}

QString copyName(WorksheetCopy copy)
{
    return copy == WorksheetCopy::AnswerKey ? QStringLiteral("answer key")
                                            : QStringLiteral("worksheet");
}

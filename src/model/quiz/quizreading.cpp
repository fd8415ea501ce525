#include "quiz/quizreading.h"

#include "quiz/answerkeys.h"
#include "texts/numbertext.h"
#include "texts/spokentext.h"

namespace quizreading {

QString question(int number, const Question &question)
{
    QStringList answers;
    for (int choice = 1; choice <= answerkeys::answerCount; ++choice) {
        QString answer = question.answers.at(choice - 1).trimmed();
        // The answers run as one list; their own stops would end it early.
        while (answer.endsWith(u'.') || answer.endsWith(u';') || answer.endsWith(u','))
            answer.chop(1);
        if (!answer.isEmpty())
            answers.append(answerkeys::letter(choice) + QStringLiteral(", ") + answer);
    }
    return spokentext::sentences({QStringLiteral("Question") + numberText(number), question.text,
                                  answers.join(QStringLiteral("; "))});
}

} // namespace quizreading

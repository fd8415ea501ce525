#include "quiz/quizrun.h"

#include "app/appstate.h"
#include "quiz/scoretext.h"

void QuizRun::start()
{
    m_state.score = 0;
    m_state.scoreOutOf = QuestionSet::questionCount;
    m_state.questionNumber = 1;
}

int QuizRun::number() const
{
    return m_state.questionNumber;
}

const Question &QuizRun::current() const
{
    return m_state.questionSet.question(m_state.questionNumber);
}

bool QuizRun::isFirst() const
{
    return m_state.questionNumber == 1;
}

bool QuizRun::isLast() const
{
    return m_state.questionNumber == QuestionSet::questionCount;
}

void QuizRun::previous()
{
    if (!isFirst())
        --m_state.questionNumber;
}

bool QuizRun::next(int chosen)
{
    const int n = m_state.questionNumber;
    const int correct = current().correctChoice();
    m_state.marks.at(n) = correct != 0 && chosen == correct ? 1 : 0;
    if (isLast())
        return true;
    ++m_state.questionNumber;
    return false;
}

QStringList QuizRun::score()
{
    QStringList wrong;
    for (int i = 1; i <= QuestionSet::questionCount; ++i) {
        m_state.score += m_state.marks.at(i);
        if (m_state.marks.at(i) == 0)
            wrong << numberText(i) + QStringLiteral(". ") + m_state.questionSet.question(i).text;
    }
    return wrong;
}

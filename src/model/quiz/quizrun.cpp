#include "quiz/quizrun.h"

#include "texts/numbertext.h"

QuizRun::QuizRun(QuestionSet set) : m_set(std::move(set)) {}

const Question &QuizRun::current() const
{
    return m_set.question(m_number);
}

bool QuizRun::isFirst() const
{
    return m_number == 1;
}

bool QuizRun::isLast() const
{
    return m_number == QuestionSet::questionCount;
}

void QuizRun::previous()
{
    if (!isFirst())
        --m_number;
}

bool QuizRun::next(int chosen)
{
    const int correct = current().correctChoice();
    m_marks.at(m_number) = correct != 0 && chosen == correct ? 1 : 0;
    m_chosen.at(m_number) = chosen;
    if (isLast())
        return true;
    ++m_number;
    return false;
}

int QuizRun::score() const
{
    int score = 0;
    for (int q = 1; q <= QuestionSet::questionCount; ++q)
        score += m_marks.at(q);
    return score;
}

QStringList QuizRun::wrongLines() const
{
    QStringList wrong;
    for (int q = 1; q <= QuestionSet::questionCount; ++q)
        if (m_marks.at(q) == 0)
            wrong << numberText(q) + QStringLiteral(". ") + m_set.question(q).text;
    return wrong;
}

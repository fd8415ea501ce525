#pragma once

#include "quiz/questionset.h"

#include <QStringList>

#include <array>

// One run through a quiz: moving between the questions, recording a mark each time a
// question is left forwards, and scoring after the last.
class QuizRun
{
public:
    // At question 1 with nothing scored.
    explicit QuizRun(QuestionSet set = {});

    const QuestionSet &set() const { return m_set; }
    int number() const { return m_number; }
    const Question &current() const;
    bool isFirst() const;
    bool isLast() const;
    void previous();
    // Records the mark of the current question for the answer chosen (1 to 4, or 0 for
    // none) and moves on. True when that was the last question: the run is ready to score.
    bool next(int chosen);
    // The marks added up, out of QuestionSet::questionCount.
    int score() const;
    // A line for each wrong answer, in question order: the number with a leading blank,
    // ". " and the question text.
    QStringList wrongLines() const;
    // The answer last chosen when question q was left forwards (0 for none), and its mark.
    int chosen(int q) const { return m_chosen.at(q); }
    bool isRight(int q) const { return m_marks.at(q) == 1; }

private:
    QuestionSet m_set;
    int m_number = 1;
    std::array<int, QuestionSet::questionCount + 1> m_marks{}; // entry q for question q
    std::array<int, QuestionSet::questionCount + 1> m_chosen{};
};

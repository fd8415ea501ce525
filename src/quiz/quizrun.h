#pragma once

#include <QString>
#include <QStringList>

struct AppState;
struct Question;

// One run through a quiz: moving between the questions, recording a mark each time a
// question is left forwards, and scoring after the last. Works on the program-wide state,
// which the results screen and the printouts read afterwards.
class QuizRun
{
public:
    explicit QuizRun(AppState &state) : m_state(state) {}

    // Back to question 1 with nothing scored.
    void start();

    int number() const;
    const Question &current() const;
    bool isFirst() const;
    bool isLast() const;

    void previous();
    // Records the mark of the current question for the answer chosen (1 to 4, or 0 for
    // none) and moves on. True when that was the last question: the run is ready to score.
    bool next(int chosen);

    // Adds the marks into the score and returns a line for each wrong answer, in question
    // order: the number with a leading blank, ". " and the question text.
    QStringList score();

private:
    AppState &m_state;
};

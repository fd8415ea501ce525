#pragma once

#include "frame/screen.h"
#include "quiz/quizrun.h"

class ButtonArray;
class ControlGroup;
class PictureView;
class QButtonGroup;
class QLabel;
class QRadioButton;

// A set to take as a quiz, with what the quiz screen shows beside the questions.
struct QuizRequest
{
    QuestionSet set;
    QString heading;
    QString picturePath;
    // Teachers hand their own worksheets out on paper.
    bool printable = false;
};

// "multiple": puts the ten questions of the loaded set one at a time, records a mark each
// time a question is left forwards and, after the last, hands over to the results.
class QuizScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { PreviousCommand = 0, NextCommand = 1, ExitCommand = 2, PrintCommand = 3 };

    explicit QuizScreen(ScreenHost &host);
    void load() override;

    // Starts the quiz on the request's set, at question 1; after the load.
    void take(const QuizRequest &request);

    ButtonArray *buttons() const { return m_buttons; }
    const QuizRun &run() const { return m_run; }
    QRadioButton *answerOption(int choice) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showQuest();
    void clicked(int index);
    void previousQuestion();
    void nextQuestion();
    int chosenAnswer() const;
    void scoreQuiz();
    void recordAttempt();
    void printPage();

    ButtonArray *m_buttons;
    QLabel *m_heading;
    QLabel *m_title;
    QLabel *m_questionNumber;
    QLabel *m_questionText;
    PictureView *m_picture;
    ControlGroup *m_answerGroup;
    QButtonGroup *m_answers;
    QuizRun m_run;
};

#pragma once

#include "frame/screen.h"
#include "quiz/quizscreen.h"

class ButtonArray;
class QLabel;
class QLineEdit;

// Asks a pupil on a shared account for their name before the first quiz, so their results
// reach the teacher under it; the name is kept until the program ends.
class PupilNameScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { StartCommand = 0, ExitCommand = 1 };

    explicit PupilNameScreen(ScreenHost &host);
    void load() override;

    // The quiz to start once the name is given.
    void askBefore(const QuizRequest &request);

    QLineEdit *nameBox() const { return m_name; }
    ButtonArray *buttons() const { return m_buttons; }

private:
    void clicked(int index);
    void start();

    ButtonArray *m_buttons;
    QLineEdit *m_name;
    QLabel *m_problem;
    QuizRequest m_request;
};

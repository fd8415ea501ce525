#pragma once

#include "ui/screen.h"

class ButtonArray;
class ControlGroup;
class Picture;
class PictureView;
class QButtonGroup;
class QLabel;
class QRadioButton;

// "multiple": puts the ten questions of the loaded set one at a time, records a mark each
// time a question is left forwards and, after the last, hands over to the results.
class QuizScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { PreviousCommand = 0, NextCommand = 1, ExitCommand = 2, PrintCommand = 3 };

    explicit QuizScreen(AppContext &context);
    void load() override;

    // Set by the screen that opens the quiz, after the load.
    void setPicture(const QString &path);
    void setPicture(const Picture &picture);
    void setHeading(const QString &heading);
    // Offers the set as a paper worksheet: for a teacher's own worksheets.
    void setPrintWorksheetVisible(bool visible);

    ButtonArray *buttons() const { return m_buttons; }
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
    void printPage();

    ButtonArray *m_buttons;
    QLabel *m_heading;
    QLabel *m_title;
    QLabel *m_questionNumber;
    QLabel *m_questionText;
    PictureView *m_picture;
    ControlGroup *m_answerGroup;
    QButtonGroup *m_answers;
};

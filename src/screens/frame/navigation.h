#pragma once

class Screen;
struct QuestionSet;

// The ways from one feature's screens to another's. The shell keeps them, so that no feature
// needs to know another's screens.
class Navigation
{
public:
    virtual ~Navigation() = default;
    // The main menu, in place of the screen that asks.
    virtual void backToMainMenu(Screen *from) = 0;
    // A teacher's worksheet as a quiz, under the menu's heading and picture.
    virtual void takeWorksheetAsQuiz(const QuestionSet &set) = 0;
};

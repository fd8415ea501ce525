#pragma once

#include "frame/navigation.h"

class Screens;

// The ways between features, as the menu leads: the shell knows every feature's screens so
// that they need not know one another's.
class MenuNavigation : public Navigation
{
public:
    explicit MenuNavigation(Screens &screens) : m_screens(screens) {}
    void backToMainMenu(Screen *from) override;
    void takeWorksheetAsQuiz(const QuestionSet &set) override;

private:
    Screens &m_screens;
};

#pragma once

#include "frame/navigation.h"

class ScreenHost;

// The ways between features, as the menu leads: the shell knows every feature's screens so
// that they need not know one another's.
class MenuNavigation : public Navigation
{
public:
    explicit MenuNavigation(ScreenHost &host) : m_host(host) {}
    void backToMainMenu(Screen *from) override;
    void takeWorksheetAsQuiz(const QuestionSet &set) override;

private:
    ScreenHost &m_host;
};

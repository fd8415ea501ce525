#include "shell/menunavigation.h"

#include "frame/screenhost.h"
#include "frame/screens.h"
#include "quiz/quizstart.h"
#include "shell/mainmenu.h"

void MenuNavigation::backToMainMenu(Screen *from)
{
    m_host.screens().show<MainMenu>();
    m_host.screens().unload(from);
}

void MenuNavigation::takeWorksheetAsQuiz(const QuestionSet &set)
{
    startQuiz(m_host, {set, MainMenu::heading, MainMenu::inventorPicturePath, true});
}

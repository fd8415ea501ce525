#include "shell/menunavigation.h"

#include "frame/screens.h"
#include "quiz/quizscreen.h"
#include "shell/mainmenu.h"

void MenuNavigation::backToMainMenu(Screen *from)
{
    m_screens.show<MainMenu>();
    m_screens.unload(from);
}

void MenuNavigation::takeWorksheetAsQuiz(const QuestionSet &set)
{
    QuizRequest request{set, MainMenu::heading, MainMenu::inventorPicturePath, true};
    m_screens.touch<QuizScreen>()->take(request);
    m_screens.show<QuizScreen>();
}

#include "quiz/quizstart.h"

#include "frame/appstate.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "quiz/pupilnamescreen.h"

void startQuiz(ScreenHost &host, const QuizRequest &request)
{
    Screens &screens = host.screens();
    if (host.state().classroom.needsPupilName()) {
        screens.touch<PupilNameScreen>()->askBefore(request);
        screens.show<PupilNameScreen>();
        return;
    }
    screens.touch<QuizScreen>()->take(request);
    screens.show<QuizScreen>();
}

// Times the two screen changes of a quiz as a pupil sees them: from the click on
// "Multiple Choice" to the quiz screen painted, and from the click on "Check Score >>" to
// the results screen painted. Runs on whatever display Qt is given (an X server for the
// real thing) in the content folder named on the command line.
//
//   bench_quiz_switch [--runs N] [--content DIR]

#include "screenwatch.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"

#include <QApplication>
#include <QRadioButton>

#include <cstdio>
#include <vector>

using namespace screenwatch;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = parseArguments(argc, argv, 25);
    prepareApplication();
    AppContext context(Services::real());
    Screens &screens = context.screens();
    MainMenu *menu = startProgram(context);
    settle();
    TopicHub *hub = openTopic(menu, screens);
    if (!hub)
        return 1;

    QElapsedTimer clock;
    PaintWatch watch(clock);
    std::vector<double> toQuiz, toResults;
    for (int run = 0; run < runs; ++run) {
        clock.start();
        click(hub->buttons()->at(TopicHub::QuizActivity));
        toQuiz.push_back(watch.waitFor([&] { return screens.find<QuizScreen>(); }));

        QuizScreen *quiz = screens.find<QuizScreen>();
        const QuestionSet &set = quiz->run().set();
        for (int q = 1; q <= QuestionSet::questionCount; ++q) {
            if (QRadioButton *right = quiz->answerOption(set.question(q).correctChoice()))
                right->setChecked(true);
            if (q < QuestionSet::questionCount)
                click(quiz->buttons()->at(QuizScreen::NextCommand));
        }
        settle();
        clock.start();
        click(quiz->buttons()->at(QuizScreen::NextCommand));
        toResults.push_back(watch.waitFor([&] { return screens.find<ResultsScreen>(); }));
        settle();
        click(screens.find<ResultsScreen>()->buttons()->at(ResultsScreen::ExitCommand));
        settle();
    }
    report("Multiple Choice -> quiz painted", toQuiz);
    report("Check Score >> -> results painted", toResults);
    return 0;
}

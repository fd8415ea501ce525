// A pupil's copy of the program on a shared account, on a folder that others share, driven
// through the real screens: it gives the pupil's name, answers the topic's quiz and, once the
// go file exists, finishes it, so that many copies finish at the same moment. Exits non-zero
// when the program told the pupil anything (a failure to record); --times prints how long
// the finishing click took, in milliseconds.
//   pupil_desktop <folder> <name> <answers, ten digits 0 to 4> <go file> [--times]
#include "classroom/classroom.h"
#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "frame/application.h"
#include "frame/appstate.h"
#include "quiz/pupilnamescreen.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"
#include "testservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace {
int fail(const QString &why)
{
    std::fprintf(stderr, "pupil_desktop: %s\n", qPrintable(why));
    return 1;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 5)
        return fail(QStringLiteral("usage: pupil_desktop FOLDER NAME ANSWERS GO_FILE [--times]"));
    const QString answers = args.at(3);
    prepareApplication();
    TestProgram program;
    if (!QDir::setCurrent(args.at(1)))
        return fail(QStringLiteral("no folder ") + args.at(1));
    ClassroomSettings shared;
    shared.pupilsShareAccount = true;
    program.context().state().classroom = Classroom(shared, Account{});

    Screens &screens = program.context().screens();
    MainMenu *menu = startProgram(program.context());
    QTest::mouseClick(menu->entries()->at(MainMenu::TopicEntry), Qt::LeftButton);
    QTest::mouseClick(screens.find<TopicHub>()->buttons()->at(TopicHub::QuizActivity),
                      Qt::LeftButton);
    auto *prompt = screens.find<PupilNameScreen>();
    if (!prompt)
        return fail(QStringLiteral("the quiz did not ask for the name"));
    prompt->nameBox()->setText(args.at(2));
    QTest::mouseClick(prompt->buttons()->at(PupilNameScreen::StartCommand), Qt::LeftButton);
    QuizScreen *quiz = screens.find<QuizScreen>();
    if (!quiz)
        return fail(QStringLiteral("the quiz did not open"));
    ButtonLabel *next = quiz->buttons()->at(QuizScreen::NextCommand);
    QElapsedTimer timer;
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        const int choice = answers.at(q - 1).digitValue();
        if (choice > 0)
            quiz->answerOption(choice)->click();
        if (q == QuestionSet::questionCount)
            while (!QFileInfo::exists(args.at(4)))
                QThread::msleep(5);
        timer.start();
        QTest::mouseClick(next, Qt::LeftButton);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!screens.find<ResultsScreen>())
        return fail(QStringLiteral("no results after the last question"));
    if (!program.dialogs().messages.isEmpty())
        return fail(program.dialogs().messages.join(u'\n'));
    if (args.contains(QStringLiteral("--times")))
        std::printf("%.1f\n", ms);
    return 0;
}

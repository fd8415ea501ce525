// Times reading aloud as a pupil meets it: from the click on "Next Question >>" to the
// request for the next question's reading taken by the speech service (on the speech
// thread, while the screen paints), once the last reading has ended and while it is still
// being said; and the quiz's screen changes (as bench_quiz_switch times them, and the turn
// to the next question) with the sound off and with it on. Speaks through the desktop's
// speech service, which must be reachable (SPEECHD_ADDRESS names a private one); runs on
// whatever display Qt is given.
//
//   bench_read_aloud [--runs N] [--content DIR]

#include "screenwatch.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "frame/desktopspeech.h"
#include "frame/readaloud.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"

#include <QApplication>
#include <QRadioButton>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <vector>

using namespace screenwatch;

namespace {

// The real service, with the moment each request has been handed over to it.
class TimedSpeech : public Speech
{
public:
    explicit TimedSpeech(const QElapsedTimer &clock)
    {
        m_real.setSentHook([this, &clock] {
            sent = clock.nsecsElapsed() / 1e6;
            ++requests;
        });
    }
    bool available() override { return m_real.available(); }
    void say(const QString &text) override { m_real.say(text); }
    void stop() override { m_real.stop(); }
    // True once the service has taken `count` texts in all.
    bool waitForRequests(int count) const
    {
        QElapsedTimer waited;
        waited.start();
        while (requests < count && waited.elapsed() < 2000)
            QThread::usleep(50);
        return requests == count;
    }

    // Written on the speech thread.
    std::atomic<double> sent{-1};
    std::atomic<int> requests{0};

private:
    DesktopSpeech m_real;
};

struct Samples
{
    std::vector<double> toQuiz, toNextQuestion, toResults, toRequest, toRequestCuttingOff;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = parseArguments(argc, argv, 25);
    prepareApplication();
    QElapsedTimer clock;
    clock.start();
    Services services = Services::real();
    auto timed = std::make_unique<TimedSpeech>(clock);
    TimedSpeech &speech = *timed;
    services.speech = std::move(timed);
    if (!speech.available()) {
        std::fprintf(stderr, "the speech service cannot be reached (SPEECHD_ADDRESS)\n");
        return 1;
    }
    AppContext context(std::move(services));
    Screens &screens = context.screens();
    MainMenu *menu = startProgram(context);
    settle();
    click(menu->entries()->at(MainMenu::TopicEntry));
    settle();
    TopicHub *hub = screens.find<TopicHub>();
    if (!hub) {
        std::fprintf(stderr, "the topic did not open\n");
        return 1;
    }

    PaintWatch watch(clock);
    Samples off, on;
    int expected = 0; // texts the service should have taken by now
    // Silent and read aloud by turns, so what grows as quizzes are taken (the results kept)
    // weighs on both alike.
    for (int run = 0; run < 2 * runs; ++run) {
        const bool soundOn = run % 2 == 1;
        menu->findChild<QRadioButton *>(soundOn ? QStringLiteral("Option1")
                                                : QStringLiteral("Option2"))
            ->click();
        if (context.readAloud().isOn() != soundOn) {
            std::fprintf(stderr, "the sound switch did not turn\n");
            return 1;
        }
        Samples &samples = soundOn ? on : off;
        // Each reading waited for until the service has it, so the next is timed alone.
        const auto taken = [&](const char *what) {
            if (!soundOn || speech.waitForRequests(++expected))
                return true;
            std::fprintf(stderr, "%s was not read\n", what);
            return false;
        };
        {
            clock.start();
            click(hub->buttons()->at(TopicHub::QuizActivity));
            samples.toQuiz.push_back(watch.waitFor([&] { return screens.find<QuizScreen>(); }));
            QuizScreen *quiz = screens.find<QuizScreen>();
            if (!taken("question 1"))
                return 1;
            for (int q = 1; q < QuestionSet::questionCount; ++q) {
                // Every other question is left as soon as it has been handed over, while the
                // service is still saying it; the rest once it has had time to finish. The
                // silent run pauses alike, so the two compare.
                const bool cutsOff = q % 2 == 0;
                if (!cutsOff)
                    QThread::msleep(300);
                settle();
                clock.start();
                click(quiz->buttons()->at(QuizScreen::NextCommand));
                samples.toNextQuestion.push_back(watch.waitFor([&] { return quiz; }));
                if (!taken("the next question"))
                    return 1;
                if (soundOn)
                    (cutsOff ? samples.toRequestCuttingOff : samples.toRequest)
                        .push_back(speech.sent);
            }
            settle();
            clock.start();
            click(quiz->buttons()->at(QuizScreen::NextCommand));
            samples.toResults.push_back(
                watch.waitFor([&] { return screens.find<ResultsScreen>(); }));
            if (!taken("the score"))
                return 1;
            settle();
            click(screens.find<ResultsScreen>()->buttons()->at(ResultsScreen::ExitCommand));
            settle();
        }
    }
    menu->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
    report("Next Question >> -> reading taken", on.toRequest);
    report("  the same, cutting the last short", on.toRequestCuttingOff);
    for (bool soundOn : {false, true}) {
        const Samples &samples = soundOn ? on : off;
        std::printf("sound %s:\n", soundOn ? "on" : "off");
        report("  Multiple Choice -> quiz painted", samples.toQuiz);
        report("  Next Question >> -> painted", samples.toNextQuestion);
        report("  Check Score >> -> results painted", samples.toResults);
    }
    return 0;
}

// Times reading aloud as a pupil meets it: from the click on "Next Question >>" to the
// request for the next question's reading handed to the speech service, and the quiz's
// screen changes (as bench_quiz_switch times them, and the turn to the next question) with
// the sound off and with it on. Speaks through the desktop's speech service, which must be
// reachable (SPEECHD_ADDRESS names a private one); runs on whatever display Qt is given.
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

#include <cstdio>
#include <vector>

using namespace screenwatch;

namespace {

// The real service, with the moment each request has been handed over.
class TimedSpeech : public Speech
{
public:
    explicit TimedSpeech(const QElapsedTimer &clock) : m_clock(clock) {}
    bool available() override { return m_real.available(); }
    void say(const QString &text) override
    {
        m_real.say(text);
        sent = m_clock.nsecsElapsed() / 1e6;
        ++requests;
    }
    void stop() override { m_real.stop(); }

    double sent = -1;
    int requests = 0;

private:
    DesktopSpeech m_real;
    const QElapsedTimer &m_clock;
};

struct Samples
{
    std::vector<double> toQuiz, toNextQuestion, toResults, toRequest;
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
    for (bool soundOn : {false, true}) {
        menu->findChild<QRadioButton *>(soundOn ? QStringLiteral("Option1")
                                                : QStringLiteral("Option2"))
            ->click();
        if (context.readAloud().isOn() != soundOn) {
            std::fprintf(stderr, "the sound switch did not turn\n");
            return 1;
        }
        Samples &samples = soundOn ? on : off;
        for (int run = 0; run < runs; ++run) {
            clock.start();
            click(hub->buttons()->at(TopicHub::QuizActivity));
            samples.toQuiz.push_back(watch.waitFor([&] { return screens.find<QuizScreen>(); }));
            QuizScreen *quiz = screens.find<QuizScreen>();
            for (int q = 1; q < QuestionSet::questionCount; ++q) {
                settle();
                const int requests = speech.requests;
                clock.start();
                click(quiz->buttons()->at(QuizScreen::NextCommand));
                if (soundOn) {
                    if (speech.requests != requests + 1) {
                        std::fprintf(stderr, "question %d was not read\n", q + 1);
                        return 1;
                    }
                    samples.toRequest.push_back(speech.sent);
                }
                samples.toNextQuestion.push_back(watch.waitFor([&] { return quiz; }));
            }
            settle();
            clock.start();
            click(quiz->buttons()->at(QuizScreen::NextCommand));
            samples.toResults.push_back(
                watch.waitFor([&] { return screens.find<ResultsScreen>(); }));
            settle();
            click(screens.find<ResultsScreen>()->buttons()->at(ResultsScreen::ExitCommand));
            settle();
        }
    }
    menu->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
    report("Next Question >> -> reading sent", on.toRequest);
    for (bool soundOn : {false, true}) {
        const Samples &samples = soundOn ? on : off;
        std::printf("sound %s:\n", soundOn ? "on" : "off");
        report("  Multiple Choice -> quiz painted", samples.toQuiz);
        report("  Next Question >> -> painted", samples.toNextQuestion);
        report("  Check Score >> -> results painted", samples.toResults);
    }
    return 0;
}

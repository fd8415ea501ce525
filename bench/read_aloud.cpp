// Times reading aloud as a pupil meets it:
// - the first "Sound On", which sets out to reach the speech service, to the menu painted,
//   and to the first reading taken by the service;
// - the click on "Next Question >>" to the next question's reading sent to the service (on
//   the speech thread, while the screen paints) and to it taken by the service, with the
//   last reading over, being said, or taken and not yet begun. To cut a reading short the
//   service is first told to stop, and takes the new text only once it has;
// - the quiz's screen changes (as bench_quiz_switch times them, and the turn to the next
//   question) with the sound off and with it on.
// Speaks through the desktop's speech service, which must be reachable (SPEECHD_ADDRESS
// names a private one); runs on whatever display Qt is given.
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

#include <array>
#include <atomic>
#include <cstdio>
#include <vector>

using namespace screenwatch;

namespace {

bool waitUntil(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds) {
        QThread::usleep(50);
        QCoreApplication::processEvents();
    }
    return done();
}

// The real service, with the moment each request has been handed over to it.
class TimedSpeech : public Speech
{
public:
    explicit TimedSpeech(const QElapsedTimer &clock)
    {
        DesktopSpeech::Watch watch;
        watch.sending = [this, &clock] { sending = clock.nsecsElapsed() / 1e6; };
        watch.taken = [this, &clock] {
            taken = clock.nsecsElapsed() / 1e6;
            begunSinceTaken = false;
            ++requests;
        };
        watch.saying = [this](bool now) {
            speaking = now;
            if (now)
                begunSinceTaken = true;
        };
        m_real.setWatch(std::move(watch));
    }
    void start(std::function<void()> unreachable) override
    {
        m_real.start([this, unreachable] {
            failed = true;
            unreachable();
        });
    }
    void say(const QString &text) override { m_real.say(text); }
    void stop() override { m_real.stop(); }
    // True once the service has taken `count` texts in all.
    bool waitForRequests(int count, int milliseconds = 2000) const
    {
        return waitUntil([&] { return requests >= count || failed; }, milliseconds) &&
               requests == count;
    }
    // True once the newest text has begun to be said, and is still (`still`) or no
    // longer being said.
    bool waitForSaying(bool still) const
    {
        return waitUntil([&] { return begunSinceTaken && speaking == still; }, 60000);
    }

    bool failed = false;

    // Written on the speech thread.
    std::atomic<double> sending{-1}, taken{-1};
    std::atomic<int> requests{0};
    std::atomic<bool> speaking{false}, begunSinceTaken{false};

private:
    DesktopSpeech m_real;
};

// What the last reading is doing when "Next Question >>" is clicked.
enum LastReading { Over, BeingSaid, NotBegun };
const char *const lastReadingNames[] = {"over", "being said", "taken, not yet begun"};

struct Samples
{
    std::vector<double> toQuiz, toNextQuestion, toResults;
    // The click to the next reading's request sent to the service, and taken by it, by
    // what the last reading was doing.
    std::array<std::vector<double>, 3> toSent, toTaken; // indexed by LastReading
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
    AppContext context(std::move(services));
    Screens &screens = context.screens();
    MainMenu *menu = startProgram(context);
    settle();
    PaintWatch watch(clock);
    clock.start();
    menu->findChild<QRadioButton *>(QStringLiteral("Option1"))->click();
    const double soundOnPainted = watch.waitFor([&] { return menu; });
    speech.say(QStringLiteral("Sound on."));
    if (!speech.waitForRequests(1, 60000)) {
        std::fprintf(stderr, "the speech service cannot be reached (SPEECHD_ADDRESS)\n");
        return 1;
    }
    const double serviceReached = speech.taken;
    TopicHub *hub = openTopic(menu, screens);
    if (!hub)
        return 1;

    Samples off, on;
    int expected = 1; // texts the service should have taken by now
    // Read aloud and silent by turns, so what grows as quizzes are taken (the results kept)
    // weighs on both alike. The silent run pauses before each click as long as the run read
    // aloud waited on the service, as a machine left idle answers more slowly.
    std::vector<unsigned long> pauses(QuestionSet::questionCount, 0);
    for (int run = 0; run < 2 * runs; ++run) {
        const bool soundOn = run % 2 == 0;
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
                // The last reading over, being said, or taken and not yet begun (a pupil
                // clicking on at once).
                const auto lastReading = LastReading(q % 3);
                if (!soundOn)
                    QThread::msleep(pauses[q]);
                QElapsedTimer waited;
                waited.start();
                if (soundOn && lastReading != NotBegun &&
                    !speech.waitForSaying(lastReading == BeingSaid)) {
                    std::fprintf(stderr, "the service did not say question %d\n", q);
                    return 1;
                }
                if (soundOn)
                    pauses[q] = waited.elapsed();
                settle();
                clock.start();
                click(quiz->buttons()->at(QuizScreen::NextCommand));
                samples.toNextQuestion.push_back(watch.waitFor([&] { return quiz; }));
                if (!taken("the next question"))
                    return 1;
                if (soundOn) {
                    samples.toSent[lastReading].push_back(speech.sending);
                    samples.toTaken[lastReading].push_back(speech.taken);
                }
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
    std::printf("the first Sound On -> menu painted %.2f ms, -> first reading taken %.0f ms\n",
                soundOnPainted, serviceReached);
    std::printf("Next Question >> -> reading sent to the service, the last reading\n");
    for (int last : {Over, BeingSaid, NotBegun})
        report((QByteArray("  ") + lastReadingNames[last]).constData(), on.toSent[last]);
    std::printf("Next Question >> -> reading taken by the service (once it has stopped the "
                "last), the last reading\n");
    for (int last : {Over, BeingSaid, NotBegun})
        report((QByteArray("  ") + lastReadingNames[last]).constData(), on.toTaken[last]);
    for (bool soundOn : {false, true}) {
        const Samples &samples = soundOn ? on : off;
        std::printf("sound %s:\n", soundOn ? "on" : "off");
        report("  Multiple Choice -> quiz painted", samples.toQuiz);
        report("  Next Question >> -> painted", samples.toNextQuestion);
        report("  Check Score >> -> results painted", samples.toResults);
    }
    return 0;
}

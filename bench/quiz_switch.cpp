// Times the two screen changes of a quiz as a pupil sees them: from the click on
// "Multiple Choice" to the quiz screen painted, and from the click on "Check Score >>" to
// the results screen painted. Runs on whatever display Qt is given (an X server for the
// real thing) in the content folder named on the command line.
//
//   bench_quiz_switch [--runs N] [--content DIR]

#include "app/appcontext.h"
#include "app/application.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"
#include "ui/buttonarray.h"
#include "ui/buttonlabel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// A left click as the window system delivers it: press, then release, on the label.
void click(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// Waits until the screen found by `find` has painted and that paint has been handled
// through to the display; returns the milliseconds on the clock by then.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QElapsedTimer &clock) : m_clock(clock) {}

    double waitFor(const std::function<QWidget *()> &find)
    {
        m_find = find;
        m_done = -1;
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [] {}); // let the loop spin at least once
        while (m_done < 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        qApp->removeEventFilter(this);
        m_armed = false;
        return m_done;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_armed)
            return false;
        QWidget *screen = m_find();
        auto *widget = qobject_cast<QWidget *>(watched);
        if (screen && widget && (widget == screen || screen->isAncestorOf(widget))) {
            m_armed = true;
            // The whole repaint, children included, is done when the loop comes back.
            QTimer::singleShot(0, this, [this] { m_done = m_clock.nsecsElapsed() / 1e6; });
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    std::function<QWidget *()> m_find;
    double m_done = -1;
    bool m_armed = false;
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void report(const char *what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%-34s min %6.2f ms  median %6.2f ms  max %6.2f ms  (%zu runs)\n", what,
                samples.front(), samples[samples.size() / 2], samples.back(), samples.size());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int runs = 25;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--content") == 0)
            QDir::setCurrent(QString::fromLocal8Bit(argv[i + 1]));
    }
    prepareApplication();
    AppContext context(Services::real());
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

    QElapsedTimer clock;
    PaintWatch watch(clock);
    std::vector<double> toQuiz, toResults;
    for (int run = 0; run < runs; ++run) {
        clock.start();
        click(hub->buttons()->at(TopicHub::QuizActivity));
        toQuiz.push_back(watch.waitFor([&] { return screens.find<QuizScreen>(); }));

        QuizScreen *quiz = screens.find<QuizScreen>();
        const QuestionSet &set = context.state.questionSet;
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

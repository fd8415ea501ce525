#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <vector>

class MainMenu;
class QWidget;
class Screens;
class TopicHub;

// What the screen-change benchmarks share: a click as the window system delivers it, a
// watch for the moment a screen has painted, and the report of the samples.
namespace screenwatch {

// A left click at the middle of the widget: press, then release.
void click(QWidget *widget);
// Lets the event loop run until nothing is left to do for the moment.
void settle();
// Prints min, median and max in milliseconds.
void report(const char *what, std::vector<double> samples);
// Opens the topic from the main menu with a click; null, and says so, where it did not open.
TopicHub *openTopic(MainMenu *menu, Screens &screens);
// Reads "--runs N" and "--content DIR" (a scratch copy of which becomes the working folder);
// gives N.
int parseArguments(int argc, char *argv[], int defaultRuns);

// Waits until the widget found by `find` (or a child of it) has painted and that paint has
// been handled through to the display; returns the milliseconds on the clock by then.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QElapsedTimer &clock) : m_clock(clock) {}
    double waitFor(const std::function<QWidget *()> &find);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QElapsedTimer &m_clock;
    std::function<QWidget *()> m_find;
    double m_done = -1;
    bool m_armed = false;
};

} // namespace screenwatch

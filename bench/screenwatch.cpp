#include "screenwatch.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "frame/screens.h"
#include "shell/mainmenu.h"
#include "shell/topichub.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace screenwatch {

void click(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

TopicHub *openTopic(MainMenu *menu, Screens &screens)
{
    click(menu->entries()->at(MainMenu::TopicEntry));
    settle();
    TopicHub *hub = screens.find<TopicHub>();
    if (!hub)
        std::fprintf(stderr, "the topic did not open\n");
    return hub;
}

void report(const char *what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%-34s min %6.2f ms  median %6.2f ms  max %6.2f ms  (%zu runs)\n", what,
                samples.front(), samples[samples.size() / 2], samples.back(), samples.size());
}

namespace {
// The content as a scratch copy, so that what a run records (a finished quiz's result) stays
// out of the folder given and out of the next run.
void workOnACopyOf(const QString &content)
{
    static QTemporaryDir scratch;
    const QDir from(QDir(content).absolutePath());
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = scratch.path() + u'/' + from.relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(path, target);
    }
    QDir::setCurrent(scratch.path());
}
} // namespace

int parseArguments(int argc, char *argv[], int defaultRuns)
{
    int runs = defaultRuns;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--content") == 0)
            workOnACopyOf(QString::fromLocal8Bit(argv[i + 1]));
    }
    return runs;
}

double PaintWatch::waitFor(const std::function<QWidget *()> &find)
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

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
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

} // namespace screenwatch

#pragma once

#include "desktop/speech.h"

#include <QObject>
#include <QThread>

#include <functional>

class QTextToSpeech;

// Speech through the desktop's speech service, the one screen readers use, in English
// whatever the desktop's language. The service is reached only once reading is turned on,
// so a machine whose sound stays off never starts it. Everything said to the service goes
// from a thread of its own: a click never waits on the service, however busy it is, nor on
// its first answer, which lists every voice it has and can take seconds.
class DesktopSpeech : public Speech
{
public:
    DesktopSpeech();
    ~DesktopSpeech() override;
    DesktopSpeech(const DesktopSpeech &) = delete;
    DesktopSpeech &operator=(const DesktopSpeech &) = delete;

    void start(std::function<void()> unreachable) override;
    void say(const QString &text) override;
    void stop() override;

    // For timing, run on the speech thread.
    struct Watch
    {
        std::function<void()> sending;    // a text is about to go to the service
        std::function<void()> taken;      // the service has taken it
        std::function<void(bool)> saying; // the service begins (true) or ends saying one
    };
    void setWatch(Watch watch) { m_watch = std::move(watch); }

private:
    void connectOnThread();
    void stopOnThread();

    QThread m_thread;
    QObject m_callerSide;              // lives on the thread that made this object
    QObject *m_home = nullptr;         // lives on m_thread once started
    QTextToSpeech *m_engine = nullptr; // m_home's child, used on m_thread only
    bool m_asked = false; // on m_thread: a text given that the service has not yet begun
    Watch m_watch;
};

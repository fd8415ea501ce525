#pragma once

#include "desktop/speech.h"

#include <QThread>

#include <functional>

class QTextToSpeech;

// Speech through the desktop's speech service, the one screen readers use, in English
// whatever the desktop's language. The service is reached the first time it is needed, so
// a machine whose sound stays off never starts it. Requests go to the service from a thread
// of their own: a click never waits on the service, however busy it is.
class DesktopSpeech : public Speech
{
public:
    DesktopSpeech();
    ~DesktopSpeech() override;
    DesktopSpeech(const DesktopSpeech &) = delete;
    DesktopSpeech &operator=(const DesktopSpeech &) = delete;

    // Waits for the service's answer once, the first time.
    bool available() override;
    void say(const QString &text) override;
    void stop() override;

    // Run on the speech thread each time the service has taken a text.
    void setSentHook(std::function<void()> hook) { m_sent = std::move(hook); }

private:
    void stopOnThread();

    QThread m_thread;
    QObject *m_home = nullptr;         // lives on m_thread
    QTextToSpeech *m_engine = nullptr; // m_home's child, used on m_thread only
    bool m_tried = false;
    bool m_asked = false; // on m_thread: a text given that the service has not yet begun
    std::function<void()> m_sent;
};

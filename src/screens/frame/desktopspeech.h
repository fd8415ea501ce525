#pragma once

#include "desktop/speech.h"

#include <memory>

class QTextToSpeech;

// Speech through the desktop's speech service, the one screen readers use, in English
// whatever the desktop's language. The service is reached the first time it is needed, so
// a machine whose sound stays off never starts it.
class DesktopSpeech : public Speech
{
public:
    DesktopSpeech();
    ~DesktopSpeech() override;

    bool available() override;
    void say(const QString &text) override;
    void stop() override;

private:
    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_tried = false;
};

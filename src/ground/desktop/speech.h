#pragma once

#include <QString>

// The desktop's speech service, which reads texts aloud for pupils who read with difficulty.
class Speech
{
public:
    virtual ~Speech() = default;
    // False when nothing on this machine can speak; asked before the first reading.
    virtual bool available() = 0;
    // Cuts off whatever is being said and starts on the text; returns without waiting for it.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

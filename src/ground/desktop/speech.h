#pragma once

#include <QString>

#include <functional>

// The desktop's speech service, which reads texts aloud for pupils who read with difficulty.
class Speech
{
public:
    virtual ~Speech() = default;
    // Sets out to reach the service, before the first reading, without waiting for it: a
    // service with many voices takes seconds to answer. Where nothing on this machine can
    // speak, `unreachable` is called once, on the calling thread, now or later. Texts given
    // meanwhile are read once the service answers.
    virtual void start(std::function<void()> unreachable) = 0;
    // Cuts off whatever is being said and starts on the text; returns without waiting for it.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

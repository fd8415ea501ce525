#pragma once

#include <QString>

#include <functional>

class Dialogs;
class QObject;
class Speech;

// The sound switch of the main menu. While it is on, the screens' texts are read aloud, one
// reading at a time: a new one cuts off the last, and a screen that closes silences its own.
// Off when the program starts, as a classroom of machines expects.
class ReadAloud
{
public:
    // No speech at all (a null pointer) counts as a machine that cannot speak.
    ReadAloud(Speech *speech, Dialogs &dialogs);

    bool isOn() const { return m_on; }
    // Turns reading on at once, without waiting for the speech service, and gives true.
    // Where nothing can speak, says so the first time it is asked and stays off: at once
    // when that is already known (giving false), else once the service fails to answer,
    // when `silenced` is called.
    bool turnOn(std::function<void()> silenced = {});
    void turnOff();

    // Reads the text for the screen that owns it, cutting off any other reading; nothing
    // while the switch is off.
    void read(const QObject *owner, const QString &text);
    // Stops the owner's reading, and leaves anyone else's alone.
    void stopFor(const QObject *owner);

private:
    Speech *m_speech;
    Dialogs &m_dialogs;
    void cannotSpeak();

    bool m_on = false;
    bool m_started = false;
    bool m_unreachable = false;
    std::function<void()> m_silenced;
    const QObject *m_owner = nullptr;
};

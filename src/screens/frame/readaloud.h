#pragma once

#include <QString>

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
    // Turns reading on and gives true; where nothing can speak, says so the first time it
    // is asked and stays off.
    bool turnOn();
    void turnOff();

    // Reads the text for the screen that owns it, cutting off any other reading; nothing
    // while the switch is off.
    void read(const QObject *owner, const QString &text);
    // Stops the owner's reading, and leaves anyone else's alone.
    void stopFor(const QObject *owner);

private:
    Speech *m_speech;
    Dialogs &m_dialogs;
    bool m_on = false;
    bool m_toldUnavailable = false;
    const QObject *m_owner = nullptr;
};

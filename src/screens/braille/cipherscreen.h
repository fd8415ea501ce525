#pragma once

#include "frame/screen.h"

#include <QStringList>

class ButtonArray;
class BrailleWord;
class DotSurface;
class KeyTable;
class QLabel;

// "braillelab": a word drawn only in Braille beside a key of the whole alphabet. The pupil
// reads it with the key; "Answer" shows it in print. Nothing is typed or scored.
class CipherScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ExitCommand = 0, AnswerCommand = 1, NewProblemCommand = 3 };

    explicit CipherScreen(ScreenHost &host);
    void load() override;

    ButtonArray *buttons() const { return m_buttons; }

private:
    void brailleAlphabet();
    void calculate();
    void clicked(int index);

    DotSurface *m_surface;
    BrailleWord *m_word;
    KeyTable *m_key;
    QLabel *m_answer;
    ButtonArray *m_buttons;
    QStringList m_words;
};

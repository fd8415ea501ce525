#include "braille/cipherscreen.h"

#include "braille/braillecell.h"
#include "braille/brailleword.h"
#include "braille/cipherwords.h"
#include "braille/dotsurface.h"
#include "braille/keytable.h"
#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "frame/services.h"
#include "look/fonts.h"
#include "look/palette.h"

#include <QLabel>

CipherScreen::CipherScreen(ScreenHost &host) : Screen(host, QStringLiteral("braillelab"))
{
    // First, so that every control lies over the dots.
    m_surface = new DotSurface(client());
    m_word = new BrailleWord(client());
    // After the word in the tab order, so the word is read first; a layer over the dots.
    m_key = new KeyTable(client());

    controls::textLabel(client(), QStringLiteral("Label7"),
                        QStringLiteral("What is the word shown below in Braille?"),
                        {0, 3720, 12000, 945}, fonts::screenFont(fonts::timesNewRoman, 30),
                        colours::commandText);
    m_answer =
        controls::textLabel(client(), QStringLiteral("Label6"), QString(), {0, 6840, 12000, 945},
                            fonts::screenFont(fonts::arial, 36), colours::commandText);
    m_answer->hide();

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(AnswerCommand, QStringLiteral("Answer"), {120, 7200, 2565, 495}, look);
    m_buttons->add(NewProblemCommand, QStringLiteral("New Problem"), {120, 7920, 2565, 495}, look);
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    connect(m_buttons, &ButtonArray::clicked, this, &CipherScreen::clicked);
    setSpokenHeading(QStringLiteral("Braille Cipher"));
    setEscapeCommand(m_buttons->at(ExitCommand));
}

void CipherScreen::load()
{
    setupScreen();
    m_key->placeLetters();
    // Handing the focus to its letters moved the key to their place in the tab order.
    setTabOrder(m_word, m_key);
    brailleAlphabet();
    m_words = cipher::words();
    calculate();
}

void CipherScreen::brailleAlphabet()
{
    for (int code = 0; code < braille::letterCount; ++code) {
        const QPointF origin = braille::keyCellOrigin(braille::keyLetterTopLeft(code));
        m_surface->drawCell(braille::cellAt(code, origin));
    }
}

void CipherScreen::calculate()
{
    m_answer->hide();
    RandomSource &random = *host().services().random;
    random.seedFromClock();
    const QString word = m_words.at(cipher::problemIndex(random.next(), int(m_words.size())));
    m_answer->setText(word);
    m_word->setWord(word);
    m_word->setAccessibleDescription(QStringLiteral("The word in Braille"));
    for (const braille::Cell &cell : braille::wordCells(word))
        m_surface->drawCell(cell);
    // Heard on a new problem; as the screen opens, the focus on the word brings it.
    announce(m_word->accessibleName());
}

void CipherScreen::clicked(int index)
{
    switch (index) {
    case ExitCommand:
        host().screens().unload(this);
        break;
    case AnswerCommand:
        m_answer->show();
        m_word->setAccessibleDescription(QStringLiteral("The word in Braille: ") +
                                         m_answer->text());
        announce(m_answer->text());
        readAloud(cipher::spokenAnswer(m_answer->text()));
        break;
    case NewProblemCommand:
        m_surface->clear();
        brailleAlphabet();
        calculate();
        break;
    default:
        break;
    }
}

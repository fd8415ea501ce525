#include "braille/cipherscreen.h"

#include "app/appcontext.h"
#include "braille/braillecell.h"
#include "braille/brailleword.h"
#include "braille/cipherwords.h"
#include "braille/dotsurface.h"
#include "ui/buttonarray.h"
#include "ui/buttonlabel.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/palette.h"

#include <QLabel>

CipherScreen::CipherScreen(AppContext &context) : Screen(context, QStringLiteral("braillelab"))
{
    // First, so that every control lies over the dots.
    m_surface = new DotSurface(client());
    m_word = new BrailleWord(client());

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
    placeKeyLetters();
    brailleAlphabet();
    m_words = cipher::words();
    calculate();
}

void CipherScreen::placeKeyLetters()
{
    const QFont font = fonts::screenFont(fonts::arial, 24);
    for (int code = 0; code < braille::letterCount; ++code) {
        const QPointF topLeft = braille::keyLetterTopLeft(code);
        const QString letter(QChar('a' + code));
        QLabel *label = controls::textLabel(client(), QStringLiteral("Label5(%1)").arg(code), letter,
                                            {topLeft, QSizeF(525, 540)}, font, colours::commandText);
        label->setAccessibleName(
            QStringLiteral("%1, dots %2").arg(letter, braille::raisedDotNumbers(code)));
        label->show();
    }
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
    RandomSource &random = *context().services.random;
    random.seedFromClock();
    const QString word = m_words.at(cipher::problemIndex(random.next(), int(m_words.size())));
    m_answer->setText(word);
    m_word->setWord(word);
    m_word->setAccessibleDescription(QStringLiteral("The word in Braille"));
    for (const braille::Cell &cell : braille::wordCells(word))
        m_surface->drawCell(cell);
}

void CipherScreen::clicked(int index)
{
    context().state.score = 0;
    switch (index) {
    case ExitCommand:
        context().screens().unload(this);
        break;
    case AnswerCommand:
        m_answer->show();
        m_word->setAccessibleDescription(QStringLiteral("The word in Braille: ") + m_answer->text());
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

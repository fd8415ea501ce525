#include "braille/brailleword.h"

#include "braille/braillecell.h"
#include "controls/focusmark.h"
#include "controls/place.h"
#include "look/palette.h"

#include <QPainter>

BrailleWord::BrailleWord(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("BrailleWord"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void BrailleWord::setWord(const QString &word)
{
    const QRectF area = braille::wordArea(int(word.size()));
    placeTwips(this, area.left(), area.top(), area.width(), area.height());
    setAccessibleName(braille::unicodeWord(word));
}

void BrailleWord::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    focusmark::paint(p, rect(), colours::commandText, colours::black);
}

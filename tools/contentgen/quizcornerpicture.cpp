#include "quizcornerpicture.h"

#include "braillecell.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int pictureWidth = 57;
constexpr int pictureHeight = 41;
constexpr qreal spineX = pictureWidth / 2.0;

// The quiz screen's own blue, so that the picture's edges disappear into the screen.
const QColor screenBlue(39, 63, 137);
const QColor cover(128, 30, 52);
const QColor paper(248, 241, 224);
const QColor ink(22, 44, 98);

QPainterPath pageShape(int side)
{
    // side is -1 for the left page, +1 for the right.
    const qreal outer = spineX + side * 24;
    QPainterPath page;
    page.moveTo(spineX, 8);
    page.quadTo(spineX + side * 12, 3, outer, 5);
    page.lineTo(outer, 33);
    page.quadTo(spineX + side * 12, 31, spineX, 36);
    page.closeSubpath();
    return page;
}

void paintBook(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(spineX - 27, 6, 54, 33), 2, 2);
    for (int side : {-1, 1}) {
        QLinearGradient shade(spineX, 0, spineX + side * 24, 0);
        shade.setColorAt(0.0, paper.darker(130));
        shade.setColorAt(0.25, paper);
        shade.setColorAt(1.0, paper.darker(104));
        p.setBrush(shade);
        p.drawPath(pageShape(side));
    }
}

void paintCell(QPainter &p, QChar letter, QPointF firstDot)
{
    const qreal pitch = 7;
    const braille::Dots dots = braille::letterDots(letter);
    for (int dot = 1; dot <= 6; ++dot) {
        if (braille::hasDot(dots, dot))
            braille::paintRaisedDot(p, braille::dotCentre(firstDot, pitch, dot), 2.5, ink);
    }
}

} // namespace

QImage drawQuizCornerPicture()
{
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(screenBlue);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintBook(p);
    paintCell(p, QLatin1Char('t'), QPointF(spineX - 16, 12));
    paintCell(p, QLatin1Char('v'), QPointF(spineX + 9, 12));
    return picture;
}

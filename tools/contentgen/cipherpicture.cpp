#include "cipherpicture.h"

#include "braillecell.h"
#include "contentfonts.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int pictureWidth = 311;
constexpr int pictureHeight = 101;

const QString word = QStringLiteral("braille");
constexpr qreal cellPitch = 42;
constexpr qreal dotPitch = 13;
constexpr qreal dotRadius = 4.6;
constexpr qreal cellsTop = 8;
const QPointF firstDot(pictureWidth / 2.0 - (word.size() - 1) * cellPitch / 2 - dotPitch / 2,
                       cellsTop + 12);

const QColor paper(248, 241, 224);
const QColor cellTile(236, 224, 198);
const QColor ink(22, 44, 98);
const QColor border(128, 30, 52);

void paintCard(QPainter &p)
{
    QLinearGradient light(0, 0, 0, pictureHeight);
    light.setColorAt(0.0, paper.lighter(103));
    light.setColorAt(1.0, paper.darker(104));
    p.fillRect(QRectF(0, 0, pictureWidth, pictureHeight), light);
    p.setPen(QPen(border, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, pictureWidth - 2, pictureHeight - 2));
}

void paintCell(QPainter &p, int cell)
{
    const QPointF dot1 = cipherDotCentre(cell, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(cellTile);
    p.drawRoundedRect(QRectF(dot1.x() - 11, dot1.y() - 11, dotPitch + 22, 2 * dotPitch + 22), 7, 7);

    const braille::Dots dots = braille::letterDots(word.at(cell));
    for (int dot = 1; dot <= 6; ++dot) {
        const QPointF centre = cipherDotCentre(cell, dot);
        if (braille::hasDot(dots, dot)) {
            braille::paintRaisedDot(p, centre, dotRadius, ink);
        } else {
            p.setPen(QPen(cellTile.darker(125), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, 2.0, 2.0);
        }
    }
}

void paintLetter(QPainter &p, int cell)
{
    const QPointF dot1 = cipherDotCentre(cell, 1);
    const QRectF box(dot1.x() + dotPitch / 2 - 20, dot1.y() + 2 * dotPitch + 14, 40, 32);
    p.setFont(contentfonts::font(contentfonts::sans, 26, true));
    p.setPen(border);
    p.drawText(box, Qt::AlignCenter, word.mid(cell, 1));
}

} // namespace

QString cipherPictureWord()
{
    return word;
}

QPointF cipherDotCentre(int cell, int dotNumber)
{
    return braille::dotCentre(firstDot + QPointF(cell * cellPitch, 0), dotPitch, dotNumber);
}

QImage drawCipherPicture()
{
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintCard(p);
    for (int cell = 0; cell < word.size(); ++cell) {
        paintCell(p, cell);
        paintLetter(p, cell);
    }
    return picture;
}

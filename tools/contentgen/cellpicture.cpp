#include "cellpicture.h"

#include "braillecell.h"
#include "contentfonts.h"
#include "readingfinger.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int pictureSize = 280;
constexpr qreal sheetAngle = -4;
const QPointF sheetCentre(140, 138);
const QRectF sheet(-112, -122, 224, 248); // around sheetCentre

const QColor paper(246, 238, 218);
const QColor cellFrame(176, 150, 110);
// The columns have a colour each, so the numbering reads as two columns of three.
const QColor leftColumn(176, 44, 64);
const QColor rightColumn(36, 92, 176);

// The big cell in sheet coordinates.
const QPointF firstDot(-30, -78);
constexpr qreal dotPitch = 60;
constexpr qreal dotRadius = 19;

void paintDesk(QPainter &p)
{
    QLinearGradient wood(0, 0, pictureSize, pictureSize);
    wood.setColorAt(0.0, QColor(150, 98, 58));
    wood.setColorAt(1.0, QColor(86, 50, 28));
    p.fillRect(QRectF(0, 0, pictureSize, pictureSize), wood);
    p.setPen(QPen(QColor(60, 34, 18, 60), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 12; ++i) {
        const qreal y = 8 + i * 24;
        QPainterPath grain;
        grain.moveTo(0, y);
        grain.cubicTo(90, y - 6, 190, y + 7, pictureSize, y - 2);
        p.drawPath(grain);
    }
}

void paintSheet(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRect(sheet.translated(5, 6));
    QLinearGradient light(sheet.topLeft(), sheet.bottomRight());
    light.setColorAt(0.0, paper.lighter(104));
    light.setColorAt(1.0, paper.darker(106));
    p.setBrush(light);
    p.drawRect(sheet);
}

void paintBigCell(QPainter &p)
{
    const QRectF frame(firstDot.x() - 34, firstDot.y() - 34, dotPitch + 68, 2 * dotPitch + 68);
    p.setPen(QPen(cellFrame, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 16, 16);

    for (int dot = 1; dot <= 6; ++dot)
        braille::paintRaisedDot(p, braille::dotCentre(firstDot, dotPitch, dot), dotRadius, paper);
}

void paintDotNumbers(QPainter &p)
{
    p.setFont(contentfonts::font(contentfonts::sans, 19, true));
    for (int dot = 1; dot <= 6; ++dot) {
        const bool left = dot <= 3;
        const QPointF centre =
            braille::dotCentre(firstDot, dotPitch, dot) + QPointF(left ? -58 : 58, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(left ? leftColumn : rightColumn);
        p.drawEllipse(centre, 13, 13);
        p.setPen(Qt::white);
        p.drawText(QRectF(centre.x() - 13, centre.y() - 13, 26, 26), Qt::AlignCenter,
                   QString::number(dot));
    }
}

// The fingertip rests on the last letter, as if it had just read the word.
void paintReadingLine(QPainter &p)
{
    const QPointF start(-88, 88);
    const qreal cellPitch = 25;
    braille::paintRaisedText(p, QStringLiteral("braille"), start, 8, cellPitch, 3.1, paper);
    paintReadingFinger(p, start + QPointF(6 * cellPitch + 4, 14), -32, 1.35);
}

} // namespace

QImage drawCellPicture()
{
    QImage picture(pictureSize, pictureSize, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintDesk(p);
    p.save();
    p.translate(sheetCentre);
    p.rotate(sheetAngle);
    paintSheet(p);
    paintBigCell(p);
    paintDotNumbers(p);
    paintReadingLine(p);
    p.restore();
    return picture;
}

#include "braillecell.h"

#include <QPainter>
#include <QRadialGradient>

namespace braille {

namespace {

Dots fromNumbers(std::initializer_list<int> numbers)
{
    Dots dots = 0;
    for (int n : numbers)
        dots |= 1u << (n - 1);
    return dots;
}

// a to j use only the top four dots; the rest of the alphabet is built on them.
const Dots firstDecade[10] = {
    fromNumbers({1}),    fromNumbers({1, 2}),    fromNumbers({1, 4}),       fromNumbers({1, 4, 5}),
    fromNumbers({1, 5}), fromNumbers({1, 2, 4}), fromNumbers({1, 2, 4, 5}), fromNumbers({1, 2, 5}),
    fromNumbers({2, 4}), fromNumbers({2, 4, 5}),
};

} // namespace

Dots letterDots(QChar letter)
{
    const char c = letter.toLatin1();
    if (c >= 'a' && c <= 'j')
        return firstDecade[c - 'a'];
    if (c >= 'k' && c <= 't')
        return firstDecade[c - 'k'] | fromNumbers({3});
    // w came into the code later, so it stands outside the pattern of u, v, x, y, z.
    if (c == 'w')
        return fromNumbers({2, 4, 5, 6});
    static const char thirdDecade[] = "uvxyz";
    for (int i = 0; i < 5; ++i) {
        if (c == thirdDecade[i])
            return firstDecade[i] | fromNumbers({3, 6});
    }
    return 0;
}

bool hasDot(Dots dots, int dotNumber)
{
    return dotNumber >= 1 && dotNumber <= 6 && (dots & (1u << (dotNumber - 1)));
}

QPointF dotCentre(QPointF topLeftDot, qreal pitch, int dotNumber)
{
    const int column = dotNumber <= 3 ? 0 : 1;
    const int row = (dotNumber - 1) % 3;
    return topLeftDot + QPointF(column * pitch, row * pitch);
}

void paintRaisedDot(QPainter &painter, QPointF centre, qreal radius, const QColor &paper)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QColor shadow = paper.darker(190);
    shadow.setAlpha(170);
    painter.setBrush(shadow);
    painter.drawEllipse(centre + QPointF(radius * 0.35, radius * 0.45), radius, radius);

    QRadialGradient dome(centre, radius, centre - QPointF(radius * 0.45, radius * 0.45));
    dome.setColorAt(0.0, paper.lighter(125));
    dome.setColorAt(0.6, paper);
    dome.setColorAt(1.0, paper.darker(122));
    painter.setBrush(dome);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void paintRaisedText(QPainter &painter, const QString &text, QPointF origin, qreal dotPitch,
                     qreal cellPitch, qreal radius, const QColor &paper)
{
    for (int i = 0; i < text.size(); ++i) {
        const Dots dots = letterDots(text.at(i));
        const QPointF cell = origin + QPointF(i * cellPitch, 0);
        for (int n = 1; n <= 6; ++n) {
            if (hasDot(dots, n))
                paintRaisedDot(painter, dotCentre(cell, dotPitch, n), radius, paper);
        }
    }
}

} // namespace braille

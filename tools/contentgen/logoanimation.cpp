#include "logoanimation.h"

#include "braillecell.h"
#include "contentfonts.h"
#include "publisherlogo.h"

#include <QPainter>
#include <QtMath>

namespace logoanimation {

namespace {

constexpr int cardWidth = 120;
constexpr int cardHeight = 89;
constexpr int frameSize = 120;

const QColor dotColour(250, 244, 226);

// The quill's slope in every picture of the logo: from upper right down to lower left.
constexpr qreal quillAngle = 123;

QPointF along(qreal distance)
{
    const qreal radians = qDegreesToRadians(quillAngle);
    return QPointF(std::cos(radians), std::sin(radians)) * distance;
}

void paintCardEdge(QPainter &p, int width, int height)
{
    p.setPen(QPen(logomark::burgundy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, width - 4, height - 4));
}

// The quill with its nib at `nib`, at `scale` times the menu logo's size.
void paintQuillAt(QPainter &p, QPointF nib, qreal scale)
{
    p.save();
    p.translate(nib - along(logomark::quillLength * scale));
    p.rotate(quillAngle);
    p.scale(scale, scale);
    logomark::paintQuill(p);
    p.restore();
}

// Where the cell's dots stand on the disc, and where the quill rests between them.
const QPointF frameDisc(60, 58);
constexpr qreal frameDiscRadius = 40;
constexpr qreal framePitch = 17;
const QPointF firstDot = frameDisc - QPointF(framePitch / 2, framePitch * 0.8);
const QPointF restingNib = frameDisc + QPointF(-12, 30);

// Each dot takes two frames: the quill comes down above it, then presses it.
// Frames 12 to 15 show the finished cell while the quill goes back to rest, and
// frames 16 to 19 fade the dots, so that frame 19 leads back into the empty frame 0.
struct FrameState
{
    int dotsShown = 0;
    qreal dotStrength = 1; // 0 is gone into the disc, 1 is fully shown
    QPointF nib;
};

FrameState stateOf(int frame)
{
    FrameState state;
    if (frame >= 1 && frame <= 12) {
        const int dot = (frame + 1) / 2;
        const bool pressing = frame % 2 == 0;
        state.dotsShown = pressing ? dot : dot - 1;
        const QPointF target = braille::dotCentre(firstDot, framePitch, dot);
        state.nib = pressing ? target : target - along(7);
    } else if (frame >= 13 && frame <= 15) {
        state.dotsShown = 6;
        const qreal t = (frame - 12) / 4.0;
        const QPointF from = braille::dotCentre(firstDot, framePitch, 6);
        state.nib = from + (restingNib - from) * t;
    } else if (frame >= 16) {
        state.dotsShown = 6;
        state.dotStrength = (20 - frame) / 5.0;
        state.nib = restingNib;
    } else {
        state.nib = restingNib;
    }
    return state;
}

QColor blend(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t);
}

} // namespace

QImage drawLogoCard()
{
    QImage card(cardWidth, cardHeight, QImage::Format_RGB32);
    card.fill(logomark::card);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    logomark::paintDisc(p, QPointF(60, 24), 19);
    // The menu logo's quill, at the same place over a disc of this size.
    const qreal scale = 19.0 / 31;
    paintQuillAt(p, QPointF(60, 24) + QPointF(-12.5, 31.4) * scale, scale);

    p.setPen(logomark::ink);
    p.setFont(contentfonts::font(contentfonts::serif, 18, true));
    p.drawText(QRectF(0, 44, cardWidth, 20), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Quillmere"));
    p.setPen(QPen(logomark::burgundy, 1));
    p.drawLine(QPointF(28, 65.5), QPointF(92, 65.5));
    p.setFont(contentfonts::font(contentfonts::sans, 12, false));
    p.setPen(logomark::ink);
    p.drawText(QRectF(0, 67, cardWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Publishing Ltd"));
    paintCardEdge(p, cardWidth, cardHeight);
    return card;
}

QImage drawFrame(int frame)
{
    const FrameState state = stateOf(((frame % frameCount) + frameCount) % frameCount);
    QImage image(frameSize, frameSize, QImage::Format_RGB32);
    image.fill(logomark::card);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    logomark::paintDisc(p, frameDisc, frameDiscRadius);
    // Dots fade towards the disc's own colour where they stand.
    const QColor discMiddle(34, 62, 128);
    p.setPen(Qt::NoPen);
    p.setBrush(blend(discMiddle, dotColour, state.dotStrength));
    for (int n = 1; n <= state.dotsShown; ++n)
        p.drawEllipse(braille::dotCentre(firstDot, framePitch, n), 5.5, 5.5);
    paintQuillAt(p, state.nib, 0.58);
    paintCardEdge(p, frameSize, frameSize);
    return image;
}

} // namespace logoanimation

#include "pagepictures.h"

#include "braillecell.h"
#include "pagefonts.h"

#include <QPainterPath>
#include <QRegularExpression>
#include <QTransform>

#include <cmath>

namespace {

QRect around(QPointF centre, qreal rx, qreal ry)
{
    return QRect(qRound(centre.x() - rx), qRound(centre.y() - ry), qRound(2 * rx), qRound(2 * ry));
}

int lineHeight(const PageFont &font)
{
    return qRound(font.height * 1.25);
}

void text(PageCanvas &canvas, const PageFont &font, const QColor &colour, QPointF at,
          const QString &words, TextAlign align = TextAlign::Left)
{
    canvas.setFont(font);
    canvas.setTextColour(colour);
    canvas.drawText(at.toPoint(), words, align);
}

// Outlines a path with the current pen and fills it with the current brush.
void drawPath(PageCanvas &canvas, const QPainterPath &path)
{
    for (const QPolygonF &polygon : path.toFillPolygons())
        canvas.drawPolygon(polygon.toPolygon());
}

// The font, made smaller in whole screen pixels if need be, that sets every one of the
// texts within width; a text never shrinks below two thirds of the font's size.
PageFont fitting(PageFont font, const QStringList &texts, qreal width)
{
    const int smallest = font.height * 2 / 3;
    auto fits = [&] {
        for (const QString &t : texts) {
            if (pagefonts::advance(font, t) > width)
                return false;
        }
        return true;
    };
    while (!fits() && font.height - 15 >= smallest)
        font.height -= 15;
    return font;
}

// A cell's dots: the raised ones large and dark, the flat places small and pale so the
// shape of the cell shows even where few dots are raised.
void paintCell(PageCanvas &canvas, QPointF firstDot, qreal pitch, braille::Dots dots,
               const QColor &raised, const QColor &flat)
{
    for (int n = 1; n <= 6; ++n) {
        const QPointF centre = braille::dotCentre(firstDot, pitch, n);
        canvas.setNoPen();
        if (braille::hasDot(dots, n)) {
            canvas.setBrush(raised);
            canvas.drawEllipse(around(centre, pitch * 0.34, pitch * 0.34));
        } else if (flat.isValid()) {
            canvas.setBrush(flat);
            canvas.drawEllipse(around(centre, pitch * 0.16, pitch * 0.16));
        }
    }
}

// The six-dot cell large, each dot with its number, a colour to each column.
class NumberedCell final : public PagePicture
{
public:
    int height(int width, const PictureLook &look) const override
    {
        return qRound(pitch(width, look) * 3.3);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal p = pitch(box.width(), look);
        const qreal pad = p * 0.65;
        const QRectF frame(box.center().x() - p / 2 - pad, box.top(), p + 2 * pad, 2 * p + 2 * pad);
        canvas.setPen(look.ink, look.outline * 2);
        canvas.setBrush(Qt::white);
        canvas.drawRoundRect(frame.toRect(), qRound(p * 0.6), qRound(p * 0.6));
        const QPointF firstDot(frame.left() + pad, frame.top() + pad);
        const PageFont numbers{look.labelStrong.face, qRound(p * 0.5), true};
        for (int n = 1; n <= 6; ++n) {
            const bool left = n <= 3;
            const QPointF centre = braille::dotCentre(firstDot, p, n);
            const QColor colour = left ? look.accent : look.accent2;
            canvas.setNoPen();
            canvas.setBrush(colour);
            canvas.drawEllipse(around(centre, p * 0.3, p * 0.3));
            const qreal numberX = left ? frame.left() - p * 0.3 : frame.right() + p * 0.3;
            text(canvas, numbers, colour, QPointF(numberX, centre.y() + numbers.height * 0.36),
                 QString::number(n), left ? TextAlign::Right : TextAlign::Left);
        }
    }

private:
    static qreal pitch(int width, const PictureLook &look)
    {
        return qMin(width, look.naturalWidth) * 0.19;
    }
};

// Words in Braille, each cell with its print letter below; all on one row when they fit,
// otherwise a word to a row.
class BrailleWords final : public PagePicture
{
public:
    explicit BrailleWords(QStringList words) : m_words(std::move(words)) {}

    int height(int width, const PictureLook &look) const override
    {
        const QStringList rows = rowsFor(width, look);
        const qreal d = pitchFor(rows, width, look);
        return qRound(rows.size() * rowHeight(d, look) - d * 0.6);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const QStringList rows = rowsFor(box.width(), look);
        const qreal d = pitchFor(rows, box.width(), look);
        for (int r = 0; r < rows.size(); ++r) {
            const QString &row = rows.at(r);
            const qreal rowWidth = (row.size() * cellSpan - gap) * d;
            const qreal left = box.center().x() - rowWidth / 2;
            const qreal top = box.top() + r * rowHeight(d, look) + d * 0.34;
            for (int i = 0; i < row.size(); ++i) {
                if (row.at(i) == QLatin1Char(' '))
                    continue;
                const QPointF firstDot(left + i * cellSpan * d + d * 0.34, top);
                paintCell(canvas, firstDot, d, braille::letterDots(row.at(i)), look.ink,
                          look.faint);
                text(canvas, look.labelStrong, look.text,
                     QPointF(firstDot.x() + d / 2,
                             top + 2 * d + d * 0.5 + pagefonts::ascent(look.labelStrong)),
                     QString(row.at(i)), TextAlign::Centre);
            }
        }
    }

private:
    static constexpr qreal cellSpan = 2.7; // a cell and the space after it, in dot pitches
    static constexpr qreal gap = 1.0;

    static qreal largest(const PictureLook &look) { return look.naturalWidth / 12.0; }

    static qreal pitchFor(const QStringList &rows, int width, const PictureLook &look)
    {
        int cells = 1;
        for (const QString &row : rows)
            cells = qMax(cells, int(row.size()));
        return qMin(largest(look), width / (cells * cellSpan - gap + 0.7));
    }

    QStringList rowsFor(int width, const PictureLook &look) const
    {
        const QStringList oneRow{m_words.join(QLatin1Char(' '))};
        if (pitchFor(oneRow, width, look) >= largest(look) * 0.7)
            return oneRow;
        return m_words;
    }

    static qreal rowHeight(qreal d, const PictureLook &look)
    {
        return 2 * d + d * 0.68 + d * 0.5 + lineHeight(look.labelStrong) + d * 0.6;
    }

    QStringList m_words;
};

// Night writing's twelve-dot cell and the six-dot cell at the same dot size, each under
// the same fingertip, with what they are beside them.
class CompareCells final : public PagePicture
{
public:
    explicit CompareCells(QStringList labels) : m_labels(std::move(labels)) {}

    int height(int width, const PictureLook &look) const override
    {
        const qreal d = pitch(width, look);
        return qRound(rowHeight(6, d) + d * 0.6 + rowHeight(3, d));
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal d = pitch(box.width(), look);
        const qreal cellX = box.left() + d * 1.8;
        qreal top = box.top();
        for (int i = 0; i < 2; ++i) {
            const int rows = i == 0 ? 6 : 3;
            const QPointF firstDot(cellX - d / 2, top + d * 0.9);
            // The fingertip rests on the top of the cell, as a reader's would.
            canvas.setPen(look.skinEdge, look.outline);
            canvas.setBrush(look.skin);
            canvas.drawEllipse(around(firstDot + QPointF(d / 2, d), d * 1.5, d * 1.75));
            canvas.setNoPen();
            canvas.setBrush(look.ink);
            for (int row = 0; row < rows; ++row) {
                for (int column = 0; column < 2; ++column)
                    canvas.drawEllipse(
                        around(firstDot + QPointF(column * d, row * d), d * 0.3, d * 0.3));
            }
            const QStringList lines = m_labels.value(i).split(QLatin1Char(':'));
            const qreal labelX = cellX + d * 2.2;
            qreal baseline = top + rowHeight(rows, d) / 2 - lineHeight(look.label) * 0.6 +
                             pagefonts::ascent(look.label) / 2;
            for (int l = 0; l < lines.size(); ++l) {
                text(canvas, l == 0 ? look.labelStrong : look.label, look.text,
                     QPointF(labelX, baseline), lines.at(l).trimmed());
                baseline += lineHeight(look.label);
            }
            top += rowHeight(rows, d) + d * 0.6;
        }
    }

private:
    static qreal pitch(int width, const PictureLook &look)
    {
        return qMin(width, look.naturalWidth) / 15.0;
    }
    static qreal rowHeight(int rows, qreal d) { return qMax(3.5, rows - 1 + 1.8) * d; }

    QStringList m_labels;
};

// Years down a line, each with what happened; the entries are the block's lines.
class Timeline final : public PagePicture
{
public:
    explicit Timeline(QStringList entries) : m_entries(std::move(entries)) {}

    int height(int width, const PictureLook &look) const override
    {
        int total = 0;
        for (const QString &entry : m_entries)
            total += entryHeight(entry, width, look);
        return total - entryGap(look);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal yearWidth = pagefonts::advance(look.labelStrong, QStringLiteral("0000"));
        const qreal lineX = box.left() + yearWidth + look.labelStrong.height * 0.8;
        const qreal labelX = lineX + look.labelStrong.height * 0.8;
        const qreal firstMark = box.top() + markY(look);
        qreal lastMark = firstMark;
        qreal top = box.top();
        for (const QString &entry : m_entries) {
            lastMark = top + markY(look);
            top += entryHeight(entry, box.width(), look);
        }
        canvas.setPen(look.faint, look.outline * 3);
        canvas.drawPolyline(QPolygon{QPoint(qRound(lineX), qRound(firstMark)),
                                     QPoint(qRound(lineX), qRound(lastMark))});

        top = box.top();
        for (const QString &entry : m_entries) {
            const QString year = entry.section(QLatin1Char(' '), 0, 0);
            const QString what = entry.section(QLatin1Char(' '), 1);
            const qreal baseline = top + pagefonts::ascent(look.labelStrong);
            text(canvas, look.labelStrong, look.accent, QPointF(box.left(), baseline), year);
            canvas.setNoPen();
            canvas.setBrush(look.accent2);
            const qreal r = look.labelStrong.height * 0.3;
            canvas.drawEllipse(around(QPointF(lineX, top + markY(look)), r, r));
            qreal lineBaseline = baseline;
            for (const QString &line :
                 pagefonts::wrapWords(what, look.label, labelWidth(box.width(), look))) {
                text(canvas, look.label, look.text, QPointF(labelX, lineBaseline), line);
                lineBaseline += lineHeight(look.label);
            }
            top += entryHeight(entry, box.width(), look);
        }
    }

private:
    static int entryGap(const PictureLook &look) { return look.label.height / 2; }
    static qreal markY(const PictureLook &look) { return look.labelStrong.height * 0.55; }

    static int labelWidth(int width, const PictureLook &look)
    {
        const qreal yearWidth = pagefonts::advance(look.labelStrong, QStringLiteral("0000"));
        return qRound(width - yearWidth - look.labelStrong.height * 1.6);
    }

    static int entryHeight(const QString &entry, int width, const PictureLook &look)
    {
        const int lines = qMax(1, int(pagefonts::wrapWords(entry.section(QLatin1Char(' '), 1),
                                                           look.label, labelWidth(width, look))
                                          .size()));
        return lines * lineHeight(look.label) + entryGap(look);
    }

    QStringList m_entries;
};

// France drawn freehand, with Paris and Coupvray to the east of it.
class FranceMap final : public PagePicture
{
public:
    int height(int width, const PictureLook &look) const override
    {
        return qRound(side(width, look) * 0.98);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal s = side(box.width(), look);
        const QPointF origin(box.center().x() - s / 2, box.top());
        auto at = [&](qreal x, qreal y) { return origin + QPointF(x * s, y * s); };
        static const qreal outline[][2] = {
            {0.52, 0.02}, {0.63, 0.08}, {0.78, 0.14}, {0.95, 0.24}, {0.90, 0.40}, {0.84, 0.52},
            {0.90, 0.66}, {0.98, 0.80}, {0.84, 0.88}, {0.70, 0.86}, {0.60, 0.90}, {0.55, 0.98},
            {0.40, 0.96}, {0.22, 0.93}, {0.26, 0.76}, {0.24, 0.62}, {0.16, 0.50}, {0.02, 0.40},
            {0.04, 0.31}, {0.20, 0.30}, {0.28, 0.32}, {0.30, 0.20}, {0.42, 0.18}, {0.46, 0.08},
        };
        QPolygon land;
        for (const auto &p : outline)
            land.append(at(p[0], p[1]).toPoint());
        canvas.setPen(look.ink, look.outline);
        canvas.setBrush(look.land);
        canvas.drawPolygon(land);

        const qreal r = s * 0.028;
        const QPointF paris = at(0.52, 0.33);
        const QPointF coupvray = at(0.62, 0.33);
        canvas.setNoPen();
        canvas.setBrush(look.ink);
        canvas.drawEllipse(around(paris, r * 1.2, r * 1.2));
        canvas.setBrush(look.accent);
        canvas.drawEllipse(around(coupvray, r, r));
        // Paris over its dot and Coupvray under its own, a little to the west, both clear of
        // the border: beside its dot, the longer name ran across it.
        text(canvas, look.labelStrong, look.ink, paris - QPointF(0, r * 1.6),
             QStringLiteral("Paris"), TextAlign::Centre);
        text(canvas, look.labelStrong, look.accent,
             coupvray + QPointF(-s * 0.02, r * 2 + pagefonts::ascent(look.labelStrong)),
             QStringLiteral("Coupvray"), TextAlign::Centre);
        text(canvas, look.label, look.text, at(0.55, 0.66), QStringLiteral("France"),
             TextAlign::Centre);
        paintNorth(canvas, at(0.06, 0.02), s * 0.1, look);
    }

private:
    static qreal side(int width, const PictureLook &look)
    {
        return qMin(width, look.naturalWidth) * 0.86;
    }

    static void paintNorth(PageCanvas &canvas, QPointF top, qreal length, const PictureLook &look)
    {
        const qreal half = length * 0.22;
        const QPointF tip = top + QPointF(0, look.label.height * 1.1);
        canvas.setNoPen();
        canvas.setBrush(look.ink);
        canvas.drawPolygon(QPolygon{tip.toPoint(), (tip + QPointF(half, length)).toPoint(),
                                    (tip + QPointF(0, length * 0.75)).toPoint(),
                                    (tip + QPointF(-half, length)).toPoint()});
        text(canvas, look.labelStrong, look.ink, top + QPointF(0, look.label.height * 0.8),
             QStringLiteral("N"), TextAlign::Centre);
    }
};

// A finger reading a line of Braille, seen from above: the pad rests on the dots.
class ReadingHand final : public PagePicture
{
public:
    int height(int width, const PictureLook &look) const override
    {
        return qRound(qMin(width, look.naturalWidth) * 0.66);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal w = qMin(box.width(), look.naturalWidth);
        const QRectF area(box.center().x() - w / 2, box.top(), w, height(box.width(), look));
        const QRectF strip(area.left(), area.bottom() - w * 0.25, w, w * 0.25);
        canvas.setPen(look.faint, look.outline);
        canvas.setBrush(Qt::white);
        canvas.drawRect(strip.toRect());
        const qreal d = w * 0.05;
        const QString word = QStringLiteral("read");
        for (int i = 0; i < word.size(); ++i) {
            const QPointF firstDot(strip.left() + d * 1.6 + i * d * 3.2, strip.top() + d * 1.5);
            paintCell(canvas, firstDot, d, braille::letterDots(word.at(i)), look.ink, QColor());
        }

        // The finger is laid out along its length, pad at the origin, then turned so that it
        // comes down from the top right; the hand behind it is cut off at the picture's edge.
        const qreal fw = w * 0.13;
        const qreal length = w * 0.4;
        QTransform turn;
        turn.translate(strip.left() + d * 1.6 + d * 3.2 + d * 0.3, strip.top() + d * 2.2);
        turn.rotate(-50);
        QPainterPath finger;
        finger.addRoundedRect(QRectF(-fw * 0.45, -fw / 2, length, fw), fw / 2, fw / 2);
        // Behind the pointing finger, the hand's other fingers are folded under it.
        QPainterPath palm;
        palm.addRoundedRect(QRectF(length * 0.85, -fw * 0.6, length * 1.1, fw * 4.0), fw * 0.9,
                            fw * 0.9);
        QList<QPainterPath> folded;
        for (int i = 3; i >= 1; --i) {
            QPainterPath knuckle;
            knuckle.addRoundedRect(
                QRectF(length * (0.45 + 0.1 * i), fw * (0.05 + 0.92 * i), length * 0.6, fw * 0.95),
                fw * 0.47, fw * 0.47);
            folded.append(knuckle);
        }
        QPainterPath clip;
        clip.addRect(area);

        canvas.setPen(look.skinEdge, look.outline * 2);
        canvas.setBrush(look.skin);
        drawPath(canvas, turn.map(palm).intersected(clip));
        for (const QPainterPath &knuckle : folded)
            drawPath(canvas, turn.map(knuckle).intersected(clip));
        drawPath(canvas, turn.map(finger).intersected(clip));
        QPainterPath nail;
        nail.addRoundedRect(QRectF(-fw * 0.3, -fw * 0.3, fw * 0.8, fw * 0.6), fw * 0.28, fw * 0.28);
        canvas.setPen(look.skinEdge, look.outline);
        canvas.setBrush(look.skin.lighter(110));
        drawPath(canvas, turn.map(nail));
        for (qreal x : {length * 0.3, length * 0.62}) {
            canvas.drawPolyline(
                turn.map(QPolygonF{QPointF(x, -fw * 0.3), QPointF(x + fw * 0.08, fw * 0.3)})
                    .toPolygon());
        }
    }
};

// A slate: two rows of cell windows, the top row already pressed, and the stylus that
// presses the dots.
class SlateAndStylus final : public PagePicture
{
public:
    int height(int width, const PictureLook &look) const override
    {
        return qRound(qMin(width, look.naturalWidth) * 0.54);
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal w = qMin(box.width(), look.naturalWidth);
        const QRectF slate(box.center().x() - w / 2, box.top(), w, w * 0.4);
        canvas.setPen(look.ink, look.outline);
        canvas.setBrush(look.metal);
        canvas.drawRoundRect(slate.toRect(), qRound(w * 0.05), qRound(w * 0.05));
        const QString word = QStringLiteral("slate");
        const int columns = int(word.size());
        const qreal step = w * 0.9 / columns;
        const qreal windowWidth = step * 0.72;
        const qreal windowHeight = slate.height() * 0.38;
        QRectF target;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < columns; ++column) {
                const QRectF window(
                    slate.left() + w * 0.05 + column * step + (step - windowWidth) / 2,
                    slate.top() + slate.height() * (0.08 + row * 0.46), windowWidth, windowHeight);
                canvas.setPen(look.ink, look.outline);
                canvas.setBrush(Qt::white);
                canvas.drawRoundRect(window.toRect(), qRound(windowWidth * 0.3),
                                     qRound(windowWidth * 0.3));
                if (row == 0) {
                    const qreal d = windowHeight * 0.28;
                    paintCell(canvas, window.center() - QPointF(d / 2, d), d,
                              braille::letterDots(word.at(column)), look.ink, QColor());
                } else if (column == 1) {
                    target = window;
                }
            }
        }
        paintStylus(canvas, target.center() + QPointF(0, target.height() * 0.1), w, look);
    }

private:
    // The point rests in a window of the second row; the handle lies down to the right.
    static void paintStylus(PageCanvas &canvas, QPointF point, qreal w, const PictureLook &look)
    {
        QTransform turn;
        turn.translate(point.x(), point.y());
        turn.rotate(22);
        const qreal shaft = w * 0.2;
        const qreal knob = w * 0.1;
        const QPolygonF metal{QPointF(0, 0), QPointF(shaft * 0.3, -knob * 0.14),
                              QPointF(shaft, -knob * 0.14), QPointF(shaft, knob * 0.14),
                              QPointF(shaft * 0.3, knob * 0.14)};
        canvas.setPen(look.ink, look.outline);
        canvas.setBrush(look.metal.lighter(125));
        canvas.drawPolygon(turn.map(metal).toPolygon());
        QPainterPath handle;
        handle.addRoundedRect(QRectF(shaft * 0.95, -knob / 2, w * 0.28, knob), knob / 2, knob / 2);
        canvas.setBrush(look.wood);
        drawPath(canvas, turn.map(handle));
    }
};

// The program's buttons as a teacher sees them on a screen; a line is a row of buttons,
// with " / " between buttons that sit side by side.
class ScreenButtons final : public PagePicture
{
public:
    explicit ScreenButtons(QStringList rows) : m_rows(std::move(rows)) {}

    int height(int, const PictureLook &look) const override
    {
        return qRound(m_rows.size() * (buttonHeight(look) + gap(look)) + gap(look));
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        canvas.setNoPen();
        canvas.setBrush(look.screen);
        canvas.drawRoundRect(box, look.label.height, look.label.height);
        const qreal g = gap(look);
        // One size for every button, the largest at which the longest name fits, in the
        // program's own bold face.
        const PageFont face{pagefonts::tahoma, look.labelStrong.height, true};
        PageFont font = face;
        for (const QString &row : m_rows) {
            const QStringList names = row.split(QStringLiteral(" / "));
            const qreal inside = buttonWidth(box.width(), names.size(), look) - g;
            font.height = qMin(font.height, fitting(face, names, inside).height);
        }
        qreal top = box.top() + g;
        for (const QString &row : m_rows) {
            const QStringList names = row.split(QStringLiteral(" / "));
            const qreal width = buttonWidth(box.width(), names.size(), look);
            for (int i = 0; i < names.size(); ++i) {
                const QRectF button(box.left() + g + i * (width + g), top, width,
                                    buttonHeight(look));
                canvas.setPen(look.faint, look.outline);
                canvas.setBrush(look.button);
                canvas.drawRect(button.toRect());
                const qreal baseline = button.center().y() + font.height * 0.36;
                text(canvas, font, look.buttonText, QPointF(button.center().x(), baseline),
                     names.at(i).trimmed(), TextAlign::Centre);
            }
            top += buttonHeight(look) + g;
        }
    }

private:
    static qreal buttonHeight(const PictureLook &look) { return look.labelStrong.height * 2.0; }
    static qreal gap(const PictureLook &look) { return look.labelStrong.height * 0.6; }
    static qreal buttonWidth(int width, int count, const PictureLook &look)
    {
        return (width - gap(look) * (count + 1)) / count;
    }

    QStringList m_rows;
};

// One question as the wizard asks for it: the worksheet's title, the question, and four
// answers with the right one ticked. The lines are the title, the question, then the
// answers, the right one marked with a leading star.
class WizardForm final : public PagePicture
{
public:
    explicit WizardForm(QStringList lines) : m_lines(std::move(lines)) {}

    int height(int, const PictureLook &look) const override
    {
        const qreal row = boxHeight(look);
        return qRound(2 * (lineHeight(look.labelStrong) + row) + 4 * row + 5 * gap(look));
    }

    void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const override
    {
        const qreal row = boxHeight(look);
        qreal top = box.top();
        const QStringList headings{QStringLiteral("Title"), QStringLiteral("Question 1")};
        for (int i = 0; i < 2; ++i) {
            text(canvas, look.labelStrong, look.text,
                 QPointF(box.left(), top + pagefonts::ascent(look.labelStrong)), headings.at(i));
            top += lineHeight(look.labelStrong);
            field(canvas, QRectF(box.left(), top, box.width(), row), m_lines.at(i), look);
            top += row + gap(look);
        }
        for (int i = 2; i < m_lines.size(); ++i) {
            const bool right = m_lines.at(i).startsWith(QLatin1Char('*'));
            const QRectF tick(box.left(), top + row * 0.15, row * 0.7, row * 0.7);
            canvas.setPen(look.ink, look.outline);
            canvas.setBrush(Qt::white);
            canvas.drawRect(tick.toRect());
            if (right) {
                canvas.setPen(look.accent, look.outline * 3);
                canvas.drawPolyline(
                    QPolygonF{tick.topLeft() + QPointF(tick.width() * 0.18, tick.height() * 0.5),
                              tick.topLeft() + QPointF(tick.width() * 0.42, tick.height() * 0.78),
                              tick.topLeft() + QPointF(tick.width() * 0.85, tick.height() * 0.2)}
                        .toPolygon());
            }
            const qreal x = tick.right() + row * 0.3;
            field(canvas, QRectF(x, top, box.right() - x, row),
                  right ? m_lines.at(i).mid(1) : m_lines.at(i), look);
            top += row + gap(look);
        }
    }

private:
    static qreal boxHeight(const PictureLook &look) { return look.label.height * 1.7; }
    static qreal gap(const PictureLook &look) { return look.label.height * 0.4; }

    static void field(PageCanvas &canvas, const QRectF &rect, const QString &words,
                      const PictureLook &look)
    {
        canvas.setPen(look.faint, look.outline);
        canvas.setBrush(Qt::white);
        canvas.drawRect(rect.toRect());
        const qreal inset = look.label.height * 0.4;
        const PageFont font = fitting(look.label, {words}, rect.width() - 2 * inset);
        text(canvas, font, look.text,
             QPointF(rect.left() + inset, rect.center().y() + font.height * 0.36), words);
    }

    QStringList m_lines;
};

} // namespace

std::unique_ptr<PagePicture> makePagePicture(const PageBlock &block, QString *error)
{
    const QString &name = block.picture;
    const bool bare = block.words.isEmpty() && block.lines.isEmpty();
    if (name == QLatin1String("cell") && bare)
        return std::make_unique<NumberedCell>();
    if (name == QLatin1String("map") && bare)
        return std::make_unique<FranceMap>();
    if (name == QLatin1String("hand") && bare)
        return std::make_unique<ReadingHand>();
    if (name == QLatin1String("slate") && bare)
        return std::make_unique<SlateAndStylus>();
    if (name == QLatin1String("braille") && !block.words.isEmpty()) {
        for (const QString &word : block.words) {
            for (QChar c : word) {
                if (c < QLatin1Char('a') || c > QLatin1Char('z')) {
                    *error = QStringLiteral("braille takes lower-case letters: %1").arg(word);
                    return nullptr;
                }
            }
        }
        return std::make_unique<BrailleWords>(block.words);
    }
    if (name == QLatin1String("compare") && block.lines.size() == 2)
        return std::make_unique<CompareCells>(block.lines);
    if (name == QLatin1String("timeline") && !block.lines.isEmpty())
        return std::make_unique<Timeline>(block.lines);
    if (name == QLatin1String("form") && block.lines.size() == 6 &&
        block.lines.filter(QRegularExpression(QStringLiteral("^\\*"))).size() == 1)
        return std::make_unique<WizardForm>(block.lines);
    if (name == QLatin1String("buttons") && !block.lines.isEmpty())
        return std::make_unique<ScreenButtons>(block.lines);
    *error = QStringLiteral("line %1: no picture [%2] with these words").arg(block.line).arg(name);
    return nullptr;
}

#include "pagelayout.h"

#include "pagefonts.h"
#include "pagepictures.h"

#include <algorithm>
#include <memory>

namespace {

// A piece of a word in one style: "Coupvray," is a strong piece and a plain comma.
struct Piece
{
    QString text;
    bool strong = false;
    qreal width = 0;
};

struct Word
{
    QList<Piece> pieces;
    qreal width = 0;
};

using Line = QList<Word>;

struct Picture
{
    const PageBlock *block = nullptr;
    std::unique_ptr<PagePicture> drawing;
};

class Layout
{
public:
    Layout(PageCanvas &canvas, const PageSource &page, const PageInfo &info, const PageLook &look,
           QString *error)
        : m_canvas(canvas), m_page(page), m_info(info), m_look(look), m_error(error)
    {}

    bool run()
    {
        const auto headings =
            std::count_if(m_page.blocks.begin(), m_page.blocks.end(),
                          [](const PageBlock &b) { return b.kind == PageBlock::Kind::Heading; });
        if (headings != 1) {
            *m_error = QStringLiteral("a page has one # heading, not %1").arg(headings);
            return false;
        }
        if (!makePictures())
            return false;
        paintBackground();
        const int bodyTop = m_look.screen ? paintScreenHeading() : paintPaperHeading();
        if (bodyTop < 0)
            return false;
        const bool ok = m_look.screen ? layOutScreen(bodyTop) : layOutPaper(bodyTop);
        return ok && keptClear();
    }

private:
    bool makePictures()
    {
        for (const PageBlock &block : m_page.blocks) {
            if (block.kind != PageBlock::Kind::Picture)
                continue;
            Picture picture;
            picture.block = &block;
            picture.drawing = makePagePicture(block, m_error);
            if (!picture.drawing)
                return false;
            m_pictures.push_back(std::move(picture));
        }
        return true;
    }

    int left() const { return m_look.panelInset + m_look.margin; }
    int right() const { return m_look.size.width() - m_look.panelInset - m_look.margin; }
    int lineHeight(const PageFont &font) const { return qRound(font.height * m_look.lineSpacing); }

    void paintBackground()
    {
        if (m_look.background.alpha() == 0)
            return;
        m_canvas.setNoPen();
        m_canvas.setBrush(m_look.background);
        m_canvas.drawRect(QRect(QPoint(0, 0), m_look.size));
        const int inset = m_look.panelInset;
        m_canvas.setBrush(m_look.panel);
        m_canvas.drawRoundRect(
            QRect(inset, inset, m_look.size.width() - 2 * inset, m_look.size.height() - 2 * inset),
            m_look.margin, m_look.margin);
    }

    const PageBlock *heading() const
    {
        for (const PageBlock &block : m_page.blocks) {
            if (block.kind == PageBlock::Kind::Heading)
                return &block;
        }
        return nullptr;
    }

    QString headingText() const
    {
        QString text;
        if (const PageBlock *block = heading()) {
            for (const TextRun &run : block->runs)
                text += run.text;
        }
        return text;
    }

    void text(const PageFont &font, const QColor &colour, QPoint at, const QString &words,
              TextAlign align = TextAlign::Left)
    {
        m_canvas.setFont(font);
        m_canvas.setTextColour(colour);
        m_canvas.drawText(at, words, align);
        const int width = qCeil(pagefonts::advance(font, words));
        int x = at.x();
        if (align == TextAlign::Centre)
            x -= width / 2;
        else if (align == TextAlign::Right)
            x -= width;
        m_placed.append(QRect(x, at.y() - font.height, width, qRound(font.height * 1.25)));
    }

    void rule(int top, int thickness, int from, int to)
    {
        m_canvas.setNoPen();
        m_canvas.setBrush(m_look.ruleColour);
        m_canvas.drawRect(QRect(from, top, to - from, thickness));
    }

    // The set's name over the page's heading and a rule under it; returns where the body
    // starts.
    int paintScreenHeading()
    {
        int baseline = m_look.top;
        text(m_look.kicker, m_look.kickerColour, QPoint(left(), baseline), m_info.set);
        baseline += qRound(m_look.heading.height * 1.25);
        text(m_look.heading, m_look.headingColour, QPoint(left(), baseline), headingText());
        const int ruleTop = baseline + m_look.heading.height / 3;
        rule(ruleTop, 45, left(), right());
        return ruleTop + 45 + m_look.paragraphGap * 3 / 2;
    }

    // On paper a running line names the program and the page, as printed notes need.
    int paintPaperHeading()
    {
        int baseline = m_look.top;
        text(m_look.kicker, m_look.kickerColour, QPoint(left(), baseline),
             QStringLiteral("Zorvanel"));
        const QString where = m_info.count > 1 ? QStringLiteral("%1, page %2 of %3")
                                                     .arg(m_info.set)
                                                     .arg(m_info.number)
                                                     .arg(m_info.count)
                                               : m_info.set;
        text(m_look.kicker, m_look.kickerColour, QPoint(right(), baseline), where,
             TextAlign::Right);
        rule(baseline + m_look.kicker.height / 2, 15, left(), right());
        baseline += m_look.kicker.height / 2 + m_look.paragraphGap * 2 +
                    qRound(pagefonts::ascent(m_look.heading));
        text(m_look.heading, m_look.headingColour, QPoint(left(), baseline), headingText());
        return baseline + m_look.heading.height / 3 + m_look.paragraphGap * 2;
    }

    bool layOutScreen(int bodyTop)
    {
        int textRight = right();
        const QPoint clear = m_page.keepClear;
        if (!m_pictures.empty()) {
            const int sideLeft = right() - m_page.sideWidth;
            textRight = sideLeft - m_look.gutter;
            // Where the viewer lays its own pictures over the page, the column stops short.
            const int bottom = clear.x() >= 0 && clear.x() < right() ? clear.y() - m_look.pictureGap
                                                                     : m_look.bottom;
            if (!layOutSideColumn(QRect(sideLeft, bodyTop, m_page.sideWidth, bottom - bodyTop)))
                return false;
        } else if (clear.x() >= 0) {
            textRight = qMin(textRight, clear.x() - m_look.gutter);
        }
        int y = bodyTop;
        const PageBlock *previous = nullptr;
        for (const PageBlock &block : m_page.blocks) {
            if (block.kind == PageBlock::Kind::Heading || block.kind == PageBlock::Kind::Picture)
                continue;
            y = flowText(block, previous, y, textRight);
            previous = &block;
        }
        return fitsAbove(y, QStringLiteral("the text"));
    }

    bool layOutPaper(int bodyTop)
    {
        int y = bodyTop;
        const PageBlock *previous = nullptr;
        size_t nextPicture = 0;
        for (int i = 0; i < m_page.blocks.size(); ++i) {
            const PageBlock &block = m_page.blocks.at(i);
            if (block.kind == PageBlock::Kind::Heading)
                continue;
            if (block.kind != PageBlock::Kind::Picture) {
                y = flowText(block, previous, y, right());
                previous = &block;
                continue;
            }
            // Pictures written one after another share a row.
            size_t count = 1;
            while (i + 1 < m_page.blocks.size() &&
                   m_page.blocks.at(i + 1).kind == PageBlock::Kind::Picture) {
                ++i;
                ++count;
            }
            y = pictureRow(nextPicture, count, y + m_look.paragraphGap);
            nextPicture += count;
            previous = nullptr;
        }
        return fitsAbove(y, QStringLiteral("the page"));
    }

    bool fitsAbove(int y, const QString &what)
    {
        if (y <= m_look.bottom)
            return true;
        *m_error =
            QStringLiteral("%1 runs %2 twips past the bottom").arg(what).arg(y - m_look.bottom);
        return false;
    }

    int cardPad() const { return m_look.pictures.label.height; }

    QStringList captionLines(const Picture &picture, int width) const
    {
        return pagefonts::wrapWords(picture.block->caption, m_look.pictures.caption, width);
    }

    int cardHeight(const Picture &picture, int width) const
    {
        const int captionHeight =
            captionLines(picture, width).size() * qRound(m_look.pictures.caption.height * 1.25);
        return picture.drawing->height(width, m_look.pictures) + 2 * cardPad() +
               (captionHeight ? captionHeight + cardPad() / 2 : 0);
    }

    // Draws a picture on its card with the caption under it; inner is the picture's width.
    void paintCard(const Picture &picture, QRect card)
    {
        const PictureLook &p = m_look.pictures;
        if (p.cardEdge.alpha() == 0)
            m_canvas.setNoPen();
        else
            m_canvas.setPen(p.cardEdge, p.outline);
        m_canvas.setBrush(p.card);
        m_canvas.drawRoundRect(card, cardPad() * 2, cardPad() * 2);
        m_placed.append(card);
        // In a row of cards of one height, each picture stands in the middle of its card.
        const int spare = card.height() - cardHeight(picture, card.width() - 2 * cardPad());
        const QRect inner = card.adjusted(cardPad(), cardPad() + spare / 2, -cardPad(), -cardPad());
        const int height = picture.drawing->height(inner.width(), p);
        picture.drawing->paint(m_canvas, QRect(inner.topLeft(), QSize(inner.width(), height)), p);
        int baseline = inner.top() + height + cardPad() / 2 + qRound(pagefonts::ascent(p.caption));
        for (const QString &line : captionLines(picture, inner.width())) {
            text(p.caption, p.text, QPoint(inner.center().x(), baseline), line, TextAlign::Centre);
            baseline += qRound(p.caption.height * 1.25);
        }
    }

    // On screen the pictures stand one above another, the stack centred in its column.
    bool layOutSideColumn(const QRect &column)
    {
        const int inner = column.width() - 2 * cardPad();
        int total = 0;
        for (const Picture &picture : m_pictures)
            total += cardHeight(picture, inner) + m_look.pictureGap;
        total -= m_look.pictureGap;
        if (total > column.height()) {
            *m_error = QStringLiteral("the pictures need %1 twips more than their column has")
                           .arg(total - column.height());
            return false;
        }
        int y = column.top() + (column.height() - total) / 2;
        for (const Picture &picture : m_pictures) {
            const int height = cardHeight(picture, inner);
            paintCard(picture, QRect(column.left(), y, column.width(), height));
            y += height + m_look.pictureGap;
        }
        return true;
    }

    int pictureRow(size_t first, size_t count, int top)
    {
        const int gap = m_look.pictureGap;
        const int room = (right() - left() - gap * int(count - 1)) / int(count);
        const int cardWidth = qMin(room, m_look.pictures.naturalWidth + 2 * cardPad());
        int height = 0;
        for (size_t i = first; i < first + count; ++i)
            height = qMax(height, cardHeight(m_pictures[i], cardWidth - 2 * cardPad()));
        const int rowWidth = cardWidth * int(count) + gap * int(count - 1);
        int x = (left() + right() - rowWidth) / 2;
        for (size_t i = first; i < first + count; ++i) {
            paintCard(m_pictures[i], QRect(x, top, cardWidth, height));
            x += cardWidth + gap;
        }
        return top + height + m_look.paragraphGap;
    }

    const PageFont &fontFor(const PageBlock &block, bool strong) const
    {
        if (block.kind == PageBlock::Kind::Subheading)
            return m_look.subheading;
        return strong ? m_look.bodyStrong : m_look.body;
    }

    QList<Word> words(const PageBlock &block) const
    {
        QList<Word> out;
        bool wordOpen = false;
        for (const TextRun &run : block.runs) {
            for (QChar c : run.text) {
                if (c == QLatin1Char(' ')) {
                    wordOpen = false;
                    continue;
                }
                if (!wordOpen) {
                    out.append(Word());
                    wordOpen = true;
                }
                QList<Piece> &pieces = out.last().pieces;
                if (pieces.isEmpty() || pieces.last().strong != run.strong)
                    pieces.append(Piece{QString(), run.strong, 0});
                pieces.last().text += c == QLatin1Char('~') ? QLatin1Char(' ') : c;
            }
        }
        for (Word &word : out) {
            word.width = 0;
            for (Piece &piece : word.pieces) {
                piece.width = pagefonts::advance(fontFor(block, piece.strong), piece.text);
                word.width += piece.width;
            }
        }
        return out;
    }

    QList<Line> wrap(const QList<Word> &all, qreal width, qreal space) const
    {
        QList<Line> lines;
        qreal used = 0;
        for (const Word &word : all) {
            if (!lines.isEmpty() && used + space + word.width <= width) {
                lines.last().append(word);
                used += space + word.width;
            } else {
                lines.append(Line{word});
                used = word.width;
            }
        }
        return lines;
    }

    // A line in one style goes out as one string; a line that mixes styles places each
    // piece itself, so a player's slightly different widths cannot push one into the next.
    void paintLine(const PageBlock &block, const Line &line, QPoint at, qreal space)
    {
        const bool strong = line.first().pieces.first().strong;
        bool mixed = false;
        QStringList plain;
        for (const Word &word : line) {
            QString joined;
            for (const Piece &piece : word.pieces) {
                mixed = mixed || piece.strong != strong;
                joined += piece.text;
            }
            plain.append(joined);
        }
        if (!mixed) {
            text(fontFor(block, strong), colourFor(block, strong), at,
                 plain.join(QLatin1Char(' ')));
            return;
        }
        qreal x = at.x();
        for (const Word &word : line) {
            for (const Piece &piece : word.pieces) {
                text(fontFor(block, piece.strong), colourFor(block, piece.strong),
                     QPoint(qRound(x), at.y()), piece.text);
                x += piece.width;
            }
            x += space;
        }
    }

    QColor colourFor(const PageBlock &block, bool strong) const
    {
        if (block.kind == PageBlock::Kind::Subheading)
            return m_look.subheadingColour;
        return strong ? m_look.strongColour : m_look.textColour;
    }

    int gapBefore(const PageBlock &block, const PageBlock *previous) const
    {
        if (!previous)
            return 0;
        if (block.kind == PageBlock::Kind::Subheading)
            return m_look.paragraphGap * 2;
        if (block.kind == PageBlock::Kind::Bullet && previous->kind != PageBlock::Kind::Paragraph)
            return m_look.paragraphGap / 2;
        return m_look.paragraphGap;
    }

    // Sets a heading, paragraph or list item from y down; returns the y under it.
    int flowText(const PageBlock &block, const PageBlock *previous, int y, int textRight)
    {
        y += gapBefore(block, previous);
        const bool bullet = block.kind == PageBlock::Kind::Bullet;
        const int x = left() + (bullet ? m_look.bulletIndent : 0);
        const PageFont &font = fontFor(block, false);
        const qreal space = pagefonts::advance(font, QStringLiteral(" "));
        // A little room to spare, for a player or printer whose hinting widens the text.
        const QList<Line> lines = wrap(words(block), (textRight - x) * 0.98, space);
        const int step = lineHeight(font);
        int baseline = y + qRound(pagefonts::ascent(font));
        if (bullet) {
            const int size = qRound(font.height * 0.3);
            m_canvas.setNoPen();
            m_canvas.setBrush(m_look.strongColour);
            m_canvas.drawEllipse(QRect(left() + m_look.bulletIndent / 3,
                                       baseline - qRound(font.height * 0.34), size, size));
        }
        for (const Line &line : lines) {
            paintLine(block, line, QPoint(x, baseline), space);
            baseline += step;
        }
        return y + int(lines.size()) * step;
    }

    bool keptClear()
    {
        if (!m_look.screen || m_page.keepClear.x() < 0)
            return true;
        const QRect clear(m_page.keepClear, QPoint(m_look.size.width(), m_look.size.height()));
        for (const QRect &placed : m_placed) {
            if (placed.intersects(clear)) {
                *m_error = QStringLiteral("something is drawn in the area kept clear");
                return false;
            }
        }
        return true;
    }

    PageCanvas &m_canvas;
    const PageSource &m_page;
    const PageInfo &m_info;
    const PageLook &m_look;
    QString *m_error;
    std::vector<Picture> m_pictures;
    QList<QRect> m_placed;
};

} // namespace

bool drawPage(PageCanvas &canvas, const PageSource &page, const PageInfo &info,
              const PageLook &look, QString *error)
{
    return Layout(canvas, page, info, look, error).run();
}

#include "printing/paintedpages.h"

#include "pictures/picture.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPen>

namespace {
constexpr double twipsPerInch = 1440;
} // namespace

void PaintedPages::startPages()
{
    m_pages.assign(1, {});
}

QSizeF PaintedPages::pageSize() const
{
    const QRectF points = paintDevice().pageLayout().paintRect(QPageLayout::Point);
    return points.size() * (twipsPerInch / 72);
}

double PaintedPages::toDevice(double twips) const
{
    return twips * resolution() / twipsPerInch;
}

QPointF PaintedPages::toDevice(QPointF twips) const
{
    return {toDevice(twips.x()), toDevice(twips.y())};
}

QFont PaintedPages::printerFont(const TextStyle &style) const
{
    QFont font(style.family);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    return font;
}

std::optional<QSizeF> PaintedPages::measure(const TextStyle &style, const QString &text)
{
    const QFontMetricsF metrics(printerFont(style), &paintDevice());
    const double toTwips = twipsPerInch / resolution();
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) * toTwips;
}

bool PaintedPages::record(Step step)
{
    m_pages.back().push_back(std::move(step));
    return true;
}

bool PaintedPages::drawText(QPointF topLeft, const TextStyle &style, const QString &text)
{
    const QFont font = printerFont(style);
    const QPointF baseline =
        toDevice(topLeft) + QPointF(0, QFontMetricsF(font, &paintDevice()).ascent());
    return record([font, baseline, colour = style.colour, text](QPainter &painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(baseline, text);
    });
}

bool PaintedPages::drawLine(QPointF from, QPointF to)
{
    const QPen pen(Qt::black, toDevice(lineWidthTwips), Qt::SolidLine, Qt::SquareCap);
    return record([pen, from = toDevice(from), to = toDevice(to)](QPainter &painter) {
        painter.setPen(pen);
        painter.drawLine(from, to);
    });
}

bool PaintedPages::drawPicture(QPointF topLeft, const Picture &picture)
{
    const QSizeF size = picture.sizeTwips();
    const QRectF target(toDevice(topLeft), QSizeF(toDevice(size.width()), toDevice(size.height())));
    return record([picture, target](QPainter &painter) {
        painter.save();
        picture.paint(painter, target);
        painter.restore();
    });
}

bool PaintedPages::newPage()
{
    m_pages.emplace_back();
    return true;
}

void PaintedPages::setDocumentName(const QString &name)
{
    m_documentName = name;
}

bool PaintedPages::finish()
{
    std::vector<size_t> wanted;
    for (size_t page = 0; page < m_pages.size(); ++page)
        if (isPrinted(int(page) + 1))
            wanted.push_back(page);
    // Pages asked for that the document does not have print nothing, not a blank sheet.
    if (wanted.empty())
        return false;
    nameDocument(m_documentName);
    QPagedPaintDevice &device = paintDevice();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (const size_t page : wanted) {
        if (page != wanted.front() && !device.newPage()) {
            abortPainting();
            painter.end();
            return false;
        }
        for (const Step &step : m_pages[page])
            step(painter);
    }
    m_pages.clear();
    return complete(painter.end());
}

void PaintedPages::abandon()
{
    m_pages.clear();
    discard();
}

#include "pictures/picturetext.h"

#include "pictures/picture.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A piece of text as the picture draws it, in the device's pixels.
struct DrawnText
{
    QString text;
    QPointF baseline;
    double width = 0;
    double height = 0;
};

// Keeps the text a picture draws and draws nothing, so reading a page costs no pixels.
class TextOnlyEngine : public QPaintEngine
{
public:
    TextOnlyEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<DrawnText> drawn;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawLines(const QLineF *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawPoints(const QPointF *, int) override {}

    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        const QTransform transform = painter()->combinedTransform();
        const double scale = std::sqrt(std::abs(transform.determinant()));
        drawn.push_back({item.text(), transform.map(at), item.width() * scale,
                         (item.ascent() + item.descent()) * scale});
    }
};

class TextOnlyDevice : public QPaintDevice
{
public:
    explicit TextOnlyDevice(QSize size) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    std::vector<DrawnText> &drawn() { return m_engine.drawn; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    mutable TextOnlyEngine m_engine;
};

struct Line
{
    QString text;
    double height = 0;
    double left = 0;
};

// Pieces drawn one after another on one baseline make a line; a gap wider than a thin
// space between two pieces is a blank between words.
std::vector<Line> linesOf(const std::vector<DrawnText> &drawn)
{
    std::vector<Line> lines;
    const DrawnText *previous = nullptr;
    for (const DrawnText &piece : drawn) {
        const QString words = piece.text.simplified();
        if (words.isEmpty())
            continue;
        const double tolerance = std::max(piece.height, previous ? previous->height : 0) / 2;
        const bool sameLine = previous &&
                              std::abs(piece.baseline.y() - previous->baseline.y()) < tolerance &&
                              piece.baseline.x() >= previous->baseline.x();
        if (!sameLine) {
            lines.push_back({words, piece.height, piece.baseline.x()});
        } else {
            Line &line = lines.back();
            const double gap = piece.baseline.x() - (previous->baseline.x() + previous->width);
            const bool spaced = piece.text.front().isSpace() || previous->text.back().isSpace();
            if (spaced || gap > piece.height / 8)
                line.text += u' ';
            line.text += words;
            line.height = std::max(line.height, piece.height);
        }
        previous = &piece;
    }
    return lines;
}

} // namespace

PictureText PictureText::of(const Picture &picture)
{
    if (!picture.isMetafile() || picture.isNull())
        return {};
    // Drawn as a display of 15 twips to the pixel would show it, so that type sizes compare
    // as they look.
    const QSize size = QSizeF(picture.sizeTwips() / 15.0).toSize().expandedTo({1, 1});
    TextOnlyDevice device(size);
    {
        QPainter painter(&device);
        picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // A column of pictures beside the text is read after the text, as the eye reads a page.
    std::vector<Line> lines = linesOf(device.drawn());
    std::stable_partition(
        lines.begin(), lines.end(),
        [half = size.width() / 2.0](const Line &line) { return line.left < half; });
    PictureText page;
    double titleHeight = 0;
    QStringList texts;
    for (const Line &line : lines) {
        texts << line.text;
        if (line.height > titleHeight + 0.5) {
            titleHeight = line.height;
            page.title = line.text;
        }
    }
    page.text = texts.join(u'\n');
    return page;
}

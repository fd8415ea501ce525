#include "pictures/wmf/metafileplayer.h"

#include "files/textfile.h"
#include "pictures/wmf/bytereader.h"
#include "pictures/wmf/devicecontext.h"
#include "pictures/wmf/dib.h"
#include "pictures/wmf/metafile.h"
#include "pictures/wmf/records.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

using namespace wmf;

// Ceilings that keep a hostile file from costing unbounded memory.
constexpr int maxObjects = 65535;
constexpr int initialObjects = 1024;
constexpr int maxSavedContexts = 1024;
constexpr double maxFontPixels = 20000;
// Letters drawn over one another cost time and show nothing new: 60 KB of page-sized letters
// in one place took half a minute to draw. Text beyond this many times the target's area,
// each letter counted as a square of its height, is not drawn.
constexpr double maxTextCover = 32;

enum RasterOp : quint32 {
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

enum TextOption { OpaqueRect = 0x0002, ClippedRect = 0x0004 };

// A known record whose count claims more than it holds: it is played as far as the damage.
bool damagedRecord(ByteReader &in)
{
    in.fail();
    return true;
}

QColor colourRef(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

class Playback
{
public:
    Playback(const Metafile &file, QPainter &painter, const QRectF &target)
        : m_file(file), m_painter(painter), m_target(target),
          m_objects(std::min(std::max(file.objectCount(), 1), initialObjects))
    {}

    MetafilePlayer::Result run();

private:
    // A record whose parameters run short leaves `in` overrun: the drawing stops there.
    void playRecord(const MetafileRecord &record, ByteReader &in);
    bool playState(quint16 function, ByteReader &in);
    bool playObject(quint16 function, ByteReader &in);
    bool playShape(quint16 function, ByteReader &in);
    bool playText(quint16 function, ByteReader &in);
    bool playBitmap(quint16 function, ByteReader &in, qsizetype recordWords);

    // Coordinates.
    QPointF scale() const;
    QPointF toDevice(double x, double y) const;
    QRectF toDevice(int left, int top, int right, int bottom) const;
    double lengthX(double logical) const { return std::abs(logical * scale().x()); }
    double lengthY(double logical) const { return std::abs(logical * scale().y()); }

    // Objects and the context.
    void create(const GdiObject &object);
    GdiObject *object(int index);
    void restore(int which);
    void applyClip();

    // Drawing.
    QPen pen() const;
    QBrush brush() const;
    void prepare();
    void fillBackgroundForHatch(const QPainterPath &path);
    void drawPath(const QPainterPath &path, bool filled);
    void drawArcLike(quint16 function, ByteReader &in);
    void drawText(QPointF reference, const QString &text, const std::vector<int> &advances,
                  int options, const std::optional<QRectF> &box);
    QFont font() const;
    bool readPoints(ByteReader &in, int count, QPolygonF &points);
    void fillRect(const QRectF &rect, quint32 rop);

    const Metafile &m_file;
    QPainter &m_painter;
    QRectF m_target;
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    std::vector<GdiObject> m_objects;
    double m_textCover = 0; // square pixels
    MetafilePlayer::Result m_result;
};

MetafilePlayer::Result Playback::run()
{
    m_painter.save();
    m_painter.setClipRect(m_target, Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Saved again so that applyClip() can go back to the caller's clip within the target.
    m_painter.save();
    const QByteArray &bytes = m_file.bytes();
    for (const MetafileRecord &record : m_file.records()) {
        ByteReader in(bytes.constData() + record.offset, record.size);
        playRecord(record, in);
        if (in.overrun()) {
            m_result.damaged = true;
            break;
        }
    }
    m_painter.restore();
    m_painter.restore();
    return m_result;
}

void Playback::playRecord(const MetafileRecord &record, ByteReader &in)
{
    const quint16 f = record.function;
    const bool drawn = playState(f, in) || playObject(f, in) || playShape(f, in) ||
                       playText(f, in) || playBitmap(f, in, (record.size + 6) / 2);
    ++(drawn ? m_result.played : m_result.skipped);
}

bool Playback::playState(quint16 function, ByteReader &in)
{
    switch (function) {
    case SaveDC:
        if (m_saved.size() < maxSavedContexts)
            m_saved.push_back(m_dc);
        return true;
    case RestoreDC:
        restore(in.i16());
        return true;
    case SetMapMode:
        m_dc.mapMode = in.u16();
        return true;
    case SetWindowOrg: {
        const int y = in.i16();
        m_dc.windowOrigin = QPoint(in.i16(), y);
        m_dc.originSet = true;
        return true;
    }
    case OffsetWindowOrg: {
        const int y = in.i16();
        m_dc.windowOrigin += QPoint(in.i16(), y);
        m_dc.originSet = true;
        return true;
    }
    case SetWindowExt: {
        const int y = in.i16();
        const int x = in.i16();
        if (x != 0 && y != 0)
            m_dc.windowExtent = QSize(x, y);
        return true;
    }
    case SetTextColor:
        m_dc.textColour = colourRef(in.u32());
        return true;
    case SetBkColor:
        m_dc.backColour = colourRef(in.u32());
        return true;
    case SetBkMode:
        m_dc.opaqueBackground = in.u16() == 2;
        return true;
    case SetTextAlign:
        m_dc.textAlign = in.u16();
        return true;
    case SetPolyFillMode:
        m_dc.windingFill = in.u16() == 2;
        return true;
    case IntersectClipRect:
    case ExcludeClipRect: {
        const int bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
        const QRegion rect(toDevice(left, top, right, bottom).toAlignedRect());
        const QRegion current = m_dc.clip.value_or(QRegion(m_target.toAlignedRect()));
        m_dc.clip =
            function == IntersectClipRect ? current.intersected(rect) : current.subtracted(rect);
        applyClip();
        return true;
    }
    case MoveTo: {
        const int y = in.i16();
        m_dc.position = QPointF(in.i16(), y);
        return true;
    }
    default:
        return false;
    }
}

bool Playback::playObject(quint16 function, ByteReader &in)
{
    GdiObject made;
    switch (function) {
    case CreatePenIndirect:
        made.kind = GdiObject::PenObject;
        made.pen.style = in.u16();
        made.pen.width = in.i16();
        in.i16(); // the height of the width point is unused
        made.pen.colour = colourRef(in.u32());
        break;
    case CreateBrushIndirect:
        made.kind = GdiObject::BrushObject;
        made.brush.style = in.u16();
        made.brush.colour = colourRef(in.u32());
        made.brush.hatch = in.u16();
        break;
    case DibCreatePatternBrush:
        made.kind = GdiObject::BrushObject;
        in.u16(); // style
        in.u16(); // colour usage
        made.brush.style = Brush::DibPattern;
        made.brush.pattern = decodeDib(in.here(), in.remaining()).image;
        made.brush.colour = Qt::gray; // if the pattern cannot be read
        in.skip(in.remaining());
        break;
    case CreateFontIndirect: {
        made.kind = GdiObject::FontObject;
        Font &font = made.font;
        font.height = in.i16();
        font.width = in.i16();
        font.escapement = in.i16();
        in.i16(); // orientation
        font.weight = in.i16();
        font.italic = in.u8();
        font.underline = in.u8();
        font.strikeOut = in.u8();
        in.skip(5); // charset, precisions, quality, pitch
        if (in.overrun())
            return true;
        const qsizetype length = std::min<qsizetype>(in.remaining(), 32);
        const QByteArray face(in.here(), length);
        font.face =
            windows1252::decode(face.left(face.indexOf('\0') < 0 ? length : face.indexOf('\0')));
        in.skip(in.remaining());
        break;
    }
    case CreatePalette:
    case CreateRegion:
    case CreatePatternBrush:
        made.kind = GdiObject::Placeholder;
        in.skip(in.remaining());
        break;
    case SelectObject:
    case SelectPalette: {
        if (GdiObject *selected = object(in.u16())) {
            if (selected->kind == GdiObject::PenObject)
                m_dc.pen = selected->pen;
            else if (selected->kind == GdiObject::BrushObject)
                m_dc.brush = selected->brush;
            else if (selected->kind == GdiObject::FontObject)
                m_dc.font = selected->font;
        }
        return true;
    }
    case DeleteObject:
        // The context keeps its own copy of what it has selected.
        if (GdiObject *deleted = object(in.u16()))
            *deleted = GdiObject();
        return true;
    default:
        return false;
    }
    if (!in.overrun())
        create(made);
    return true;
}

void Playback::create(const GdiObject &made)
{
    // The lowest free slot, as the table has always been filled.
    for (GdiObject &slot : m_objects) {
        if (slot.kind == GdiObject::Empty) {
            slot = made;
            return;
        }
    }
    if (int(m_objects.size()) < maxObjects)
        m_objects.push_back(made);
}

GdiObject *Playback::object(int index)
{
    if (index < 0 || index >= int(m_objects.size()))
        return nullptr;
    GdiObject &slot = m_objects[size_t(index)];
    return slot.kind == GdiObject::Empty ? nullptr : &slot;
}

void Playback::restore(int which)
{
    // Negative counts back from the latest saved context; positive is an absolute level.
    const int levels = int(m_saved.size());
    const int keep = which < 0 ? levels + which : which - 1;
    if (which == 0 || keep < 0 || keep >= levels)
        return;
    m_dc = m_saved[size_t(keep)];
    m_saved.resize(size_t(keep));
    applyClip();
}

void Playback::applyClip()
{
    // Replacing the clip would drop the caller's; every drawing call sets its own pen and brush.
    m_painter.restore();
    m_painter.save();
    if (m_dc.clip)
        m_painter.setClipRegion(*m_dc.clip, Qt::IntersectClip);
}

QPointF Playback::scale() const
{
    const QRect frame = m_file.bounds();
    QSizeF extent = frame.size();
    if (m_dc.windowExtent)
        extent = *m_dc.windowExtent;
    double sx = m_target.width() / extent.width();
    double sy = m_target.height() / extent.height();
    if (m_dc.mapMode == MapIsotropic) {
        const double s = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
    }
    return QPointF(sx, sy);
}

QPointF Playback::toDevice(double x, double y) const
{
    const QPointF origin =
        m_dc.originSet ? QPointF(m_dc.windowOrigin) : QPointF(m_file.bounds().topLeft());
    const QPointF s = scale();
    return m_target.topLeft() + QPointF((x - origin.x()) * s.x(), (y - origin.y()) * s.y());
}

QRectF Playback::toDevice(int left, int top, int right, int bottom) const
{
    return QRectF(toDevice(left, top), toDevice(right, bottom)).normalized();
}

QPen Playback::pen() const
{
    const Pen &p = m_dc.pen;
    const int line = p.style & 0x0F;
    if (line == Pen::Null)
        return Qt::NoPen;
    QPen qpen(p.colour);
    const double width = lengthX(p.width);
    qpen.setWidthF(width < 1 ? 0 : width);
    static const Qt::PenStyle lines[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                         Qt::DashDotDotLine};
    qpen.setStyle(line < 5 ? lines[line] : Qt::SolidLine);
    const int cap = p.style & 0x0F00;
    qpen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    const int join = p.style & 0xF000;
    qpen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                      : join == 0x2000 ? Qt::MiterJoin
                                       : Qt::RoundJoin);
    return qpen;
}

QBrush Playback::brush() const
{
    const Brush &b = m_dc.brush;
    switch (b.style) {
    case Brush::Null:
        return Qt::NoBrush;
    case Brush::Hatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(b.colour, b.hatch >= 0 && b.hatch < 6 ? hatches[b.hatch] : Qt::SolidPattern);
    }
    case Brush::DibPattern:
        if (!b.pattern.isNull())
            return QBrush(b.pattern);
        return QBrush(b.colour);
    default:
        return QBrush(b.colour);
    }
}

void Playback::prepare()
{
    m_painter.setPen(pen());
    m_painter.setBrush(brush());
}

void Playback::fillBackgroundForHatch(const QPainterPath &path)
{
    if (m_dc.brush.style == Brush::Hatched && m_dc.opaqueBackground)
        m_painter.fillPath(path, m_dc.backColour);
}

void Playback::drawPath(const QPainterPath &path, bool filled)
{
    prepare();
    if (filled) {
        fillBackgroundForHatch(path);
    } else {
        m_painter.setBrush(Qt::NoBrush);
    }
    m_painter.drawPath(path);
}

bool Playback::readPoints(ByteReader &in, int count, QPolygonF &points)
{
    if (count < 0 || qsizetype(count) * 4 > in.remaining())
        return false;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int x = in.i16();
        points << toDevice(x, in.i16());
    }
    return true;
}

bool Playback::playShape(quint16 function, ByteReader &in)
{
    switch (function) {
    case LineTo: {
        const int y = in.i16();
        const QPointF to(in.i16(), y);
        QPainterPath path(toDevice(m_dc.position.x(), m_dc.position.y()));
        path.lineTo(toDevice(to.x(), to.y()));
        drawPath(path, false);
        m_dc.position = to;
        return true;
    }
    case Polyline:
    case Polygon: {
        QPolygonF points;
        if (!readPoints(in, in.i16(), points))
            return damagedRecord(in);
        QPainterPath path;
        path.setFillRule(m_dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
        path.addPolygon(points);
        if (function == Polygon)
            path.closeSubpath();
        drawPath(path, function == Polygon);
        return true;
    }
    case PolyPolygon: {
        const int polygons = in.u16();
        if (qsizetype(polygons) * 2 > in.remaining())
            return damagedRecord(in);
        std::vector<int> counts(static_cast<size_t>(polygons), 0);
        for (int &count : counts)
            count = in.u16();
        QPainterPath path;
        path.setFillRule(m_dc.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
        for (int count : counts) {
            QPolygonF points;
            if (!readPoints(in, count, points))
                return damagedRecord(in);
            path.addPolygon(points);
            path.closeSubpath();
        }
        drawPath(path, true);
        return true;
    }
    case Rectangle:
    case Ellipse:
    case RoundRect: {
        int cornerHeight = 0, cornerWidth = 0;
        if (function == RoundRect) {
            cornerHeight = in.i16();
            cornerWidth = in.i16();
        }
        const int bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
        const QRectF rect = toDevice(left, top, right, bottom);
        QPainterPath path;
        if (function == Rectangle)
            path.addRect(rect);
        else if (function == Ellipse)
            path.addEllipse(rect);
        else
            path.addRoundedRect(rect, lengthX(cornerWidth) / 2, lengthY(cornerHeight) / 2);
        drawPath(path, true);
        return true;
    }
    case Arc:
    case Pie:
    case Chord:
        drawArcLike(function, in);
        return true;
    case PatBlt: {
        const quint32 rop = in.u32();
        const int height = in.i16(), width = in.i16(), y = in.i16(), x = in.i16();
        fillRect(toDevice(x, y, x + width, y + height), rop);
        return true;
    }
    default:
        return false;
    }
}

void Playback::drawArcLike(quint16 function, ByteReader &in)
{
    const int yEnd = in.i16(), xEnd = in.i16(), yStart = in.i16(), xStart = in.i16();
    const int bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
    const QRectF rect = toDevice(left, top, right, bottom);
    if (in.overrun() || rect.isEmpty())
        return;
    // Angles as seen on the device, so a flipped mapping still runs anticlockwise there.
    const QPointF centre = rect.center();
    auto angleOf = [&](int x, int y) {
        const QPointF p = toDevice(x, y) - centre;
        return qRadiansToDegrees(std::atan2(-p.y() * rect.width(), p.x() * rect.height()));
    };
    const double start = angleOf(xStart, yStart);
    double span = angleOf(xEnd, yEnd) - start;
    while (span <= 0)
        span += 360;
    QPainterPath path;
    if (function == Pie) {
        path.moveTo(centre);
        path.arcTo(rect, start, span);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, span);
        if (function == Chord)
            path.closeSubpath();
    }
    drawPath(path, function != Arc);
}

void Playback::fillRect(const QRectF &rect, quint32 rop)
{
    if (rop == Blackness)
        m_painter.fillRect(rect, Qt::black);
    else if (rop == Whiteness)
        m_painter.fillRect(rect, Qt::white);
    else if (m_dc.brush.style != Brush::Null)
        m_painter.fillRect(rect, brush());
}

bool Playback::playBitmap(quint16 function, ByteReader &in, qsizetype recordWords)
{
    if (function != DibBitBlt && function != DibStretchBlt && function != StretchDib)
        return false;
    // The blits come in a short form without a bitmap, which only fills.
    const bool withBitmap = function == StretchDib || recordWords != (function >> 8) + 3;
    const quint32 rop = in.u32();
    if (function == StretchDib)
        in.u16(); // colour usage
    int srcHeight = 0, srcWidth = 0;
    if (function != DibBitBlt) {
        srcHeight = in.i16();
        srcWidth = in.i16();
    }
    const int ySrc = in.i16(), xSrc = in.i16();
    if (!withBitmap)
        in.i16(); // reserved
    const int destHeight = in.i16(), destWidth = in.i16(), yDest = in.i16(), xDest = in.i16();
    if (function == DibBitBlt) {
        srcHeight = destHeight;
        srcWidth = destWidth;
    }
    if (in.overrun())
        return true;
    const QRectF dest = toDevice(xDest, yDest, xDest + destWidth, yDest + destHeight);
    if (!withBitmap) {
        fillRect(dest, rop);
        return true;
    }
    const Dib dib = decodeDib(in.here(), in.remaining());
    in.skip(in.remaining());
    if (dib.image.isNull())
        return true;
    const int top = dib.bottomUp ? dib.image.height() - ySrc - srcHeight : ySrc;
    const QRectF source(xSrc, top, srcWidth, srcHeight);
    m_painter.drawImage(dest, dib.image, source);
    return true;
}

bool Playback::playText(quint16 function, ByteReader &in)
{
    if (function == TextOut) {
        const int length = in.i16();
        if (length < 0 || length > in.remaining())
            return damagedRecord(in);
        const QByteArray bytes(in.here(), length);
        in.skip(length + (length & 1));
        const int y = in.i16();
        const int x = in.i16();
        drawText(QPointF(x, y), windows1252::decode(bytes), {}, 0, std::nullopt);
        return true;
    }
    if (function != ExtTextOut)
        return false;
    const int y = in.i16();
    const int x = in.i16();
    const int length = in.i16();
    const int options = in.u16();
    std::optional<QRectF> box;
    if (options & (OpaqueRect | ClippedRect)) {
        const int left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
        box = toDevice(left, top, right, bottom);
    }
    if (length < 0 || length > in.remaining())
        return damagedRecord(in);
    const QByteArray bytes(in.here(), length);
    in.skip(length + (length & 1));
    std::vector<int> advances;
    if (in.remaining() >= qsizetype(length) * 2) {
        advances.resize(size_t(length));
        for (int &advance : advances)
            advance = in.i16();
    }
    in.skip(in.remaining());
    drawText(QPointF(x, y), windows1252::decode(bytes), advances, options, box);
    return true;
}

QFont Playback::font() const
{
    const Font &f = m_dc.font;
    QFont font(f.face.isEmpty() ? QStringLiteral("Arial") : f.face);
    double pixels = 0;
    if (f.height < 0) {
        pixels = lengthY(-f.height);
    } else if (f.height > 0) {
        // A cell height includes the leading above the characters.
        QFont probe(font);
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        pixels = lengthY(f.height) * 100 / std::max(1.0, metrics.ascent() + metrics.descent());
    } else {
        pixels = 16.0 * m_painter.device()->logicalDpiY() / 96;
    }
    pixels = std::clamp(pixels, 1.0, maxFontPixels);
    font.setPointSizeF(pixels * 72 / std::max(1, m_painter.device()->logicalDpiY()));
    if (f.weight > 0)
        font.setWeight(QFont::Weight(std::clamp(f.weight, 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void Playback::drawText(QPointF reference, const QString &raw, const std::vector<int> &advances,
                        int options, const std::optional<QRectF> &box)
{
    QString text = raw;
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    const QFont qfont = font();
    const QFontMetricsF metrics(qfont, m_painter.device());
    double width = 0;
    std::vector<double> offsets;
    if (!advances.empty()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            offsets.push_back(width);
            width += advances[size_t(i)] * std::abs(scale().x());
        }
    } else {
        width = metrics.horizontalAdvance(text);
    }
    const int align = m_dc.textAlign;
    const bool updateCp = align & UpdateCurrentPosition;
    if (updateCp)
        reference = m_dc.position;
    const QPointF anchor = toDevice(reference.x(), reference.y());
    double x = 0;
    if ((align & AlignCenter) == AlignCenter)
        x = -width / 2;
    else if (align & AlignRight)
        x = -width;
    double baseline = metrics.ascent();
    if ((align & AlignBaseline) == AlignBaseline)
        baseline = 0;
    else if (align & AlignBottom)
        baseline = -metrics.descent();
    if (updateCp) {
        const double logicalWidth = width / std::max(1e-9, std::abs(scale().x()));
        if ((align & AlignCenter) != AlignCenter)
            m_dc.position.rx() += (align & AlignRight) ? -logicalWidth : logicalWidth;
    }

    const double area = m_target.width() * m_target.height();
    m_textCover += text.size() * std::min(metrics.height() * metrics.height(), area);
    if (m_textCover > maxTextCover * area)
        return;

    m_painter.save();
    if (box && (options & OpaqueRect))
        m_painter.fillRect(*box, m_dc.backColour);
    if (box && (options & ClippedRect))
        m_painter.setClipRect(*box, Qt::IntersectClip);
    m_painter.translate(anchor);
    m_painter.rotate(-m_dc.font.escapement / 10.0);
    if (m_dc.opaqueBackground && !(options & OpaqueRect))
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                           m_dc.backColour);
    m_painter.setFont(qfont);
    m_painter.setPen(m_dc.textColour);
    if (offsets.empty()) {
        m_painter.drawText(QPointF(x, baseline), text);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            m_painter.drawText(QPointF(x + offsets[size_t(i)], baseline), QString(text.at(i)));
    }
    m_painter.restore();
}

} // namespace

MetafilePlayer::Result MetafilePlayer::play(const Metafile &metafile, QPainter &painter,
                                            const QRectF &target)
{
    if (metafile.isNull() || target.isEmpty())
        return {};
    return Playback(metafile, painter, target).run();
}

#include "metafilecanvas.h"

#include <QFile>
#include <QTemporaryDir>

#include <uwmf.h>

namespace {

constexpr unsigned twipsPerInch = 1440;
constexpr int placeableSize = 22;
constexpr int headerSize = 18;

// libUEMF counts the placeable header into the metafile's length; the format counts only
// the metafile that follows it, in 16-bit words.
void fixFileSize(QByteArray &bytes)
{
    const quint32 words = quint32(bytes.size() - placeableSize) / 2;
    for (int i = 0; i < 4; ++i)
        bytes[placeableSize + 6 + i] = char((words >> (8 * i)) & 0xff);
}

U_COLORREF colourRef(const QColor &colour)
{
    return U_RGB(colour.red(), colour.green(), colour.blue());
}

U_POINT16 point16(int x, int y)
{
    return U_POINT16{int16_t(x), int16_t(y)};
}

U_RECT16 rect16(const QRect &rect)
{
    // GDI's right and bottom edges lie just outside the shape, as QRect's exclusive ends do.
    return U_RECT16{int16_t(rect.left()), int16_t(rect.top()), int16_t(rect.left() + rect.width()),
                    int16_t(rect.top() + rect.height())};
}

QList<U_POINT16> points16(const QPolygon &points)
{
    QList<U_POINT16> out;
    out.reserve(points.size());
    for (const QPoint &p : points)
        out.append(point16(p.x(), p.y()));
    return out;
}

// The page's text is plain Latin-1 without control characters, which windows-1252 shares.
bool isPrintableLatin1(const QString &text)
{
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u > 0xff)
            return false;
    }
    return true;
}

QString colourKey(const QColor &colour)
{
    return colour.name();
}

} // namespace

// libUEMF builds the file in memory and writes it to a named file when it is finished.
struct MetafileCanvas::Writer
{
    QTemporaryDir folder;
    QString path;
    WMFTRACK *track = nullptr;
    WMFHANDLES *handles = nullptr;

    ~Writer()
    {
        if (track)
            wmf_free(&track);
        if (handles)
            wmf_htable_free(&handles);
    }
};

MetafileCanvas::MetafileCanvas(QSize pageTwips) : m_writer(new Writer), m_size(pageTwips)
{
    Writer &w = *m_writer;
    w.path = w.folder.filePath(QStringLiteral("page.wmf"));
    // The count of objects in the header is kept across files by the library.
    wmf_highwater(U_HIGHWATER_CLEAR);
    if (!w.folder.isValid() ||
        wmf_start(QFile::encodeName(w.path).constData(), 1 << 16, 1 << 16, &w.track) != 0 ||
        wmf_htable_create(8, 8, &w.handles) != 0) {
        m_error = QStringLiteral("cannot start a metafile");
        return;
    }
    U_PAIRF *inches = U_PAIRF_set(float(pageTwips.width()) / twipsPerInch,
                                  float(pageTwips.height()) / twipsPerInch);
    char *header = U_WMRHEADER_set(inches, twipsPerInch);
    free(inches);
    if (!header || wmf_header_append(reinterpret_cast<U_METARECORD *>(header), w.track, 1) != 0) {
        m_error = QStringLiteral("cannot write the metafile header");
        return;
    }
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), "map mode");
    append(U_WMRSETWINDOWORG_set(point16(0, 0)), "window origin");
    append(U_WMRSETWINDOWEXT_set(point16(pageTwips.width(), pageTwips.height())), "window extent");
    append(U_WMRSETBKMODE_set(U_TRANSPARENT), "background mode");
}

MetafileCanvas::~MetafileCanvas() = default;

void MetafileCanvas::append(char *record, const char *what)
{
    if (!m_error.isEmpty()) {
        free(record);
        return;
    }
    if (!record || wmf_append(reinterpret_cast<U_METARECORD *>(record), m_writer->track, 1) != 0)
        m_error = QStringLiteral("cannot write a %1 record").arg(QLatin1String(what));
}

void MetafileCanvas::replaceObject(Selected &slot, const QString &key, char *createRecord,
                                   uint32_t handle, const char *what)
{
    append(createRecord, what);
    append(wselectobject_set(handle, m_writer->handles), "select");
    // The old object goes only once the new one has taken its place in the device.
    deleteObject(slot);
    slot.exists = true;
    slot.handle = handle;
    slot.key = key;
}

void MetafileCanvas::deleteObject(Selected &slot)
{
    if (!slot.exists)
        return;
    append(wdeleteobject_set(&slot.handle, m_writer->handles), "delete object");
    slot = Selected();
}

void MetafileCanvas::selectPen(const QString &key, uint16_t style, int width, const QColor &colour)
{
    if (m_pen.exists && m_pen.key == key)
        return;
    uint32_t handle = 0;
    char *record = wcreatepenindirect_set(&handle, m_writer->handles,
                                          U_PEN_set(style, uint16_t(width), colourRef(colour)));
    replaceObject(m_pen, key, record, handle, "pen");
}

void MetafileCanvas::selectBrush(const QString &key, uint16_t style, const QColor &colour)
{
    if (m_brush.exists && m_brush.key == key)
        return;
    uint32_t handle = 0;
    char *record = wcreatebrushindirect_set(&handle, m_writer->handles,
                                            U_WLOGBRUSH_set(style, colourRef(colour), 0));
    replaceObject(m_brush, key, record, handle, "brush");
}

void MetafileCanvas::setPen(const QColor &colour, int width)
{
    selectPen(colourKey(colour) + QString::number(width), U_PS_SOLID, width, colour);
}

void MetafileCanvas::setNoPen()
{
    selectPen(QStringLiteral("none"), U_PS_NULL, 0, Qt::black);
}

void MetafileCanvas::setBrush(const QColor &colour)
{
    selectBrush(colourKey(colour), U_BS_SOLID, colour);
}

void MetafileCanvas::setNoBrush()
{
    selectBrush(QStringLiteral("none"), U_BS_NULL, Qt::black);
}

void MetafileCanvas::setFont(const PageFont &font)
{
    const QString key =
        font.face + QLatin1Char('/') + QString::number(font.height) + (font.bold ? "b" : "");
    if (m_font.exists && m_font.key == key)
        return;
    QByteArray face = font.face.toLatin1();
    const uint8_t family =
        U_VARIABLE_PITCH |
        (font.face == QLatin1String("Times New Roman") ? U_FF_ROMAN : U_FF_SWISS);
    // A negative height asks for the em size rather than the cell height.
    U_FONT *logFont =
        U_FONT_set(int16_t(-font.height), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, 0, 0, 0,
                   U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                   U_ANTIALIASED_QUALITY, family, face.data());
    uint32_t handle = 0;
    char *record = logFont ? wcreatefontindirect_set(&handle, m_writer->handles, logFont) : nullptr;
    free(logFont);
    replaceObject(m_font, key, record, handle, "font");
}

void MetafileCanvas::setTextColour(const QColor &colour)
{
    if (m_textColour == colour)
        return;
    m_textColour = colour;
    append(U_WMRSETTEXTCOLOR_set(colourRef(colour)), "text colour");
}

void MetafileCanvas::drawRect(const QRect &rect)
{
    append(U_WMRRECTANGLE_set(rect16(rect)), "rectangle");
}

void MetafileCanvas::drawRoundRect(const QRect &rect, int cornerWidth, int cornerHeight)
{
    append(U_WMRROUNDRECT_set(int16_t(cornerWidth), int16_t(cornerHeight), rect16(rect)),
           "round rectangle");
}

void MetafileCanvas::drawEllipse(const QRect &rect)
{
    append(U_WMRELLIPSE_set(rect16(rect)), "ellipse");
}

void MetafileCanvas::drawPolygon(const QPolygon &points)
{
    const QList<U_POINT16> at = points16(points);
    append(U_WMRPOLYGON_set(uint16_t(at.size()), at.constData()), "polygon");
}

void MetafileCanvas::drawPolyline(const QPolygon &points)
{
    const QList<U_POINT16> at = points16(points);
    append(U_WMRPOLYLINE_set(uint16_t(at.size()), at.constData()), "polyline");
}

void MetafileCanvas::drawText(QPoint at, const QString &text, TextAlign align)
{
    if (!isPrintableLatin1(text)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("text outside windows-1252: %1").arg(text);
        return;
    }
    int mode = U_TA_BASELINE;
    if (align == TextAlign::Centre)
        mode |= U_TA_CENTER;
    else if (align == TextAlign::Right)
        mode |= U_TA_RIGHT;
    if (mode != m_textAlign) {
        m_textAlign = mode;
        append(U_WMRSETTEXTALIGN_set(uint16_t(mode)), "text alignment");
    }
    // The record takes the string's length from its terminating zero.
    QByteArray bytes = text.toLatin1();
    append(U_WMRTEXTOUT_set(point16(at.x(), at.y()), bytes.data()), "text");
}

QByteArray MetafileCanvas::finish(QString *error)
{
    // The last objects are still selected; deleting them leaves the table empty at the end.
    deleteObject(m_font);
    deleteObject(m_brush);
    deleteObject(m_pen);
    append(U_WMREOF_set(), "end of file");
    QByteArray bytes;
    if (m_error.isEmpty()) {
        if (wmf_finish(m_writer->track) != 0) {
            m_error = QStringLiteral("cannot finish the metafile");
        } else {
            QFile file(m_writer->path);
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
            if (bytes.size() < placeableSize + headerSize)
                m_error = QStringLiteral("cannot read back the metafile");
            else
                fixFileSize(bytes);
        }
    }
    if (!m_error.isEmpty()) {
        *error = m_error;
        return {};
    }
    return bytes;
}

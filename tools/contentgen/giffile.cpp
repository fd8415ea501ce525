#include "giffile.h"

#include <QHash>

#include <algorithm>

namespace giffile {

namespace {

constexpr int maxCode = 4095; // codes are at most 12 bits

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Each pixel's palette index, the nearest colour by plain RGB distance.
QByteArray indexes(const QImage &picture, const QList<QRgb> &palette)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, uchar> nearest;
    QByteArray out;
    out.reserve(rgb.width() * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000;
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd()) {
                int best = 0;
                for (int i = 1; i < palette.size(); ++i) {
                    if (distance(palette.at(i), colour) < distance(palette.at(best), colour))
                        best = i;
                }
                found = nearest.insert(colour, uchar(best));
            }
            out.append(char(*found));
        }
    }
    return out;
}

// Writes codes of a growing width, least significant bit first, in sub-blocks of at most
// 255 bytes as the format has them.
class CodeWriter
{
public:
    void write(int code, int width)
    {
        m_bits |= uint32_t(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    QByteArray blocks()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xff));
        m_bits = 0;
        m_count = 0;
        QByteArray out;
        for (int at = 0; at < m_bytes.size(); at += 255) {
            const QByteArray chunk = m_bytes.mid(at, 255);
            out.append(char(chunk.size()));
            out.append(chunk);
        }
        out.append('\0');
        return out;
    }

private:
    QByteArray m_bytes;
    uint32_t m_bits = 0;
    int m_count = 0;
};

QByteArray lzw(const QByteArray &pixels, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    CodeWriter out;
    QHash<uint32_t, int> table; // (prefix code << 8 | next index) -> code
    int width = minCodeSize + 1;
    int last = end; // the highest code in the table
    out.write(clear, width);
    int prefix = uchar(pixels.at(0));
    for (int i = 1; i < pixels.size(); ++i) {
        const int next = uchar(pixels.at(i));
        const uint32_t key = uint32_t(prefix) << 8 | uint32_t(next);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        out.write(prefix, width);
        table.insert(key, ++last);
        // The reader adds each code one step later, so it widens exactly when this does.
        if (last >= (1 << width) && width < 12)
            ++width;
        if (last == maxCode) {
            out.write(clear, width);
            table.clear();
            width = minCodeSize + 1;
            last = end;
        }
        prefix = next;
    }
    out.write(prefix, width);
    out.write(end, width);
    return char(minCodeSize) + out.blocks();
}

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

QList<QRgb> sharedPalette(const QList<QImage> &pictures)
{
    QHash<QRgb, qint64> counts;
    for (const QImage &picture : pictures) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                ++counts[line[x] | 0xff000000];
        }
    }
    QList<QRgb> colours = counts.keys();
    // Most pixels first; equal counts by colour, so that the order never depends on hashing.
    std::sort(colours.begin(), colours.end(), [&](QRgb a, QRgb b) {
        return counts.value(a) != counts.value(b) ? counts.value(a) > counts.value(b) : a < b;
    });
    if (colours.size() > maxColours)
        colours.resize(maxColours);
    return colours;
}

QByteArray singleImage(const QImage &picture, const QList<QRgb> &palette)
{
    if (palette.isEmpty() || palette.size() > maxColours || picture.isNull())
        return {};
    int tableBits = 1;
    while ((1 << tableBits) < palette.size())
        ++tableBits;

    QByteArray out("GIF89a");
    appendWord(out, picture.width());
    appendWord(out, picture.height());
    // A global colour table of 2^tableBits entries, eight bits a primary.
    out.append(char(0x80 | 0x70 | (tableBits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // no pixel aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb colour = palette.value(i, qRgb(0, 0, 0));
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    out.append(char(0x2c)); // image descriptor: the whole screen, no local table
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, picture.width());
    appendWord(out, picture.height());
    out.append('\0');
    out.append(lzw(indexes(picture, palette), qMax(2, tableBits)));
    out.append(char(0x3b));
    return out;
}

} // namespace giffile

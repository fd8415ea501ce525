#include "pictures/wmf/metafile.h"

#include "pictures/wmf/bytereader.h"
#include "pictures/wmf/records.h"

#include <algorithm>

namespace {
constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;
// A record is at least its size (two words) and its function (one word).
constexpr quint32 minRecordWords = 3;
} // namespace

Metafile Metafile::parse(QByteArray bytes)
{
    Metafile file;
    if (bytes.size() > maxBytes)
        bytes.truncate(maxBytes);
    file.m_bytes = std::move(bytes);
    file.m_placeable = file.readPlaceableHeader();
    const qsizetype start = file.m_placeable ? placeableSize : 0;
    if (!file.readHeader(start))
        return Metafile();
    file.readRecords(start + headerSize);
    if (!file.m_placeable)
        file.findPlainBounds();
    if (file.m_bounds.width() == 0 || file.m_bounds.height() == 0)
        file.m_records.clear();
    return file;
}

bool Metafile::readPlaceableHeader()
{
    ByteReader in(m_bytes.constData(), m_bytes.size());
    if (in.u32() != placeableKey)
        return false;
    in.u16(); // handle, always 0
    const int left = in.i16();
    const int top = in.i16();
    const int right = in.i16();
    const int bottom = in.i16();
    const int inch = in.u16();
    if (in.overrun())
        return false;
    // Some writers store the corners the wrong way round; the frame is the same.
    m_bounds = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                     QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
    m_unitsPerInch = inch > 0 ? inch : 1440;
    return true;
}

bool Metafile::readHeader(qsizetype at)
{
    if (at > m_bytes.size())
        return false;
    ByteReader in(m_bytes.constData() + at, m_bytes.size() - at);
    const quint16 type = in.u16();
    const quint16 words = in.u16();
    in.u16(); // version
    in.u32(); // file size in words: not trusted, the bytes tell
    m_objectCount = in.u16();
    return !in.overrun() && (type == 1 || type == 2) && words == headerSize / 2;
}

void Metafile::readRecords(qsizetype at)
{
    const qsizetype total = m_bytes.size();
    while (at <= total - qsizetype(minRecordWords * 2) &&
           qsizetype(m_records.size()) < maxRecords) {
        ByteReader in(m_bytes.constData() + at, total - at);
        const quint32 words = in.u32();
        const quint16 function = in.u16();
        if (words < minRecordWords || qint64(words) * 2 > total - at)
            return;
        if (function == wmf::EndOfFile) {
            m_complete = true;
            return;
        }
        const qsizetype size = qsizetype(words) * 2;
        m_records.push_back({function, at + 6, size - 6});
        at += size;
    }
}

void Metafile::findPlainBounds()
{
    // Without a placeable header the picture is the window its records set up.
    QPoint origin;
    for (const MetafileRecord &record : m_records) {
        if (record.function != wmf::SetWindowOrg && record.function != wmf::SetWindowExt)
            continue;
        ByteReader in(m_bytes.constData() + record.offset, record.size);
        const int y = in.i16();
        const int x = in.i16();
        if (in.overrun())
            continue;
        if (record.function == wmf::SetWindowOrg) {
            origin = QPoint(x, y);
        } else {
            m_bounds = QRect(origin, QSize(std::abs(x), std::abs(y)));
            break;
        }
    }
    // A plain metafile's units are taken as the pixels of the display it was drawn for.
    m_unitsPerInch = 96;
}

QSizeF Metafile::sizeTwips() const
{
    return QSizeF(m_bounds.width() * 1440.0 / m_unitsPerInch,
                  m_bounds.height() * 1440.0 / m_unitsPerInch);
}

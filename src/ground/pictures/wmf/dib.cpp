#include "pictures/wmf/dib.h"

#include "pictures/wmf/bytereader.h"

#include <QBuffer>
#include <QImageReader>

namespace {
constexpr qint64 maxPixels = qint64(16) * 1024 * 1024;
constexpr quint32 infoHeaderSize = 40;
constexpr quint32 coreHeaderSize = 12;
constexpr quint32 uncompressed = 0;
constexpr quint32 bitFields = 3;

struct DibLayout
{
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    qint64 headerBytes = 0;
    qint64 colourBytes = 0;
};

bool readLayout(const char *data, qsizetype size, DibLayout &dib)
{
    ByteReader in(data, size);
    const quint32 headerSize = in.u32();
    qint64 coloursUsed = 0;
    int bytesPerColour = 4;
    if (headerSize == coreHeaderSize) {
        dib.width = in.u16();
        dib.height = in.u16();
        in.u16(); // planes
        dib.bitCount = in.u16();
        bytesPerColour = 3;
    } else if (headerSize >= infoHeaderSize && headerSize <= 124) {
        dib.width = in.i32();
        dib.height = in.i32();
        in.u16();
        dib.bitCount = in.u16();
        dib.compression = in.u32();
        in.skip(12); // image size, resolution
        coloursUsed = in.u32();
    } else {
        return false;
    }
    if (in.overrun() || dib.width <= 0 || dib.height == 0)
        return false;
    const qint64 rows = dib.height < 0 ? -dib.height : dib.height;
    if (dib.width * rows > maxPixels)
        return false;
    switch (dib.bitCount) {
    case 1:
    case 4:
    case 8:
        if (coloursUsed == 0 || coloursUsed > (qint64(1) << dib.bitCount))
            coloursUsed = qint64(1) << dib.bitCount;
        break;
    case 16:
    case 24:
    case 32:
        coloursUsed = dib.compression == bitFields && headerSize == infoHeaderSize ? 3 : 0;
        bytesPerColour = 4;
        break;
    default:
        return false;
    }
    dib.headerBytes = headerSize;
    dib.colourBytes = coloursUsed * bytesPerColour;
    if (dib.headerBytes + dib.colourBytes > size)
        return false;
    if (dib.compression == uncompressed || dib.compression == bitFields) {
        const qint64 stride = ((dib.width * dib.bitCount + 31) / 32) * 4;
        return stride * rows <= size - dib.headerBytes - dib.colourBytes;
    }
    // Run-length pixels are checked by the decoder itself as it goes.
    return true;
}

} // namespace

Dib decodeDib(const char *data, qsizetype size)
{
    DibLayout dib;
    if (!data || size <= 0 || !readLayout(data, size, dib))
        return {};
    // Qt reads the same bitmap once it has its file header in front.
    QByteArray file;
    const qint64 fileSize = 14 + qint64(size);
    const qint64 pixelsAt = 14 + dib.headerBytes + dib.colourBytes;
    file.reserve(fileSize);
    file.append("BM", 2);
    for (quint32 value : {quint32(fileSize), quint32(0), quint32(pixelsAt)})
        for (int shift = 0; shift < 32; shift += 8)
            file.append(char((value >> shift) & 0xFF));
    file.append(data, size);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    return {reader.read(), dib.height > 0};
}

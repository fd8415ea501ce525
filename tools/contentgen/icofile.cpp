#include "icofile.h"

#include <QtEndian>

namespace icofile {

namespace {

void putU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace

QList<QRgb> vgaPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QByteArray sixteenColourIcon(const QImage &picture)
{
    const int width = picture.width();
    const int height = picture.height();
    if (picture.isNull() || width > 256 || height > 256)
        return {};
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QList<QRgb> palette = vgaPalette();
    const int colourRow = rowBytes(width, 4);
    const int maskRow = rowBytes(width, 1);

    // Both bitmaps run from the bottom row up, as in any device-independent bitmap.
    QByteArray colours(colourRow * height, '\0');
    QByteArray mask(maskRow * height, '\0');
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            int index = 0;
            if (qAlpha(line[x]) < 128) {
                mask[row * maskRow + x / 8] = char(mask[row * maskRow + x / 8] | (0x80 >> (x % 8)));
            } else {
                index = palette.indexOf(qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])));
                if (index < 0)
                    return {};
            }
            const int at = row * colourRow + x / 2;
            colours[at] = char(colours[at] | (x % 2 ? index : index << 4));
        }
    }

    const int headerSize = 40;
    const quint32 imageSize =
        quint32(headerSize + palette.size() * 4 + colours.size() + mask.size());
    const int directorySize = 6 + 16;
    QByteArray out;
    putU16(out, 0); // reserved
    putU16(out, 1); // an icon, not a cursor
    putU16(out, 1); // one picture in the file
    out.append(char(width == 256 ? 0 : width));
    out.append(char(height == 256 ? 0 : height));
    out.append(char(16)); // colours in the palette
    out.append(char(0));
    putU16(out, 1); // planes
    putU16(out, 4); // bits per pixel
    putU32(out, imageSize);
    putU32(out, directorySize);

    putU32(out, headerSize);
    putU32(out, quint32(width));
    putU32(out, quint32(height * 2)); // the colour bitmap and the mask, stacked
    putU16(out, 1);
    putU16(out, 4);
    putU32(out, 0); // uncompressed
    putU32(out, quint32(colours.size() + mask.size()));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 16);
    putU32(out, 0);
    for (QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    out.append(colours);
    out.append(mask);
    return out;
}

} // namespace icofile

#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// GIF89a files for the logo's animation frames, which Qt can read but not write.
namespace giffile {

constexpr int maxColours = 256;

// Up to 256 colours for the given pictures together: every colour they use when there are
// that few, otherwise the ones that cover the most pixels. Frames that share one palette
// do not flicker as the animation turns from one to the next.
QList<QRgb> sharedPalette(const QList<QImage> &pictures);

// One picture as a single-image GIF, each pixel the nearest colour of the palette
// (at most 256 colours), compressed with LZW. Empty if the palette is empty or too large.
QByteArray singleImage(const QImage &picture, const QList<QRgb> &palette);

} // namespace giffile

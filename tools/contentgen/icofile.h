#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Icon files written byte by byte, so the same picture always gives the same file.
namespace icofile {

// The sixteen colours every display of the icon's era could show, in their usual order.
QList<QRgb> vgaPalette();

// One 16-colour icon: a 4-bit picture over the VGA palette plus a 1-bit transparency mask.
// Pixels with alpha below half are transparent; every other pixel must be one of the
// palette's colours exactly. Returns an empty array for a picture it cannot write.
QByteArray sixteenColourIcon(const QImage &picture);

} // namespace icofile

#include "platform/picture.h"

#include "platform/contentpath.h"

#include <QImageReader>
#include <QPainter>

namespace {
// Pictures are drawn for a display of 15 twips to the pixel.
constexpr double twipsPerPixel = 15.0;
// Large enough for any picture the program ships; stops a hostile header from asking
// for gigabytes.
constexpr int maxPictureBytesMB = 64;
} // namespace

Picture::Picture(QImage image) : m_image(std::move(image)) {}

Picture Picture::load(const QString &path)
{
    QImageReader::setAllocationLimit(maxPictureBytesMB);
    QImageReader reader(resolveContentPath(path));
    reader.setAutoTransform(false);
    return Picture(reader.read());
}

QSizeF Picture::sizeTwips() const
{
    return QSizeF(m_image.width() * twipsPerPixel, m_image.height() * twipsPerPixel);
}

void Picture::paint(QPainter &painter, const QRectF &target) const
{
    if (m_image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != m_image.size());
    painter.drawImage(target, m_image);
    painter.restore();
}

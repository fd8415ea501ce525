#include "pictures/picture.h"

#include "files/contentpath.h"
#include "pictures/wmf/metafile.h"
#include "pictures/wmf/metafileplayer.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {
// Pictures are drawn for a display of 15 twips to the pixel.
constexpr double twipsPerPixel = 15.0;
// Large enough for any picture the program ships; stops a hostile header from asking
// for gigabytes.
constexpr int maxPictureBytesMB = 64;

bool looksLikeMetafile(const QByteArray &start)
{
    // The placeable key, or the plain header's type and size words.
    return start.startsWith("\xD7\xCD\xC6\x9A") ||
           (start.size() >= 4 && (start[0] == 1 || start[0] == 2) && start[1] == 0 &&
            start[2] == 9 && start[3] == 0);
}
} // namespace

Picture::Picture(QImage image) : m_image(std::move(image)) {}

Picture::Picture(QImage image, QSizeF sizeTwips) : m_image(std::move(image)), m_sizeTwips(sizeTwips)
{}

Picture::Picture(std::shared_ptr<const Metafile> metafile) : m_metafile(std::move(metafile)) {}

Picture Picture::load(const QString &path)
{
    QFile file(resolveContentPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return Picture();
    if (looksLikeMetafile(file.peek(4))) {
        auto metafile = std::make_shared<Metafile>(Metafile::parse(file.read(Metafile::maxBytes)));
        return metafile->isNull() ? Picture() : Picture(std::move(metafile));
    }
    QImageReader::setAllocationLimit(maxPictureBytesMB);
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    return Picture(reader.read());
}

bool Picture::isNull() const
{
    return m_metafile ? m_metafile->isNull() : m_image.isNull();
}

QSizeF Picture::sizeTwips() const
{
    if (m_metafile)
        return m_metafile->sizeTwips();
    if (!m_sizeTwips.isEmpty())
        return m_sizeTwips;
    return QSizeF(m_image.width() * twipsPerPixel, m_image.height() * twipsPerPixel);
}

void Picture::paint(QPainter &painter, const QRectF &target) const
{
    if (m_metafile) {
        MetafilePlayer::play(*m_metafile, painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != m_image.size());
    painter.drawImage(target, m_image);
    painter.restore();
}

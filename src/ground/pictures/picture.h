#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class Metafile;
class QPainter;

// A picture from the content folders, with its own size in twips: a raster image or a
// metafile. A missing or broken file gives an empty picture.
class Picture
{
public:
    Picture() = default;
    explicit Picture(QImage image);
    // A raster drawn finer than the screen's, for paper: it takes the size given.
    Picture(QImage image, QSizeF sizeTwips);
    explicit Picture(std::shared_ptr<const Metafile> metafile);
    // Reads a JPEG, GIF, BMP or Windows Metafile; the path may use either separator and
    // any case.
    static Picture load(const QString &path);

    bool isNull() const;
    bool isMetafile() const { return m_metafile != nullptr; }
    QSizeF sizeTwips() const;
    // Draws the picture into target, which is its own size on the painter's device.
    void paint(QPainter &painter, const QRectF &target) const;

private:
    QImage m_image;
    QSizeF m_sizeTwips; // empty: the raster's own size on the screen
    std::shared_ptr<const Metafile> m_metafile;
};

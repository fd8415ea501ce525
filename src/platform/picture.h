#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A picture from the content folders, with its own size in twips. A missing or broken
// file gives an empty picture.
class Picture
{
public:
    Picture() = default;
    explicit Picture(QImage image);
    // Reads a JPEG, GIF or BMP file; the path may use either separator and any case.
    static Picture load(const QString &path);

    bool isNull() const { return m_image.isNull(); }
    QSizeF sizeTwips() const;
    // Draws the picture into target, which is its own size on the painter's device.
    void paint(QPainter &painter, const QRectF &target) const;

private:
    QImage m_image;
};

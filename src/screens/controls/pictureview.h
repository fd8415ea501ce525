#pragma once

#include "pictures/picture.h"
#include "pictures/picturetext.h"

#include <QWidget>

#include <optional>

// An image or picture box: shows a picture at its own size from its top-left corner,
// over an optional back colour.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);
    // A named view placed in its parent at a rectangle given in twips.
    PictureView(QWidget *parent, const QString &name, const QRectF &twips);

    // False when the file could not be read; the view is then empty.
    bool loadPicture(const QString &path);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    void setBackColour(const QColor &colour);
    void setClickable(bool clickable);
    // A picture larger than the view is drawn smaller to fit it, in proportion, rather
    // than cut off at the view's edge.
    void setShrinkToFit(bool shrink);
    // The view takes each picture's own size, from its top-left corner, as an image
    // control does; an empty picture leaves it empty.
    void setSizedToPicture(bool sized);

    // What the picture says, read from it the first time anyone asks.
    const PictureText &pictureText() const;

    // Shows each view to assistive technology as an image named by its picture's title,
    // described by its words.
    static void installAccessibility();

signals:
    void clicked();

protected:
    // After a new picture is in place.
    virtual void pictureChanged() {}
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture m_picture;
    mutable std::optional<PictureText> m_text;
    bool m_clickable = false;
    bool m_shrinkToFit = false;
    bool m_sizedToPicture = false;
};

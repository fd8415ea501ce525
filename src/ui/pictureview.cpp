#include "ui/pictureview.h"

#include "ui/screen.h"
#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

PictureView::PictureView(QWidget *parent, const QString &name, const QRectF &twips)
    : QWidget(parent)
{
    setObjectName(name);
    placeTwips(this, twips.x(), twips.y(), twips.width(), twips.height());
}

bool PictureView::loadPicture(const QString &path)
{
    setPicture(Picture::load(path));
    return !m_picture.isNull();
}

void PictureView::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

void PictureView::setBackColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void PictureView::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PictureView::setShrinkToFit(bool shrink)
{
    m_shrinkToFit = shrink;
    update();
}

void PictureView::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QSizeF size = Twips::toPixels(m_picture.sizeTwips());
    if (m_shrinkToFit && (size.width() > width() || size.height() > height()))
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QPainter painter(this);
    m_picture.paint(painter, QRectF(QPointF(0, 0), size));
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

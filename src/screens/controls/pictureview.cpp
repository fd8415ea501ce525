#include "controls/pictureview.h"

#include "controls/accessiblefactory.h"
#include "controls/place.h"
#include "look/twips.h"

#include <QAccessibleWidget>
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
    m_text.reset();
    if (m_sizedToPicture)
        resize(Twips::toPixels(m_picture.sizeTwips()));
    update();
    pictureChanged();
    if (QAccessible::isActive()) {
        for (QAccessible::Event change :
             {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
            QAccessibleEvent event(this, change);
            QAccessible::updateAccessibility(&event);
        }
    }
}

const PictureText &PictureView::pictureText() const
{
    if (!m_text)
        m_text = PictureText::of(m_picture);
    return *m_text;
}

void PictureView::setSizedToPicture(bool sized)
{
    m_sizedToPicture = sized;
    if (sized)
        resize(Twips::toPixels(m_picture.sizeTwips()));
}

namespace {
// Reading a picture's words costs a playing of it, so it waits until a reader asks.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(PictureView *view) : QAccessibleWidget(view, QAccessible::Graphic) {}
    QString text(QAccessible::Text kind) const override
    {
        const PictureText &words = static_cast<const PictureView *>(widget())->pictureText();
        if (kind == QAccessible::Name && !words.title.isEmpty())
            return words.title;
        if (kind == QAccessible::Description && !words.text.isEmpty())
            return words.text;
        return QAccessibleWidget::text(kind);
    }
};
} // namespace

namespace {
QAccessibleInterface *imageOf(PictureView *view)
{
    return new PictureAccessible(view);
}
} // namespace

void PictureView::installAccessibility()
{
    installAccessibleFactory<PictureView, imageOf>();
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

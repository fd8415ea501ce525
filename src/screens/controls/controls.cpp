#include "controls/controls.h"

#include "controls/accessiblefactory.h"
#include "controls/place.h"
#include "look/fonts.h"
#include "look/palette.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace controls {

namespace {
void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void place(QWidget *widget, const QRectF &twips)
{
    placeTwips(widget, twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, const QRectF &twips,
                  const QFont &font, const QColor &colour, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, colour);
    place(label, twips);
    return label;
}

QPushButton *pushButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRectF &twips, const QColor &back)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(fonts::screenFont(fonts::tahoma, 9.75));
    QPalette p = button->palette();
    p.setColor(QPalette::Button, back);
    p.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(p);
    place(button, twips);
    return button;
}

namespace {
// Qt takes a click on an option or tick box only on its mark and caption; the design's
// controls take it anywhere in their rectangle. A quiz answer stretches across its row, and
// a click beside a short answer must choose it, not only move the focus onto it.
template <class Button> class WholeAreaButton : public Button
{
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }
};

template <class Button>
Button *captionedButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRectF &twips, const QFont &font, const QColor &colour)
{
    auto *button = new WholeAreaButton<Button>(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    setTextColour(button, colour);
    place(button, twips);
    return button;
}
} // namespace

QRadioButton *optionButton(QWidget *parent, const QString &name, const QString &caption,
                           const QRectF &twips, const QFont &font, const QColor &colour)
{
    return captionedButton<QRadioButton>(parent, name, caption, twips, font, colour);
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption,
                    const QRectF &twips, const QFont &font, const QColor &colour)
{
    return captionedButton<QCheckBox>(parent, name, caption, twips, font, colour);
}

namespace {
// Shrinks the font a pixel at a time until fits() holds or the floor is reached.
template <class Fits> void fitFont(QWidget *widget, const QFont &design, Fits fits)
{
    QFont font = design;
    const int full = design.pixelSize();
    const int floor = full * 3 / 5;
    widget->setFont(font);
    for (int size = full - 1; size >= floor && !fits(); --size) {
        font.setPixelSize(size);
        widget->setFont(font);
    }
}
} // namespace

void setFittedText(QLabel *label, const QString &text, const QFont &design)
{
    label->setText(text);
    fitFont(label, design, [label] {
        const QRect room(QPoint(0, 0), label->contentsRect().size());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
}

void setFittedText(QAbstractButton *button, const QString &text, const QFont &design)
{
    button->setText(text);
    fitFont(button, design, [button] { return button->sizeHint().width() <= button->width(); });
}

void setUpUnannounced(const std::function<void()> &setUp)
{
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    setUp();
    QAccessible::installUpdateHandler(previous);
}

void clipToChildren(QWidget *container)
{
    QRegion controls;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(container))
            controls += child->geometry();
    container->setMask(controls);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    // Buttons fill with their own role, everything else with the window's.
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(widget->backgroundRole(), colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setSingleBorder(QFrame *frame)
{
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    QPalette p = frame->palette();
    p.setColor(QPalette::Dark, colours::borderShadow);
    p.setColor(QPalette::Light, colours::borderLight);
    frame->setPalette(p);
}

namespace {
const QString forTeachers = QStringLiteral("For teachers only");
} // namespace

void markForTeachers(QWidget *command)
{
    // A caption's own colour holds in every state; greyed, it must look it.
    QPalette greyed = command->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        greyed.setColor(QPalette::Disabled, role, colours::borderShadow);
    command->setPalette(greyed);
    command->setEnabled(false);
    command->setToolTip(forTeachers);
    command->setAccessibleDescription(forTeachers);
}

void markForTeachers(QAction *command)
{
    command->setEnabled(false);
    command->setText(command->text() + QStringLiteral(" (for teachers)"));
}

} // namespace controls

FrameBox::FrameBox(QWidget *parent, const QString &name, const QRectF &twips) : QFrame(parent)
{
    // Qt calls a frame a frame, which a screen reader takes for a window of its own: one
    // that is never active, so the focus on a control inside it is never spoken.
    installAccessibleRole<FrameBox, QAccessible::Grouping>();
    setObjectName(name);
    placeTwips(this, twips.x(), twips.y(), twips.width(), twips.height());
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(r.translated(1, 1));
}

#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRectF>
#include <QString>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Makers for the plain controls of the screens' designs, placed in twips.
namespace controls {

// A transparent label: text only, over whatever lies behind it.
QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, const QRectF &twips,
                  const QFont &font, const QColor &colour,
                  Qt::Alignment alignment = Qt::AlignCenter);

QPushButton *pushButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRectF &twips, const QColor &back);

QRadioButton *optionButton(QWidget *parent, const QString &name, const QString &caption,
                           const QRectF &twips, const QFont &font, const QColor &colour);

// A tick box; its back colour is the screen's, set when the screen loads.
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption,
                    const QRectF &twips, const QFont &font, const QColor &colour);

// Gives a control an opaque back colour.
void setBackColour(QWidget *widget, const QColor &colour);

// Gives a label the thin sunken border the command labels have.
void setSingleBorder(QFrame *frame);

// Sets a label's or button's text in the design font, made smaller (to no less than
// three fifths of it) where the text would not fit the control: teachers write texts
// of any length, and a cut-off answer cannot be read.
void setFittedText(QLabel *label, const QString &text, const QFont &design);
void setFittedText(QAbstractButton *button, const QString &text, const QFont &design);

} // namespace controls

// A frame without caption: an etched rectangle that holds other controls.
class FrameBox : public QFrame
{
    Q_OBJECT
public:
    FrameBox(QWidget *parent, const QString &name, const QRectF &twips);

protected:
    void paintEvent(QPaintEvent *event) override;
};

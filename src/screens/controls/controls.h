#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRectF>
#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
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

// Sets up text boxes without a word to assistive technology. Qt reports a box's caret as
// moved whenever its text or its greatest length is set, focused or not; Orca, reading that
// news once the focus has come to the box, takes the box for the focus without a word and
// then says nothing when the focus itself arrives, so the screen that opens on the box is
// never spoken. A box filled before anyone types in it has nothing to announce.
void setUpUnannounced(const std::function<void()> &setUp);

// Makes a container that only gathers controls present to the mouse where its shown controls
// are and nowhere else, so that the bare screen between them stays the screen's own.
void clipToChildren(QWidget *container);

// Gives a control an opaque back colour.
void setBackColour(QWidget *widget, const QColor &colour);

// Gives a label the thin sunken border the command labels have.
void setSingleBorder(QFrame *frame);

// Sets a label's or button's text in the design font, made smaller (to no less than
// three fifths of it) where the text would not fit the control: teachers write texts
// of any length, and a cut-off answer cannot be read.
void setFittedText(QLabel *label, const QString &text, const QFont &design);
void setFittedText(QAbstractButton *button, const QString &text, const QFont &design);

// A command a pupil may not use: greyed, as unavailable topics are, and saying it is for
// teachers to the eye (a tooltip, or in a menu its text) and to a screen reader.
void markForTeachers(QWidget *command);
void markForTeachers(QAction *command);

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

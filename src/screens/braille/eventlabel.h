#pragma once

#include <QLabel>
#include <QPointF>

// An event of the timeline puzzle: a label dragged with the left button alone and dropped
// when any button is released over it. The keyboard reaches it with Tab, and Space or Enter
// picks it up or drops it; while it is held the arrows, Tab and Escape are its own.
class EventLabel : public QLabel
{
    Q_OBJECT
public:
    EventLabel(QWidget *parent, const QString &name);

    bool isHeld() const { return m_held; }
    // Held, it shows turned over: its text colour becomes its ground.
    void setHeld(bool held);

signals:
    void pressed();
    // The pointer, in twips from the label's top-left corner.
    void dragged(QPointF pointer);
    void dropped();
    // Space or Enter.
    void activated();
    // While held: rows down the timeline (up when negative), or Escape and leaving it.
    void stepped(int rows);
    void cancelled();

protected:
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_held = false;
};

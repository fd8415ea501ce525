#pragma once

#include <QAbstractButton>
#include <QColor>

// A command shown as a label: centred text in a thin frame, with a back colour that shows
// only while the label is opaque (the highlight). It is a real button underneath, so it
// takes the keyboard focus, clicks on Space or Enter, and reads as a push button named
// by its caption to assistive technology. Greyed when disabled.
class ButtonLabel : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ButtonLabel(QWidget *parent = nullptr);

    QColor backColour() const { return m_back; }
    void setBackColour(const QColor &colour);
    QColor textColour() const { return m_text; }
    void setTextColour(const QColor &colour);
    bool isOpaque() const { return m_opaque; }
    void setOpaque(bool opaque);
    void setBordered(bool bordered);
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_back{0, 0, 0};
    QColor m_text{255, 255, 0};
    bool m_opaque = true;
    bool m_bordered = true;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

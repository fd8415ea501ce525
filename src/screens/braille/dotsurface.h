#pragma once

#include "braille/braillecell.h"

#include <QImage>
#include <QWidget>

// The cipher screen's drawing surface: dots plotted on it stay, across covering and
// uncovering, until it is cleared. It lies under every control and lets the mouse through
// to the screen's background.
class DotSurface : public QWidget
{
    Q_OBJECT
public:
    explicit DotSurface(QWidget *parent);

    void clear();
    // Draws over what is there already.
    void drawCell(const braille::Cell &cell);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

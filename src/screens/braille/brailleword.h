#pragma once

#include <QLabel>

// The word the cipher shows, for the keyboard and a screen reader: a stop in the tab order
// over the word's cells, named by the very cells drawn there as Unicode Braille, so that a
// Braille display raises the same dots. The dots themselves are drawn by the dot surface.
class BrailleWord : public QLabel
{
    Q_OBJECT
public:
    explicit BrailleWord(QWidget *parent);

    void setWord(const QString &word);

protected:
    void paintEvent(QPaintEvent *event) override;
};

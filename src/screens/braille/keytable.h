#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// The cipher's key: the 26 letters under their cells, each named by its dots for a screen
// reader ("m, dots 1 3 4"). One stop in the tab order; there the arrows, Home and End, or a
// letter's own key, go from letter to letter, so a pupil reads the key a letter at a time
// when they choose. To a screen reader it is a table, which Orca leaves out of what it reads
// as the screen opens: the word to read comes first.
class KeyTable : public QWidget
{
    Q_OBJECT
public:
    // Placed over the key's letters; it takes the mouse only where they are.
    explicit KeyTable(QWidget *parent);

    // Made as the screen loads, as the key has always been.
    void placeLetters();
    QLabel *letter(int code) const { return m_letters.value(code); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void goTo(int code);

    QList<QLabel *> m_letters;
    int m_current = 0;
};

#pragma once

#include "controls/pictureview.h"
#include "pictures/textcaret.h"

// A page drawn as a picture that the keyboard and a screen reader read as a document. It
// takes the focus by Tab (a click leaves the focus where it was), and its words in reading
// order, after a heading line such as "Page 2 of 5", are a text of lines with a caret: the
// arrows move it by a character or a line, with Ctrl by a word, Home and End to the ends of
// the line, with Ctrl of the page. Orca reads the whole page with the screen as the screen
// opens and again when the focus arrives, each line the caret comes to, and the page from
// the caret on with its Say All; a Braille display shows the caret's line. The caret itself
// is not drawn, so the page looks as it always has.
class ReadablePicture : public PictureView
{
    Q_OBJECT
public:
    ReadablePicture(QWidget *parent, const QString &name, const QRectF &twips);

    // The line read before the page's words; none when empty.
    void setHeading(const QString &heading);
    // The heading and the page's words, read from the picture the first time anyone asks.
    const TextCaret &caret() const;
    void setCaretPosition(int position);

    static void installAccessibility();

protected:
    void pictureChanged() override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void textChanged();
    void caretMoved();

    QString m_heading;
    mutable TextCaret m_caret;
    mutable bool m_caretRead = false;
};

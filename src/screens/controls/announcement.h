#pragma once

#include <QWidget>

class QLabel;

// What a screen reader speaks, and shows on a Braille display, the moment it is said, while
// the keyboard focus stays where it is: a score, an answer, a new word, a turned page. It
// draws nothing and takes no clicks.
//
// Orca speaks a notification as it appears, and without the word "notification" when it
// lies in a status bar; so this is a status bar holding one notification, shown for every
// line said.
class Announcement : public QWidget
{
    Q_OBJECT
public:
    explicit Announcement(QWidget *parent);

    // Nothing is said while the screen is not on show: what a screen says as it opens
    // comes with its focus.
    void say(const QString &text);

    static void installAccessibility();

private:
    QWidget *m_notice;
    QLabel *m_text;
};

#pragma once

#include <QIcon>
#include <QPointer>
#include <QSizeF>
#include <QWidget>

class ScreenHost;
class Announcement;
class QAbstractButton;

// A screen: a panel on the backdrop with its own frame (border and caption bar with icon
// and caption) around a client area laid out in twips. Load steps run in load(), never in
// the constructor, so that the screen that opens it decides the order.
class Screen : public QWidget
{
    Q_OBJECT
public:
    static constexpr double borderTwips = 45;
    static constexpr double captionTwips = 360;

    Screen(ScreenHost &host, const QString &name);

    virtual void load() = 0;

    QWidget *client() const { return m_client; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon &icon);
    QColor backColour() const;
    void setBackColour(const QColor &colour);

    QSizeF outerSizeTwips() const { return m_outerTwips; }
    void setOuterSizeTwips(QSizeF size);
    void setClientSizeTwips(QSizeF size);
    // Centres the screen on the display as the screens always have: halves in single
    // precision, no clamping.
    void centreOnDisplay();
    static QPointF centredTopLeft(QSizeF displayTwips, QSizeF windowTwips);

    // Moves the keyboard focus to the screen's first control.
    void takeFocus();

    // What a screen reader calls the screen: the caption and the screen's own heading,
    // "Zorvanel: Multiple Choice".
    void setSpokenHeading(const QString &heading);
    // Tells a screen reader of what appears beside the focus, which stays where it is.
    void announce(const QString &text);
    Announcement *announcement() const { return m_announcement; }
    // Has the text read aloud while the sound is on, cutting off any other reading; R reads
    // it again. Leaving the screen stops it.
    void readAloud(const QString &text);
    // True while the sound is on: a text costly to make is made only then.
    bool readsAloud() const;
    // The command that Escape runs: the screen's way out.
    void setEscapeCommand(QAbstractButton *command);

    // Screens are panels in one window, so a screen reader finds them by this role.
    static void installAccessibility();

protected:
    // The frame every screen shares: icon, colour, caption, size and place.
    void setupScreen();
    // What the screen asks of the program.
    ScreenHost &host() const { return m_host; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Tab and Shift+Tab go round the screen's own controls, never into a screen behind.
    bool focusNextPrevChild(bool next) override;

private:
    // The controls Tab reaches, in the focus chain's order.
    QList<QWidget *> tabStops() const;
    // True while the focus is in a text box with text in it.
    bool holdsTyping() const;

    ScreenHost &m_host;
    QWidget *m_client;
    Announcement *m_announcement;
    QString m_caption;
    QIcon m_icon;
    QPointer<QAbstractButton> m_escapeCommand;
    QString m_reading;
    QSizeF m_outerTwips;
};

#include "frame/screen.h"

#include "controls/accessiblefactory.h"
#include "controls/announcement.h"
#include "controls/pictureview.h"
#include "frame/backdrop.h"
#include "frame/readaloud.h"
#include "frame/screenhost.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "look/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include <algorithm>

Screen::Screen(ScreenHost &host, const QString &name)
    : QWidget(&host.backdrop()), m_host(host), m_client(new QWidget(this)),
      m_announcement(new Announcement(m_client))
{
    setObjectName(name);
    hide();
    m_client->setObjectName(name + QStringLiteral(".client"));
    m_client->setAutoFillBackground(true);
    m_client->setMouseTracking(true);
}

void Screen::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Screen::setSpokenHeading(const QString &heading)
{
    // The program's name, not the caption: the closing screen's caption is blank.
    setAccessibleName(QStringLiteral("Zorvanel: ") + heading);
}

void Screen::setEscapeCommand(QAbstractButton *command)
{
    m_escapeCommand = command;
}

void Screen::announce(const QString &text)
{
    m_announcement->say(text);
}

void Screen::readAloud(const QString &text)
{
    m_reading = text;
    m_host.readAloud().read(this, text);
}

bool Screen::readsAloud() const
{
    return m_host.readAloud().isOn();
}

void Screen::installAccessibility()
{
    installAccessibleRole<Screen, QAccessible::Pane>();
    Announcement::installAccessibility();
}

void Screen::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

QColor Screen::backColour() const
{
    return m_client->palette().color(QPalette::Window);
}

void Screen::setBackColour(const QColor &colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
}

void Screen::setOuterSizeTwips(QSizeF size)
{
    m_outerTwips = size;
    resize(Twips::toPixels(size));
}

void Screen::setClientSizeTwips(QSizeF size)
{
    setOuterSizeTwips(
        QSizeF(size.width() + 2 * borderTwips, size.height() + 2 * borderTwips + captionTwips));
}

QPointF Screen::centredTopLeft(QSizeF displayTwips, QSizeF windowTwips)
{
    const float top = float(displayTwips.height()) / 2 - float(windowTwips.height()) / 2;
    const float left = float(displayTwips.width()) / 2 - float(windowTwips.width()) / 2;
    return QPointF(left, top);
}

void Screen::centreOnDisplay()
{
    const QScreen *display = QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QPointF topLeft =
        centredTopLeft(Twips::fromPixels(display->geometry().size()), m_outerTwips);
    move(Twips::toPixels(topLeft.x()), Twips::toPixels(topLeft.y()));
}

void Screen::setupScreen()
{
    setIcon(m_host.applicationIcon());
    setBackColour(colours::frame);
    setCaption(QStringLiteral("Zorvanel"));
    if (auto *picture = findChild<PictureView *>(QStringLiteral("Picture1")))
        picture->setBackColour(colours::pictureBox);
    setOuterSizeTwips(QSizeF(Twips::screenWidth, Twips::screenHeight));
    centreOnDisplay();
}

QList<QWidget *> Screen::tabStops() const
{
    QList<QWidget *> stops;
    for (QWidget *w = m_client->nextInFocusChain(); w && w != m_client; w = w->nextInFocusChain()) {
        if (!isAncestorOf(w))
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this))
            stops.append(w);
    }
    return stops;
}

void Screen::takeFocus()
{
    QWidget *current = window()->focusWidget();
    if (current && isAncestorOf(current))
        return;
    const QList<QWidget *> stops = tabStops();
    if (stops.isEmpty())
        m_client->setFocus(Qt::OtherFocusReason);
    else
        stops.first()->setFocus(Qt::OtherFocusReason);
}

bool Screen::focusNextPrevChild(bool next)
{
    const QList<QWidget *> stops = tabStops();
    if (stops.isEmpty())
        return true;
    // The window may not be active (a test, a second display): its own focus widget counts,
    // and a stop that hands the focus to a part of it holds it while that part does.
    const QWidget *focus = window()->focusWidget();
    const auto held = std::find_if(stops.cbegin(), stops.cend(), [focus](const QWidget *stop) {
        return stop == focus || (focus && stop->focusProxy() == focus);
    });
    const qsizetype at = held == stops.cend() ? -1 : held - stops.cbegin();
    const qsizetype count = stops.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    stops.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_escapeCommand &&
        m_escapeCommand->isVisible() && m_escapeCommand->isEnabled() && !holdsTyping()) {
        m_escapeCommand->click();
        return;
    }
    if (event->key() == Qt::Key_R && event->modifiers() == Qt::NoModifier && readsAloud() &&
        !m_reading.isEmpty()) {
        m_host.readAloud().read(this, m_reading);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::hideEvent(QHideEvent *event)
{
    m_host.readAloud().stopFor(this);
    QWidget::hideEvent(event);
}

bool Screen::holdsTyping() const
{
    // A slip of the key must not throw away what was typed: screens such as the wizard
    // close without asking.
    const auto *box = qobject_cast<const QLineEdit *>(window()->focusWidget());
    return box && isAncestorOf(box) && !box->text().isEmpty();
}

void Screen::resizeEvent(QResizeEvent *)
{
    const int border = Twips::toPixels(borderTwips);
    const int captionBar = Twips::toPixels(captionTwips);
    m_client->setGeometry(border, border + captionBar, width() - 2 * border,
                          height() - 2 * border - captionBar);
}

void Screen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect outer = rect();
    // A raised border in the classic style.
    p.fillRect(outer, colours::lightGrey);
    p.setPen(colours::white);
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());

    const int border = Twips::toPixels(borderTwips);
    const int captionHeight = Twips::toPixels(captionTwips);
    const QRect bar(border, border, width() - 2 * border, captionHeight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, colours::captionBar);
    gradient.setColorAt(1, colours::captionBarEnd);
    p.fillRect(bar, gradient);

    const int iconSize = captionHeight * 2 / 3;
    const int pad = (captionHeight - iconSize) / 2;
    if (!m_icon.isNull())
        m_icon.paint(&p, QRect(bar.left() + pad, bar.top() + pad, iconSize, iconSize));
    p.setPen(colours::white);
    p.setFont(fonts::screenFont(fonts::tahoma, 8.25, true));
    p.drawText(bar.adjusted(iconSize + 2 * pad + pad, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               m_caption);
}

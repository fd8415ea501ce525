#include "quiz/wronganswersscreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "quiz/resultsscreen.h"
#include "texts/spokentext.h"

#include <QLabel>
#include <QShowEvent>

#include <utility>

namespace {
QLabel *blackLabel(QWidget *parent, const QString &name, const QString &text, const QRectF &twips,
                   double points, const QColor &colour, Qt::Alignment alignment)
{
    QLabel *label = controls::textLabel(parent, name, text, twips,
                                        fonts::screenFont(fonts::tahoma, points, true), colour,
                                        alignment | Qt::AlignVCenter);
    label->setWordWrap(false);
    controls::setBackColour(label, colours::black);
    return label;
}
} // namespace

WrongAnswersScreen::WrongAnswersScreen(ScreenHost &host) : Screen(host, QStringLiteral("Wrong"))
{
    m_title = blackLabel(client(), QStringLiteral("Label6"), QString(), {0, 120, 12000, 540}, 20.25,
                         colours::commandText, Qt::AlignHCenter);
    m_intro = blackLabel(client(), QStringLiteral("Label4"),
                         QStringLiteral("You answered the following questions incorrectly."),
                         {240, 960, 12000, 540}, 15.75, colours::commandText, Qt::AlignLeft);
    for (int k = 0; k < lineCount; ++k) {
        QLabel *line =
            blackLabel(client(), QStringLiteral("Label2(%1)").arg(k), QString(),
                       {120, 1680.0 + 600 * k, 12000, 540}, 15.75, colours::white, Qt::AlignLeft);
        line->hide();
        m_lines.append(line);
    }
    blackLabel(client(), QStringLiteral("Label5"),
               QStringLiteral("Read the Key Facts and try again."), {0, 7920, 12000, 540}, 20.25,
               colours::commandText, Qt::AlignHCenter);
    // Created last so that it lies over the advice line it shares a row with.
    auto *buttons = new ButtonArray(client(), QStringLiteral("Label3"), false);
    buttons->add(1, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, ButtonArray::commandLook(),
                 false);
    connect(buttons, &ButtonArray::clicked, this, &WrongAnswersScreen::exitReview);
    setEscapeCommand(buttons->at(1));
}

void WrongAnswersScreen::load()
{
    setupScreen();
}

void WrongAnswersScreen::setTitle(const QString &title)
{
    m_title->setText(title);
    // A screen reader passes over a screen without a name, and all the lines on it.
    setSpokenHeading(title);
}

void WrongAnswersScreen::setLines(const QStringList &lines)
{
    for (int k = 0; k < lineCount; ++k) {
        QLabel *line = m_lines.at(k);
        line->setVisible(k < lines.size());
        line->setText(k < lines.size() ? lines.at(k) : QString());
        // A question too long for its line can still be read in full.
        line->setToolTip(line->text());
    }
}

void WrongAnswersScreen::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        QStringList reading{m_intro->text()};
        for (const QLabel *line : std::as_const(m_lines))
            reading.append(line->text());
        readAloud(spokentext::sentences(reading));
    }
    Screen::showEvent(event);
}

void WrongAnswersScreen::exitReview()
{
    Screens &screens = host().screens();
    screens.unload(screens.find<ResultsScreen>());
    screens.unload(this);
}

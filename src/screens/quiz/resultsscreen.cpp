#include "quiz/resultsscreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/pictureview.h"
#include "controls/place.h"
#include "frame/printjob.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "look/twips.h"
#include "printouts/certificateprintout.h"
#include "quiz/scoretext.h"
#include "quiz/wronganswersscreen.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor bannerLilac(128, 128, 255);

void setUpTimer(QTimer &timer, int ms)
{
    timer.setInterval(ms);
    timer.setSingleShot(true);
}
} // namespace

ResultsScreen::ResultsScreen(ScreenHost &host) : Screen(host, QStringLiteral("Welldone"))
{
    using namespace controls;
    const QFont times24 = fonts::screenFont(fonts::timesNewRoman, 24);
    QLabel *wellDone = textLabel(client(), QStringLiteral("Label4"), QStringLiteral("Well Done!"),
                                 {0, 120, 12000, 900}, fonts::screenFont(fonts::tahoma, 36, true),
                                 colours::commandText);
    controls::setBackColour(wellDone, colours::black);

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(ActionCommand, QString(), {240, 1800, 3765, 495}, look)->hide();

    m_picture = new PictureView(client(), QStringLiteral("Picture1"), {5880, 1440, 4800, 3600});

    m_banner = textLabel(client(), QStringLiteral("Label1"), QString(), {0, 5400, 12000, 855},
                         times24, colours::commandText);
    controls::setBackColour(m_banner, bannerLilac);
    m_hint = textLabel(client(), QStringLiteral("Label5"), QString(), {1680, 6000, 8640, 1335},
                       times24, colours::commandText);
    m_hint->hide();
    m_tryAgain = textLabel(client(), QStringLiteral("Label6"),
                           QStringLiteral("Read the Key Facts and try again."),
                           {0, 6240, 12000, 855}, times24, colours::commandText);
    // The name box lies over the hint's rectangle and must take the clicks there.
    m_name = new QLineEdit(client());
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setFont(times24);
    controls::setUpUnannounced([this] { m_name->setMaxLength(maxNameLength); });
    m_name->setAccessibleName(QStringLiteral("Your name"));
    placeTwips(m_name, 3120, 6600, 5760, 615);
    m_name->hide();
    m_nameInstruction = textLabel(
        client(), QStringLiteral("Label2"),
        QStringLiteral("Enter your name in the box above before printing your certificate"),
        {3120, 7440, 5775, 855}, fonts::screenFont(fonts::timesNewRoman, 18), colours::commandText);
    m_nameInstruction->hide();

    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    setSpokenHeading(QStringLiteral("Well Done!"));
    setEscapeCommand(m_buttons->at(ExitCommand));
    connect(m_buttons, &ButtonArray::clicked, this, &ResultsScreen::clicked);

    setUpTimer(m_pictureTimer, 1);
    setUpTimer(m_focusTimer, 10);
    setUpTimer(m_lastTimer, 1);
    connect(&m_pictureTimer, &QTimer::timeout, this, &ResultsScreen::showPicture);
    connect(&m_focusTimer, &QTimer::timeout, this, &ResultsScreen::settleFocus);
    // The last of the three has nothing left to do; it only closes the sequence.
    connect(&m_lastTimer, &QTimer::timeout, this, [] {});
}

void ResultsScreen::load()
{
    setupScreen();
}

void ResultsScreen::showScore(int score, int outOf, const QString &heading)
{
    m_score = score;
    m_outOf = outOf;
    m_heading = heading;
    ButtonLabel *action = m_buttons->at(ActionCommand);
    const Praise praise = praiseFor(score, outOf);
    if (praise == Praise::FullMarks) {
        m_tryAgain->hide();
        action->show();
        m_banner->setText(
            scoreMessage(QStringLiteral("Excellent work. You have scored"), score, outOf));
        action->setText(QStringLiteral("Print Certificate"));
        m_name->show();
        m_nameInstruction->show();
    } else {
        const QString opening = praise == Praise::NearlyThere
                                    ? QStringLiteral("Good work. You have scored")
                                    : QStringLiteral("You have scored");
        m_banner->setText(scoreMessage(opening, score, outOf));
        m_hint->setText(QStringLiteral(
            "Click the button above to check which questions you answered incorrectly."));
        action->setText(QStringLiteral("Check Wrong Answers"));
    }
    readAloud(m_banner->text());
    m_pictureTimer.start();
}

void ResultsScreen::revealAction()
{
    m_tryAgain->hide();
    m_hint->show();
    m_buttons->at(ActionCommand)->show();
}

QString ResultsScreen::pupilName() const
{
    return m_name->text();
}

void ResultsScreen::showPicture()
{
    // A missing picture leaves the box empty; nothing else on the screen depends on it.
    m_picture->loadPicture(QStringLiteral("images\\hadleysm.jpg"));
    m_focusTimer.start();
}

void ResultsScreen::settleFocus()
{
    if (m_name->isVisible())
        m_name->setFocus(Qt::OtherFocusReason);
    for (int index : m_buttons->indexes())
        m_buttons->at(index)->setOpaque(true);
    m_lastTimer.start();
}

void ResultsScreen::clicked(int index)
{
    if (index == ExitCommand) {
        exitResults();
        return;
    }
    if (m_score == m_outOf)
        printPage();
    else
        host().screens().show<WrongAnswersScreen>();
}

void ResultsScreen::printPage()
{
    Certificate certificate;
    certificate.heading = m_heading;
    certificate.pupilName = m_name->text();
    certificate.score = m_score;
    certificate.outOf = m_outOf;
    certificate.headingScreenWidth =
        Twips::fromPixels(QFontMetricsF(ownFont()).horizontalAdvance(m_heading));
    runPrintJob(
        host(), [&](PrintSurface &surface) { return printCertificate(surface, certificate); },
        QStringLiteral("Your certificate is now printing."));
}

QFont ResultsScreen::ownFont()
{
    // The screen's default font, which none of its controls use.
    return fonts::screenFont(fonts::tahoma, 8.25);
}

void ResultsScreen::exitResults()
{
    Screens &screens = host().screens();
    screens.unload(screens.find<WrongAnswersScreen>());
    screens.unload(this);
}

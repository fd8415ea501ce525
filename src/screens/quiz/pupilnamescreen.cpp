#include "quiz/pupilnamescreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/place.h"
#include "frame/appstate.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString askText = QStringLiteral("Type your name, then press Enter to start the quiz.");
const QString nameProblem = QStringLiteral("Please type your name. It starts with a letter.");
} // namespace

PupilNameScreen::PupilNameScreen(ScreenHost &host) : Screen(host, QStringLiteral("pupilname"))
{
    using namespace controls;
    const QFont times24 = fonts::screenFont(fonts::timesNewRoman, 24);
    textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Who is taking the quiz?"),
              {0, 720, 12000, 900}, fonts::screenFont(fonts::tahoma, 32.25, true),
              colours::commandText);
    textLabel(client(), QStringLiteral("Label2"), askText, {600, 2400, 10800, 855}, times24,
              colours::commandText);
    m_name = new QLineEdit(client());
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setFont(times24);
    m_name->setMaxLength(60);
    m_name->setAccessibleName(QStringLiteral("Your name"));
    placeTwips(m_name, 3120, 3600, 5760, 615);
    m_problem = textLabel(client(), QStringLiteral("Label3"), QString(), {600, 4560, 10800, 855},
                          fonts::screenFont(fonts::timesNewRoman, 18), colours::commandText);

    m_buttons = new ButtonArray(client(), QStringLiteral("Label4"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(StartCommand, QStringLiteral("Start Quiz >>"), {4440, 5760, 3120, 495}, look);
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    setSpokenHeading(QStringLiteral("Who is taking the quiz?"));
    setEscapeCommand(m_buttons->at(ExitCommand));
    connect(m_buttons, &ButtonArray::clicked, this, &PupilNameScreen::clicked);
    connect(m_name, &QLineEdit::returnPressed, this, &PupilNameScreen::start);
}

void PupilNameScreen::load()
{
    setupScreen();
}

void PupilNameScreen::askBefore(const QuizRequest &request)
{
    m_request = request;
    m_problem->clear();
    m_name->setFocus(Qt::OtherFocusReason);
}

void PupilNameScreen::clicked(int index)
{
    if (index == StartCommand)
        start();
    else
        host().screens().unload(this);
}

void PupilNameScreen::start()
{
    if (!isPupilName(m_name->text())) {
        m_problem->setText(nameProblem);
        announce(nameProblem);
        m_name->setFocus(Qt::OtherFocusReason);
        return;
    }
    host().state().classroom.setPupilName(m_name->text());
    Screens &screens = host().screens();
    screens.touch<QuizScreen>()->take(m_request);
    screens.show<QuizScreen>();
    screens.unload(this);
}

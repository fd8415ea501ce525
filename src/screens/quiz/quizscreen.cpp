#include "quiz/quizscreen.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controlgroup.h"
#include "controls/controls.h"
#include "controls/pictureview.h"
#include "controls/waitcursor.h"
#include "frame/appstate.h"
#include "frame/dialogs.h"
#include "frame/printjob.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "printouts/worksheetprintout.h"
#include "quiz/answerkeys.h"
#include "quiz/quizreading.h"
#include "quiz/quizrun.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "results/attempt.h"
#include "results/resultsfolder.h"
#include "texts/numbertext.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace {
// The hidden choice that stands for "no answer yet", so the four visible ones can all be clear.
constexpr int noAnswer = 5;
const QColor headingGreen(0, 255, 0);
const QColor titleLilac(128, 128, 255);

QFont questionFont()
{
    return fonts::screenFont(fonts::timesNewRoman, 30);
}

QFont answerFont()
{
    return fonts::screenFont(fonts::timesNewRoman, 20.25);
}
} // namespace

QuizScreen::QuizScreen(ScreenHost &host) : Screen(host, QStringLiteral("multiple"))
{
    using namespace controls;
    const QFont tahomaLarge = fonts::screenFont(fonts::tahoma, 36, true);
    const QFont times24 = fonts::screenFont(fonts::timesNewRoman, 24);

    QLabel *banner =
        textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Multiple Choice"),
                  {120, 120, 6240, 900}, tahomaLarge, colours::commandText);
    controls::setBackColour(banner, colours::black);
    m_heading = textLabel(client(), QStringLiteral("Label5"), QString(), {120, 1200, 6465, 585},
                          times24, headingGreen);
    m_title = textLabel(client(), QStringLiteral("Label6"), QString(), {120, 1920, 6465, 705},
                        times24, titleLilac);
    m_picture = new PictureView(client(), QStringLiteral("Picture1"), {6840, 240, 855, 615});
    // A teacher's worksheet shows the menu's large picture here; whole, it still reads.
    m_picture->setShrinkToFit(true);

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(PrintCommand, QStringLiteral("Print Worksheet"), {7920, 1920, 3045, 495}, look)
        ->hide();

    m_questionNumber =
        textLabel(client(), QStringLiteral("Label4"), QString(), {360, 3240, 5415, 615}, times24,
                  colours::commandText, Qt::AlignLeft | Qt::AlignVCenter);
    m_questionText = textLabel(client(), QStringLiteral("Label2"), QString(),
                               {960, 3960, 9840, 1455}, questionFont(), colours::commandText);

    // The answers are spoken under the question's number and text whenever the focus comes
    // to them from a command, so each new question is heard before its first answer.
    m_answerGroup = new ControlGroup(client(), QStringLiteral("Answers"),
                                     {2400, 5400, 6975, 600 * (noAnswer - 1) + 525});
    m_answers = new QButtonGroup(this);
    for (int choice = 1; choice <= noAnswer; ++choice) {
        const QRectF place(0, 600 * (choice - 1), 6975, 525);
        QRadioButton *option =
            optionButton(m_answerGroup, QStringLiteral("Option1(%1)").arg(choice), QString(), place,
                         answerFont(), colours::commandText);
        m_answers->addButton(option, choice);
    }
    answerOption(noAnswer)->hide();
    controls::clipToChildren(m_answerGroup);

    m_buttons
        ->add(PreviousCommand, QStringLiteral("<< Previous Question"), {2040, 7920, 3765, 495},
              look)
        ->hide();
    m_buttons->add(NextCommand, QStringLiteral("Next Question >>"), {6000, 7920, 3765, 495}, look);
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    connect(m_buttons, &ButtonArray::clicked, this, &QuizScreen::clicked);
    setSpokenHeading(QStringLiteral("Multiple Choice"));
    setEscapeCommand(m_buttons->at(ExitCommand));
    // The teacher's command comes last, so the keyboard starts a pupil at the answers.
    setTabOrder(m_buttons->at(ExitCommand), m_buttons->at(PrintCommand));
}

QRadioButton *QuizScreen::answerOption(int choice) const
{
    return qobject_cast<QRadioButton *>(m_answers->button(choice));
}

void QuizScreen::load()
{
    setupScreen();
    for (int choice = 1; choice < noAnswer; ++choice)
        controls::setBackColour(answerOption(choice), colours::frame);
}

void QuizScreen::take(const QuizRequest &request)
{
    m_run = QuizRun(request.set);
    m_title->setText(request.set.title);
    m_heading->setText(request.heading);
    m_picture->loadPicture(request.picturePath);
    m_buttons->at(PrintCommand)->setVisible(request.printable);
    showQuest();
}

void QuizScreen::showQuest()
{
    const QuizRun &run = m_run;
    const Question &question = run.current();
    // Asked for first, so the speech service starts on it while the screen changes.
    readAloud(quizreading::question(run.number(), question));
    answerOption(noAnswer)->setChecked(true);
    m_buttons->at(PreviousCommand)->setVisible(!run.isFirst());
    m_buttons->at(NextCommand)
        ->setText(run.isLast() ? QStringLiteral("Check Score >>")
                               : QStringLiteral("Next Question >>"));
    m_questionNumber->setText(QStringLiteral("Question") + numberText(run.number()));
    controls::setFittedText(m_questionText, question.text, questionFont());
    m_answerGroup->setHeading({m_questionNumber, m_questionText});
    for (int choice = 1; choice < noAnswer; ++choice) {
        QRadioButton *option = answerOption(choice);
        const QString &answer = question.answers.at(choice - 1);
        controls::setFittedText(option, answer, answerFont());
        option->setAccessibleName(answerkeys::letter(choice) + QStringLiteral(": ") + answer);
    }
    const QString again =
        readsAloud() ? QStringLiteral("Press R to hear the question again.") : QString();
    m_questionNumber->setToolTip(again);
    m_questionText->setToolTip(again);
    // The pupil starts each question at its answers; no answer is chosen for them.
    if (isVisible())
        answerOption(1)->setFocus(Qt::OtherFocusReason);
}

void QuizScreen::keyPressEvent(QKeyEvent *event)
{
    // 1 to 4 and A to D choose an answer as a click on it does.
    const int choice = answerkeys::choiceForKey(event->key());
    if (choice > 0 && event->modifiers() == Qt::NoModifier) {
        QRadioButton *option = answerOption(choice);
        const bool moved = window()->focusWidget() != option;
        option->setFocus(Qt::OtherFocusReason);
        option->click();
        // A screen reader speaks an answer the focus moves to, chosen or not, but says
        // nothing when the answer it is on becomes the chosen one.
        if (!moved)
            announce(option->accessibleName() + QStringLiteral(", selected"));
        return;
    }
    Screen::keyPressEvent(event);
}

void QuizScreen::clicked(int index)
{
    switch (index) {
    case PreviousCommand:
        previousQuestion();
        break;
    case NextCommand:
        nextQuestion();
        break;
    case ExitCommand:
        host().screens().unload(this);
        break;
    case PrintCommand:
        printPage();
        break;
    default:
        break;
    }
}

void QuizScreen::printPage()
{
    const QString heading = m_heading->text();
    const QuestionSet &set = m_run.set();
    runPrintJob(
        host(), [&](PrintSurface &surface) { return printWorksheet(surface, heading, set); },
        QStringLiteral("Your worksheet is now printing."));
}

void QuizScreen::previousQuestion()
{
    m_run.previous();
    showQuest();
}

void QuizScreen::nextQuestion()
{
    if (m_run.next(chosenAnswer()))
        scoreQuiz();
    else
        showQuest();
}

int QuizScreen::chosenAnswer() const
{
    const int checked = m_answers->checkedId();
    return checked >= 1 && checked < noAnswer ? checked : 0;
}

void QuizScreen::scoreQuiz()
{
    Screens &screens = host().screens();
    const QStringList wrong = m_run.wrongLines();
    // The review is only loaded when there is something to review.
    if (!wrong.isEmpty()) {
        WrongAnswersScreen *review = screens.touch<WrongAnswersScreen>();
        review->setLines(wrong);
        review->setTitle(m_title->text());
    }
    ResultsScreen *results = screens.touch<ResultsScreen>();
    results->showScore(m_run.score(), QuestionSet::questionCount, m_heading->text());
    results->revealAction();
    screens.show<ResultsScreen>();
    recordAttempt();
    screens.unload(this);
}

void QuizScreen::recordAttempt()
{
    const QString pupil = host().state().classroom.pupilName();
    const Attempt attempt = Attempt::of(m_run, pupil, QDateTime::currentDateTime());
    QString problem;
    const bool recorded = [&] {
        const WaitCursor waiting;
        return ResultsFolder().record(attempt, &problem);
    }();
    // The results stay on the screen; the pupil only learns that the teacher will not see them.
    if (!recorded)
        host().dialogs().inform(
            QStringLiteral("Your score could not be saved for your teacher (%1). Please tell your "
                           "teacher your score.")
                .arg(problem));
}

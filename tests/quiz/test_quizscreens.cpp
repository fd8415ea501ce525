#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/pictureview.h"
#include "files/textfile.h"
#include "frame/application.h"
#include "look/twips.h"
#include "pupil.h"
#include "quiz/questionset.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"
#include "testservices.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

QStringList shownLines(WrongAnswersScreen *review)
{
    QStringList lines;
    for (int k = 0; k < WrongAnswersScreen::lineCount; ++k) {
        auto *line = review->findChild<QLabel *>(QStringLiteral("Label2(%1)").arg(k));
        if (line->isVisibleTo(review))
            lines << line->text();
    }
    return lines;
}

} // namespace

class QuizScreensTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // The praise and the name box at full marks are the walk with Orca's.
    void theWrongAnswersFollowTheScore()
    {
        Pupil pupil;
        ResultsScreen *results = pupil.takeQuiz(
            [](int q) { return q == 2 || q == 7 ? rightAnswer(q) % 4 + 1 : rightAnswer(q); });
        QCOMPARE(textOf<QLabel>(results, QStringLiteral("Label1")),
                 QStringLiteral("Good work. You have scored 8 out of 10."));
        QVERIFY(!results->findChild<QLineEdit *>(QStringLiteral("Text1"))->isVisible());
        auto *review = pupil.screens().find<WrongAnswersScreen>();
        QVERIFY(review && !review->isVisible());
        click(results->buttons()->at(ResultsScreen::ActionCommand));
        QCOMPARE(pupil.screens().front(), review);
        QCOMPARE(shownLines(review),
                 (QStringList{" 2. Question number 2?", " 7. Question number 7?"}));
        // Leaving the review closes the results too.
        click(review->findChild<ButtonLabel *>(QStringLiteral("Label3(1)")));
        QCOMPARE(pupil.screens().front(), pupil.hub);
        QVERIFY(!pupil.screens().find<ResultsScreen>() &&
                !pupil.screens().find<WrongAnswersScreen>());

        // Nothing answered lists all ten; Exit on the results closes the unseen review too.
        results = pupil.takeQuiz([](int) { return 0; });
        QCOMPARE(textOf<QLabel>(results, QStringLiteral("Label1")),
                 QStringLiteral("You have scored 0 out of 10."));
        QCOMPARE(shownLines(pupil.screens().find<WrongAnswersScreen>()).size(), 10);
        click(results->buttons()->at(ResultsScreen::ExitCommand));
        QCOMPARE(pupil.screens().front(), pupil.hub);
        QVERIFY(!pupil.screens().find<ResultsScreen>() &&
                !pupil.screens().find<WrongAnswersScreen>());

        // Full marks: once the screen has painted, the name box takes the keys.
        results = pupil.takeQuiz([](int q) { return rightAnswer(q); });
        QTRY_COMPARE(results->focusWidget(),
                     results->findChild<QLineEdit *>(QStringLiteral("Text1")));
    }

    void movingBackAsksTheQuestionAfresh()
    {
        Pupil pupil;
        QuizScreen *quiz = pupil.openQuiz();
        ButtonLabel *previous = quiz->buttons()->at(QuizScreen::PreviousCommand);
        ButtonLabel *next = quiz->buttons()->at(QuizScreen::NextCommand);
        QVERIFY(!previous->isVisible());
        for (int q = 1; q <= 4; ++q) {
            Pupil::answer(quiz, rightAnswer(q));
            click(next);
        }
        QVERIFY(previous->isVisible());
        click(previous);
        QCOMPARE(textOf<QLabel>(quiz, QStringLiteral("Label4")), QStringLiteral("Question 4"));
        for (int choice = 1; choice <= 4; ++choice)
            QVERIFY(!quiz->answerOption(choice)->isChecked());
        QCOMPARE(quiz->focusWidget(), quiz->answerOption(1));
        click(next); // left unanswered this time
        for (int q = 5; q <= 9; ++q) {
            Pupil::answer(quiz, rightAnswer(q));
            click(next);
        }
        QCOMPARE(next->text(), QStringLiteral("Check Score >>"));
        click(previous);
        QCOMPARE(next->text(), QStringLiteral("Next Question >>"));
        Pupil::answer(quiz, rightAnswer(9));
        click(next);
        Pupil::answer(quiz, rightAnswer(10));
        click(next);
        auto *review = pupil.screens().find<WrongAnswersScreen>();
        QCOMPARE(shownLines(review), QStringList{QStringLiteral(" 4. Question number 4?")});
        QCOMPARE(pupil.screens().find<ResultsScreen>()->score(), 9);
    }

    // The answer's row is its control: a click or a touch far to the right of its words
    // chooses it, at whatever zoom the display gives.
    void aClickOrTouchAnywhereOnTheRowChoosesTheAnswer()
    {
        Pupil pupil;
        QuizScreen *quiz = pupil.openQuiz();
        QRadioButton *third = quiz->answerOption(3);
        const QPoint nearEnd(third->width() - 4, third->height() / 2);
        QTest::mouseClick(third, Qt::LeftButton, {}, nearEnd);
        QVERIFY(third->isChecked());

        QRadioButton *right = quiz->answerOption(rightAnswer(1));
        const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
        QTest::touchEvent(right, touchScreen.get()).press(0, nearEnd, right);
        QTest::touchEvent(right, touchScreen.get()).release(0, nearEnd, right);
        QVERIFY(right->isChecked());
        click(quiz->buttons()->at(QuizScreen::NextCommand));
        QCOMPARE(quiz->run().score(), 1);
    }

    void eachQuizReadsTheFileAfresh()
    {
        Pupil pupil;
        QuizScreen *quiz = pupil.openQuiz();
        QCOMPARE(textOf<QLabel>(quiz, QStringLiteral("Label2")), QStringLiteral("First?"));
        // Exit mid-quiz opens nothing and scores nothing.
        Pupil::answer(quiz, rightAnswer(1));
        click(quiz->buttons()->at(QuizScreen::NextCommand));
        click(quiz->buttons()->at(QuizScreen::ExitCommand));
        QVERIFY(!pupil.screens().find<QuizScreen>() && !pupil.screens().find<ResultsScreen>());

        pupil.program.writeFile(
            topicFile, topicSet(QStringLiteral("Edited, again"), QStringLiteral("Changed first?")));
        quiz = pupil.openQuiz();
        QCOMPARE(textOf<QLabel>(quiz, QStringLiteral("Label2")), QStringLiteral("Changed first?"));
        QCOMPARE(textOf<QLabel>(quiz, QStringLiteral("Label6")), QStringLiteral("Edited, again"));
        QCOMPARE(textOf<QLabel>(quiz, QStringLiteral("Label4")), QStringLiteral("Question 1"));
    }

    void aMissingOrShortTopicFileIsReportedAndOpensNothing()
    {
        Pupil pupil;
        click(pupil.hub->buttons()->at(TopicHub::QuizActivity));
        click(pupil.screens().find<QuizScreen>()->buttons()->at(QuizScreen::ExitCommand));

        const QByteArray whole = topicSet(QStringLiteral("Half"));
        pupil.program.writeFile(topicFile, whole.left(whole.size() / 2));
        click(pupil.hub->buttons()->at(TopicHub::QuizActivity));
        QVERIFY(QFile::remove(topicFile));
        click(pupil.hub->buttons()->at(TopicHub::QuizActivity));

        QCOMPARE(pupil.program.dialogs().messages.size(), 2);
        // Named as the teacher finds it on this system.
        QVERIFY(pupil.program.dialogs().messages.at(0).contains(
            QDir::currentPath() + QStringLiteral("/multiple/Tomas Verrin.txt")));
        QVERIFY(!pupil.screens().find<QuizScreen>());
        QCOMPARE(pupil.screens().front(), pupil.hub);
    }

    void longTextsShrinkToBeReadInFull()
    {
        const QString longQuestion = QStringLiteral(
            "Which of these happened when Tomas was a small boy playing in his father's "
            "workshop in the village?");
        Pupil pupil(topicSet(QStringLiteral("Long"), longQuestion));
        QuizScreen *quiz = pupil.openQuiz();
        auto *question = quiz->findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(question->text(), longQuestion);
        QVERIFY(question->heightForWidth(question->width()) <= question->height());
        QRadioButton *option = quiz->answerOption(1);
        const int designSize = option->font().pixelSize();

        // The shipped answers of this length fit once the quiz sets them.
        const QByteArray shipped =
            fileBytes(QStringLiteral(ZORVANEL_SOURCE_DIR "/content/multiple/Tomas Verrin.txt"));
        Pupil reader(shipped);
        quiz = reader.openQuiz();
        for (int q = 1; q <= QuestionSet::questionCount; ++q) {
            for (int choice = 1; choice <= 4; ++choice) {
                QRadioButton *answer = quiz->answerOption(choice);
                QVERIFY2(answer->sizeHint().width() <= answer->width(), qPrintable(answer->text()));
                QVERIFY(answer->font().pixelSize() >= designSize * 3 / 5);
            }
            click(quiz->buttons()->at(QuizScreen::NextCommand));
            if (!reader.screens().find<QuizScreen>())
                break;
        }
    }
};

QTEST_MAIN(QuizScreensTest)
#include "test_quizscreens.moc"

// A pupil without a mouse: the keys that reach and run every control, and the Braille cells
// a screen reader is given. What a screen reader makes of it all, the walk with Orca in
// tests/e2e/screen_reader.py hears.
#include "app/application.h"
#include "braille/braillecell.h"
#include "quiz/answerkeys.h"
#include "shell/closingscreen.h"
#include "pupil.h"

#include <QApplication>
#include <QTest>

namespace {

// The standard alphabet's dot numbers, as a Braille primer lists them.
const char *const standardDots[26] = {
    "1",    "1 2",   "1 4",   "1 4 5",   "1 5",   "1 2 4",     "1 2 4 5", "1 2 5", "2 4",
    "2 4 5", "1 3",  "1 2 3", "1 3 4",   "1 3 4 5", "1 3 5",  "1 2 3 4", "1 2 3 4 5",
    "1 2 3 5", "2 3 4", "2 3 4 5", "1 3 6", "1 2 3 6", "2 4 5 6", "1 3 4 6", "1 3 4 5 6",
    "1 3 5 6"};

QChar patternOf(const QString &dots)
{
    char16_t pattern = 0x2800;
    for (const QString &dot : dots.split(u' ', Qt::SkipEmptyParts))
        pattern |= char16_t(1u << (dot.toInt() - 1));
    return QChar(pattern);
}

QWidget *focusOf(Pupil &pupil)
{
    return pupil.program.context().backdrop().focusWidget();
}

void press(Pupil &pupil, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focusOf(pupil), Qt::Key(key), modifiers);
}

// Presses Tab until the focus is on `target`; false if a whole round never got there.
bool tabTo(Pupil &pupil, QWidget *target)
{
    for (int i = 0; i < 80 && focusOf(pupil) != target; ++i)
        press(pupil, Qt::Key_Tab);
    return focusOf(pupil) == target;
}

} // namespace

class KeyboardTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void brailleTextIsTheDrawnCells_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<QString>("dots");
        for (int letter = 0; letter < 26; ++letter)
            QTest::addRow("%c", 'a' + letter) << QChar(u'a' + letter) << QString::fromLatin1(standardDots[letter]);
        QTest::newRow("a capital") << QChar(u'A') << QString();
        QTest::newRow("a blank") << QChar(u' ') << QString();
        QTest::newRow("an accented letter") << QChar(0xe9) << QString();
    }
    void brailleTextIsTheDrawnCells()
    {
        QFETCH(QChar, character);
        QFETCH(QString, dots);
        const int code = braille::letterCode(character);
        QCOMPARE(braille::unicodeCell(code), patternOf(dots));
        QCOMPARE(braille::raisedDotNumbers(code), dots);
        QCOMPARE(braille::unicodeWord(QString(3, character)), QString(3, patternOf(dots)));
    }

    void keysChooseAnswers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("choice");
        QTest::newRow("1") << int(Qt::Key_1) << 1;
        QTest::newRow("4") << int(Qt::Key_4) << 4;
        QTest::newRow("A") << int(Qt::Key_A) << 1;
        QTest::newRow("D") << int(Qt::Key_D) << 4;
        QTest::newRow("0 chooses nothing") << int(Qt::Key_0) << 0;
        QTest::newRow("5 chooses nothing") << int(Qt::Key_5) << 0;
        QTest::newRow("E chooses nothing") << int(Qt::Key_E) << 0;
    }
    void keysChooseAnswers()
    {
        QFETCH(int, key);
        QFETCH(int, choice);
        QCOMPARE(answerkeys::choiceForKey(key), choice);
    }

    void tabGoesRoundTheFrontScreenOnly_data()
    {
        QTest::addColumn<int>("activity");
        QTest::newRow("timeline") << int(TopicHub::TimelineActivity);
        QTest::newRow("cipher") << int(TopicHub::CipherActivity);
        QTest::newRow("quiz") << int(TopicHub::QuizActivity);
    }
    void tabGoesRoundTheFrontScreenOnly()
    {
        QFETCH(int, activity);
        Pupil pupil;
        click(pupil.hub->buttons()->at(activity));
        Screen *front = pupil.front();
        QVERIFY(front != pupil.hub);
        QWidget *first = focusOf(pupil);
        QVERIFY(first && front->isAncestorOf(first));
        QList<QWidget *> round{first};
        for (int i = 0; i < 60; ++i) {
            press(pupil, Qt::Key_Tab);
            QVERIFY2(front->isAncestorOf(focusOf(pupil)), qPrintable(focusOf(pupil)->objectName()));
            if (focusOf(pupil) == first)
                break;
            round.append(focusOf(pupil));
        }
        QCOMPARE(focusOf(pupil), first);
        QVERIFY(round.size() >= 3);
        // Shift+Tab walks the same round backwards.
        for (qsizetype i = round.size() - 1; i >= 0; --i) {
            press(pupil, Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusOf(pupil), round.at(i));
        }
    }

    void escapeIsTheWayOut_data()
    {
        QTest::addColumn<int>("activity");
        QTest::newRow("cipher") << int(TopicHub::CipherActivity);
        QTest::newRow("timeline") << int(TopicHub::TimelineActivity);
        QTest::newRow("quiz") << int(TopicHub::QuizActivity);
        QTest::newRow("key facts") << int(TopicHub::KeyFactsActivity);
    }
    void escapeIsTheWayOut()
    {
        QFETCH(int, activity);
        Pupil pupil;
        click(pupil.hub->buttons()->at(activity));
        QVERIFY(pupil.front() != pupil.hub);
        press(pupil, Qt::Key_Escape);
        QCOMPARE(pupil.front(), pupil.hub);
        QVERIFY(pupil.hub->isAncestorOf(focusOf(pupil)));
        press(pupil, Qt::Key_Escape);
        // The hub's Exit brings a fresh menu.
        auto *menu = pupil.screens().find<MainMenu>();
        QCOMPARE(pupil.front(), menu);
        // On the menu Escape leads to the closing screen, where it goes back as Cancel does.
        press(pupil, Qt::Key_Escape);
        QCOMPARE(pupil.front(), pupil.screens().find<ClosingScreen>());
        press(pupil, Qt::Key_Escape);
        QVERIFY(qobject_cast<MainMenu *>(pupil.front()));
        QVERIFY(pupil.program.quits.isEmpty());
    }

    void escapeKeepsTyping()
    {
        Pupil pupil;
        press(pupil, Qt::Key_Escape);
        click(pupil.screens().find<MainMenu>()->entries()->at(MainMenu::WizardEntry));
        Screen *wizard = pupil.front();
        QCOMPARE(wizard->objectName(), QStringLiteral("wizard"));
        QTest::keyClicks(focusOf(pupil), QStringLiteral("Birds"));
        press(pupil, Qt::Key_Escape);
        QCOMPARE(pupil.front(), wizard);
        QTest::keyClick(focusOf(pupil), Qt::Key_A, Qt::ControlModifier);
        press(pupil, Qt::Key_Delete);
        press(pupil, Qt::Key_Escape);
        QVERIFY(qobject_cast<MainMenu *>(pupil.front()));
    }

    void theQuizByKeysAlone()
    {
        Pupil pupil;
        // The answers' arrows follow the application's focus, which needs an active window.
        QWidget &window = pupil.program.context().backdrop();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QuizScreen *quiz = pupil.openQuiz();
        QRadioButton *first = quiz->answerOption(1);
        QCOMPARE(focusOf(pupil), first);
        // The arrows move between the answers; Space chooses one, and then the arrows choose
        // as they go.
        press(pupil, Qt::Key_Down);
        QCOMPARE(focusOf(pupil), quiz->answerOption(2));
        press(pupil, Qt::Key_Space);
        QVERIFY(quiz->answerOption(2)->isChecked());
        press(pupil, Qt::Key_Up);
        QCOMPARE(focusOf(pupil), first);
        press(pupil, Qt::Key_Down);
        press(pupil, Qt::Key_Down);
        press(pupil, Qt::Key_Down);
        QCOMPARE(focusOf(pupil), quiz->answerOption(4));
        for (int q = 1; q <= QuestionSet::questionCount; ++q) {
            const int right = rightAnswer(q);
            press(pupil, q % 2 ? Qt::Key_1 + right - 1 : Qt::Key_A + right - 1);
            QVERIFY(quiz->answerOption(right)->isChecked());
            QCOMPARE(focusOf(pupil), quiz->answerOption(right));
            QVERIFY(tabTo(pupil, quiz->buttons()->at(QuizScreen::NextCommand)));
            // Return shows the command pressed for a moment before it runs.
            press(pupil, Qt::Key_Return);
            if (q < QuestionSet::questionCount)
                QTRY_COMPARE(pupil.state().questionNumber, q + 1);
        }
        QTRY_VERIFY(pupil.screens().find<ResultsScreen>());
        QCOMPARE(pupil.front(), pupil.screens().find<ResultsScreen>());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"

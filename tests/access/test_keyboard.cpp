// A pupil without a mouse: the keys that reach and run every control, and the Braille cells
// a screen reader is given. What a screen reader makes of it all, the walk with Orca in
// tests/e2e/screen_reader.py hears.
#include "braille/braillecell.h"
#include "frame/application.h"
#include "pupil.h"
#include "quiz/answerkeys.h"
#include "shell/closingscreen.h"
#include "standardbraille.h"

#include <QApplication>
#include <QTest>

namespace {

QChar patternOf(const QString &dots)
{
    char16_t pattern = 0x2800;
    for (const QChar dot : dots)
        pattern |= char16_t(1u << (dot.digitValue() - 1));
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

} // namespace

class KeyboardTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // What a Braille display and a screen reader are given is the cells drawn; a capital or
    // an accented letter has no cell of its own.
    void brailleTextIsTheDrawnCells()
    {
        for (int letter = 0; letter < 26; ++letter) {
            const QString dots = QLatin1String(standardBrailleDots[letter]);
            const int code = braille::letterCode(QChar(u'a' + letter));
            QCOMPARE(braille::unicodeCell(code), patternOf(dots));
            QCOMPARE(braille::raisedDotNumbers(code),
                     dots.split(QString(), Qt::SkipEmptyParts).join(u' '));
        }
        QCOMPARE(braille::unicodeWord(QStringLiteral("zA\u00e9 ")),
                 patternOf(QStringLiteral("1356")) + QString(3, patternOf(QString())));
    }

    // The quiz's walk below chooses by 1 to 4 and A to D; the keys beside them choose nothing.
    void keysBesideTheAnswersChooseNothing()
    {
        for (int key : {Qt::Key_0, Qt::Key_5, Qt::Key_E})
            QCOMPARE(answerkeys::choiceForKey(key), 0);
    }

    // On each activity Tab goes round its own controls only, Shift+Tab the same round back,
    // and Escape leads out screen by screen, to the closing screen and back from it.
    void tabGoesRoundTheFrontScreenAndEscapeLeads_data()
    {
        QTest::addColumn<int>("activity");
        QTest::newRow("timeline") << int(TopicHub::TimelineActivity);
        QTest::newRow("quiz") << int(TopicHub::QuizActivity);
    }
    void tabGoesRoundTheFrontScreenAndEscapeLeads()
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
        for (qsizetype i = round.size() - 1; i >= 0; --i) {
            press(pupil, Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusOf(pupil), round.at(i));
        }

        press(pupil, Qt::Key_Escape);
        QCOMPARE(pupil.front(), pupil.hub);
        QVERIFY(pupil.hub->isAncestorOf(focusOf(pupil)));
        press(pupil, Qt::Key_Escape);
        // The hub's Exit brings a fresh menu.
        QCOMPARE(pupil.front(), pupil.screens().find<MainMenu>());
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
        QVERIFY(quiz->answerOption(4)->isChecked());
        // The number and letter keys, and Tab and Return to go on, are the walk with Orca's.
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"

// The sound switch and what the screens have read aloud, on the speech service's stand-in.

#include "braille/cipherscreen.h"
#include "braille/cipherwords.h"
#include "frame/application.h"
#include "frame/desktopspeech.h"
#include "pupil.h"
#include "quiz/wronganswersscreen.h"
#include "viewers/notesviewer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QThread>

#include <atomic>

namespace {

QRadioButton *soundOption(MainMenu *menu, bool on)
{
    return menu->findChild<QRadioButton *>(on ? QStringLiteral("Option1")
                                              : QStringLiteral("Option2"));
}

const QString firstQuestionRead =
    QStringLiteral("Question 1. First? A, Answer 1 to 1; B, Answer 2 to 1; C, Answer 3 to 1; "
                   "D, Answer 4 to 1.");

} // namespace

class ReadAloudTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void theSwitchMeansWhatItShowsAndEachScreenReadsItsOwn()
    {
        Pupil pupil;
        RecordingSpeech &speech = pupil.program.speech();
        QVERIFY(soundOption(pupil.menu, false)->isChecked());
        QVERIFY(!soundOption(pupil.menu, true)->isChecked());
        // Off as it opens: a whole quiz is taken in silence.
        click(pupil.takeQuiz([](int q) { return rightAnswer(q); })
                  ->buttons()
                  ->at(ResultsScreen::ExitCommand));
        QVERIFY(speech.said.isEmpty());

        soundOption(pupil.menu, true)->click();
        QuizScreen *quiz = pupil.openQuiz();
        QCOMPARE(speech.said, QStringList{firstQuestionRead});
        QCOMPARE(quiz->findChild<QLabel *>(QStringLiteral("Label2"))->toolTip(),
                 QStringLiteral("Press R to hear the question again."));
        QTest::keyClick(quiz->answerOption(1), Qt::Key_R);
        QCOMPARE(speech.said.size(), 2);
        QCOMPARE(speech.said.last(), firstQuestionRead);
        click(quiz->buttons()->at(QuizScreen::NextCommand));
        QVERIFY(speech.said.last().startsWith(QStringLiteral("Question 2. Question number 2? A,")));
        // Leaving a screen silences it.
        const int stops = speech.stops;
        click(quiz->buttons()->at(QuizScreen::ExitCommand));
        QCOMPARE(speech.stops, stops + 1);

        // The score is read as the results open, and the quiz closing behind them leaves
        // it alone; the wrong answers are read as their list opens.
        speech.said.clear();
        ResultsScreen *results =
            pupil.takeQuiz([](int q) { return q == 7 ? rightAnswer(q) % 4 + 1 : rightAnswer(q); });
        QCOMPARE(speech.said.last(), QStringLiteral("Good work. You have scored 9 out of 10."));
        QCOMPARE(speech.stops, stops + 1);
        click(results->buttons()->at(ResultsScreen::ActionCommand));
        QCOMPARE(speech.said.last(),
                 QStringLiteral("You answered the following questions incorrectly. "
                                "7. Question number 7?"));
        click(pupil.screens().find<WrongAnswersScreen>()->findChild<ButtonLabel *>(
            QStringLiteral("Label3(1)")));

        // The cipher's answer is spelt, then said.
        CipherScreen *cipher = pupil.open<CipherScreen>(TopicHub::CipherActivity);
        click(cipher->findChild<ButtonLabel *>(
            QStringLiteral("Label3(%1)").arg(int(CipherScreen::AnswerCommand))));
        const QString word = cipher->findChild<QLabel *>(QStringLiteral("Label6"))->text();
        QVERIFY(!word.isEmpty());
        QCOMPARE(speech.said.last(), cipher::spokenAnswer(word));

        // Sound Off cuts the reading short and keeps the program silent from then on.
        soundOption(pupil.menu, false)->click();
        QCOMPARE(speech.stops, stops + 3);
        pupil.screens().unload(cipher);
        const qsizetype said = speech.said.size();
        click(pupil.openQuiz()->buttons()->at(QuizScreen::NextCommand));
        QCOMPARE(speech.said.size(), said);
    }

    void aPageIsReadAsItOpensAndTurns()
    {
        Pupil pupil;
        const QString from = QStringLiteral(ZORVANEL_SOURCE_DIR "/content/wmf");
        QDir().mkpath(pupil.program.folder() + QStringLiteral("/wmf"));
        QDirIterator it(from, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile::copy(path, pupil.program.folder() + QStringLiteral("/wmf/") +
                                  QFileInfo(path).fileName());
        }
        RecordingSpeech &speech = pupil.program.speech();
        soundOption(pupil.menu, true)->click();
        NotesViewer *facts = pupil.open<NotesViewer>(TopicHub::KeyFactsActivity);
        QCOMPARE(speech.said.size(), 1);
        QVERIFY2(speech.said.first().startsWith(QStringLiteral("Page 1 of")),
                 qPrintable(speech.said.first()));
        click(facts->buttons()->at(PageViewer::NextCommand));
        QCOMPARE(speech.said.size(), 2);
        QVERIFY(speech.said.last().startsWith(QStringLiteral("Page 2 of")));
        QVERIFY(speech.said.last().size() > 40);
    }

    void withNothingToSpeakSoundOnSaysSoOnceAndStaysOff()
    {
        Pupil pupil;
        RecordingSpeech &speech = pupil.program.speech();
        speech.canSpeak = false;
        // The service's answer comes later; until then the switch shows what was chosen.
        soundOption(pupil.menu, true)->click();
        QVERIFY(soundOption(pupil.menu, true)->isChecked());
        QVERIFY(speech.unreachable);
        speech.unreachable();
        QVERIFY(soundOption(pupil.menu, false)->isChecked());
        soundOption(pupil.menu, true)->click();
        QVERIFY(soundOption(pupil.menu, false)->isChecked());
        QCOMPARE(pupil.program.dialogs().messages,
                 QStringList{QStringLiteral("Reading aloud needs the speech service; ask your "
                                            "technician to install speech-dispatcher.")});
        pupil.openQuiz();
        QVERIFY(pupil.program.speech().said.isEmpty());
    }

    // The real client, with the service out of reach: it answers on this thread, later, and
    // what is said meanwhile is dropped without harm.
    void theDesktopsServiceOutOfReachIsReported()
    {
        qputenv("SPEECHD_ADDRESS",
                "unix_socket:" + QDir::tempPath().toUtf8() + "/zorvanel-no-speech-service");
        std::atomic<int> told = 0;
        std::atomic<QThread *> where = nullptr;
        {
            DesktopSpeech speech;
            speech.start([&] {
                ++told;
                where = QThread::currentThread();
            });
            speech.say(QStringLiteral("Question 1."));
            speech.stop();
            QTRY_COMPARE(told.load(), 1);
            QCOMPARE(where.load(), QThread::currentThread());
            speech.say(QStringLiteral("Question 2."));
        }
        QCOMPARE(told.load(), 1);
        qunsetenv("SPEECHD_ADDRESS");
    }
};

QTEST_MAIN(ReadAloudTest)
#include "test_readaloud.moc"

#include "files/textfile.h"
#include "quiz/questionset.h"
#include "quiz/quizrun.h"
#include "quiz/scoretext.h"
#include "testfiles.h"

#include <QBuffer>
#include <QtTest>

namespace {

// A set whose every text says where it belongs, so a field read into the wrong place shows.
QuestionSet numberedSet(const QString &title = QStringLiteral("Rivers, Lakes"))
{
    QuestionSet set;
    set.title = title;
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        Question &question = set.question(q);
        question.text = QStringLiteral("Question %1, please").arg(q);
        for (int a = 0; a < 4; ++a)
            question.answers.at(a) = QStringLiteral("Q%1 answer %2").arg(q).arg(a + 1);
        question.correctAnswer = QString::number((q - 1) % 4 + 1);
    }
    return set;
}

QByteArray fileFrom(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += windows1252::encode(line) + "\r\n";
    return bytes;
}

// Answers every question with `chosen(q)`.
QuizRun run(const QuestionSet &set, const std::function<int(int)> &chosen)
{
    QuizRun quiz(set);
    while (!quiz.next(chosen(quiz.number()))) {
    }
    return quiz;
}

bool loadBytes(const QByteArray &bytes, QuestionSet &set)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadQuest(buffer, set);
}

} // namespace

class QuestionSetTest final : public QObject
{
    Q_OBJECT

private slots:
    void theLayoutPutsEachFieldOnItsLine()
    {
        const QStringList lines = questionSetLines(numberedSet());
        QCOMPARE(lines.size(), 72);
        // Line numbers as people count them, from 1.
        QCOMPARE(lines.at(22 - 1), QStringLiteral("3"));
        QCOMPARE(lines.at(66 - 1), QStringLiteral("Question 10& please"));
        for (int q = 0; q <= 10; ++q)
            QCOMPARE(lines.at(1 + 7 * q), QStringLiteral(" "));
    }

    void extraLinesAreIgnoredAndAShortFileFails()
    {
        const QStringList lines = questionSetLines(numberedSet());
        QuestionSet read;
        QVERIFY(loadBytes(fileFrom(lines + QStringList{QStringLiteral("extra"), {}}), read));
        QCOMPARE(read.question(10).answers.at(3), QStringLiteral("Q10 answer 4"));

        // 71 lines: the last separator is missing.
        QuestionSet partial;
        QVERIFY(!loadBytes(fileFrom(lines.mid(0, 71)), partial));

        // A comma in a hand-edited file splits a line into two fields and shifts the rest.
        QStringList edited = lines;
        edited[2] = QStringLiteral("One, two");
        QuestionSet shifted;
        QVERIFY(loadBytes(fileFrom(edited), shifted));
        QCOMPARE(shifted.question(1).text, QStringLiteral("One"));
        QCOMPARE(shifted.question(1).answers.at(0), QStringLiteral("two"));
    }

    void aFileIsReadWholeOrNotAtAll()
    {
        WorkingFolder folder;
        const QuestionSet before = numberedSet(QStringLiteral("Before"));
        QuestionSet set = before;
        QString error;
        QVERIFY(!readQuestionSetFile(QStringLiteral("multiple\\missing.txt"), set, &error));
        QVERIFY(!error.isEmpty());

        QuestionSet other = numberedSet(QStringLiteral("Other"));
        other.question(1).text = QStringLiteral("Changed");
        writeBytes(QStringLiteral("multiple/short.txt"),
                   fileFrom(questionSetLines(other).mid(0, 30)));
        QVERIFY(!readQuestionSetFile(QStringLiteral("multiple\\short.txt"), set, &error));
        QCOMPARE(set.title, before.title);
        QCOMPARE(set.question(1).text, before.question(1).text);
    }

    void aSetSurvivesTheWriterAndTheReaderByteForByte()
    {
        WorkingFolder folder;
        QVERIFY(QDir().mkdir(QStringLiteral("multiple")));
        QuestionSet set = numberedSet(QStringLiteral("Café, crème & co"));
        set.question(7).text = QStringLiteral("What costs €5, not £5?");
        set.question(9).answers.at(2) = QStringLiteral("“Quoted” – dashed");
        QVERIFY(writeQuestionSetFile(QStringLiteral("multiple\\Round.txt"), set));

        const QByteArray bytes = fileBytes(QStringLiteral("multiple/Round.txt"));
        QCOMPARE(bytes.count("\r\n"), 72);
        QVERIFY(bytes.endsWith(" \r\n"));
        QVERIFY(!bytes.contains(','));
        QVERIFY(bytes.contains("\x80"
                               "5")); // the euro sign in the code page

        QuestionSet read;
        QVERIFY(readQuestionSetFile(QStringLiteral("MULTIPLE/round.TXT"), read));
        // Every comma comes back; the author's own '&' comes back as a comma too.
        QCOMPARE(read.title, QStringLiteral("Café, crème , co"));
        QCOMPARE(read.question(7).text, set.question(7).text);
        QCOMPARE(read.question(9).answers.at(2), set.question(9).answers.at(2));
        QVERIFY(writeQuestionSetFile(QStringLiteral("multiple/Again.txt"), read));
        QCOMPARE(fileBytes(QStringLiteral("multiple/Again.txt")), bytes);
    }

    // A whole run, wrong answers and the way back are walked on the quiz screens; a damaged
    // right answer, with the hidden choice, only here. Only 1 to 4 is a right answer, a
    // trailing blank allowed.
    void aDamagedRightAnswerCannotBeScored()
    {
        QuestionSet set = numberedSet();
        set.question(5).correctAnswer = QStringLiteral("5");
        set.question(6).correctAnswer = QStringLiteral("zero");
        set.question(7).correctAnswer = QStringLiteral("3 ");
        set.question(8).correctAnswer = QStringLiteral("12");
        // By question from 1: the fifth answered 5, the sixth with the hidden "no answer"
        // choice, which must not count as right either.
        const int chosen[] = {0, 1, 2, 3, 4, 5, 0, 3, 1, 1, 2};
        const QuizRun quiz = run(set, [&](int q) { return chosen[q]; });
        QCOMPARE(quiz.score(), 7);
        const QStringList wrong = quiz.wrongLines();
        QCOMPARE(wrong.size(), 3);
        QVERIFY(wrong.at(0).startsWith(QStringLiteral(" 5. ")));
    }

    void praiseFollowsTheScore()
    {
        // The screens show 10, 8 and 0; these are the edges between.
        QCOMPARE(praiseFor(9, 10), Praise::NearlyThere);
        QCOMPARE(praiseFor(7, 10), Praise::KeepTrying);
    }
};

QTEST_GUILESS_MAIN(QuestionSetTest)
#include "test_questionset.moc"

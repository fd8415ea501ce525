// The command line run in-process on a working folder: what it prints, what it writes and
// the exit status a script sees.
#include "commandline/commandline.h"
#include "exchange/worksheetimport.h"
#include "giftbank.h"
#include "results/resultsfolder.h"
#include "testfiles.h"
#include "worksheets/worksheetdraft.h"
#include "worksheets/worksheetindex.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

namespace {

struct Outcome
{
    int status = -1;
    QStringList out;
    QStringList err;
};

Outcome run(const QStringList &arguments, const Classroom &who = Classroom())
{
    QString out;
    QString err;
    Outcome outcome;
    {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        outcome.status = commandline::run(QStringList{QStringLiteral("zorvanel")} + arguments,
                                          outStream, errStream, who);
    }
    outcome.out = out.split(u'\n', Qt::SkipEmptyParts);
    outcome.err = err.split(u'\n', Qt::SkipEmptyParts);
    return outcome;
}

// A saved worksheet whose right answers run A, B, C, D, A and so on.
bool addWorksheet(const QString &title, const QString &answer = QStringLiteral("answer"))
{
    WorksheetDraft draft;
    draft.title = title;
    for (int q = 0; q < WorksheetDraft::questionCount; ++q) {
        draft.questions.at(q) = QStringLiteral("Question %1?").arg(q + 1);
        for (int a = 0; a < WorksheetDraft::answersPerQuestion; ++a)
            draft.answers.at(WorksheetDraft::answerIndex(q, a)) = answer + QString::number(a);
        draft.ticks.at(WorksheetDraft::answerIndex(q, q % 4)) = true;
    }
    return genWork(draft, WorksheetIndexFile()).saved;
}

bool emptyIndex()
{
    return writeBytes(QStringLiteral("multiple/track.txt"), " 0 \r\n");
}

} // namespace

class CommandLineTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { qunsetenv("ZORVANEL_STARTED_IN"); }

    void importReportsEachWorksheet()
    {
        WorkingFolder folder;
        QVERIFY(emptyIndex());
        QVERIFY(writeBytes(QStringLiteral("q.gift"), giftBank(23)));
        const Outcome outcome = run({"--import", "q.gift", "--title", "Birds"});
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.err, QStringList());
        // The walk sees one worksheet saved; the catalogue's import, what opens in the wizard.
        QCOMPARE(outcome.out.size(), 4);
        QCOMPARE(
            outcome.out.at(3),
            QStringLiteral("3 questions left over, too few for a worksheet of ten: not saved."));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withIndex");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("pupil");

        QTest::newRow("list, no index") << QStringList{"--list"} << false << 1 << false;
        QTest::newRow("export, unknown title")
            << QStringList{"--export", "Fish", "out.xml"} << true << 1 << false;
        QTest::newRow("GIFT cannot hold ->")
            << QStringList{"--export", "Arrows", "out.gift"} << true << 1 << false;
        QTest::newRow("export to .doc")
            << QStringList{"--export", "Birds", "out.doc"} << true << 2 << false;
        QTest::newRow("print, no --pdf")
            << QStringList{"--print-worksheet", "Birds"} << true << 2 << false;
        QTest::newRow("two tasks")
            << QStringList{"--list", "--import", "few.gift"} << true << 2 << false;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << true << 2 << false;
        QTest::newRow("--csv alone") << QStringList{"--csv", "out.csv"} << true << 2 << false;
        // A pupil may list and print, but not change the catalogue or see results.
        QTest::newRow("pupil imports") << QStringList{"--import", "few.gift"} << true << 1 << true;
        QTest::newRow("pupil exports")
            << QStringList{"--export", "Birds", "out.xml"} << true << 1 << true;
        QTest::newRow("pupil's results")
            << QStringList{"--results", "Birds", "--csv", "out.csv"} << true << 1 << true;
        QTest::newRow("braille, no --brf")
            << QStringList{"--braille", "Birds"} << true << 2 << false;
        QTest::newRow("braille, grade 3")
            << QStringList{"--braille", "Birds", "--brf", "b.brf", "--grade", "3"} << true << 2
            << false;
        QTest::newRow("answer key alone")
            << QStringList{"--list", "--answer-key"} << true << 2 << false;
        QTest::newRow("braille, unknown title")
            << QStringList{"--braille", "Fish", "--brf", "b.brf"} << true << 1 << false;
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, withIndex);
        QFETCH(int, status);
        QFETCH(bool, pupil);
        WorkingFolder folder;
        QVERIFY(emptyIndex());
        QVERIFY(addWorksheet(QStringLiteral("Birds")));
        QVERIFY(addWorksheet(QStringLiteral("Arrows"), QStringLiteral("a->")));
        QVERIFY(writeBytes(QStringLiteral("few.gift"), giftBank(9)));
        if (!withIndex)
            QVERIFY(QFile::remove(QStringLiteral("multiple/track.txt")));
        const QStringList before = QDir().entryList(QDir::Files);

        ClassroomSettings teachersOnly;
        teachersOnly.teacherGroup = QStringLiteral("teachers");
        const Outcome outcome =
            run(arguments,
                pupil ? Classroom(teachersOnly, Account{"amy", "Amy", {"amy"}}) : Classroom());
        QCOMPARE(outcome.status, status);
        // One reason; a wrong command line adds where to find the options.
        QCOMPARE(outcome.err.size(), status);
        QVERIFY2(outcome.err.at(0).startsWith(QStringLiteral("zorvanel: ")),
                 qPrintable(outcome.err.at(0)));
        QCOMPARE(QDir().entryList(QDir::Files), before);
        QCOMPARE(WorksheetIndexFile().load().titles.size(), withIndex ? 2 : 0);
    }

    // Either format, written to the caller's folder, is the walks' (the command line's and
    // the shared folders'); here, a title listed and named as typed, not as stored.
    void titlesAreListedAndNamedAsTyped()
    {
        WorkingFolder folder;
        QVERIFY(emptyIndex());
        QVERIFY(addWorksheet(QStringLiteral("Salt, pepper")));
        QCOMPARE(run({"--list"}).out, QStringList{"Salt, pepper"});
        QCOMPARE(run({"--export", "Salt, pepper", "out.XML"}).out,
                 QStringList{"Wrote \"Salt, pepper\" to out.XML."});
        QVERIFY(fileBytes(QStringLiteral("out.XML")).startsWith("<?xml "));
    }

    // The teacher's table on the terminal and as a spreadsheet file, as the view shows it.
    void resultsAsTheViewShowsThem()
    {
        WorkingFolder folder;
        Attempt amy;
        amy.pupil = QStringLiteral("Amy, Year 6");
        amy.title = QStringLiteral("Birds");
        amy.finished = QDateTime(QDate(2026, 12, 1), QTime(9, 30));
        amy.score = 7;
        amy.right = {true, true, true, true, true, true, true};
        QVERIFY(ResultsFolder().record(amy));
        const Outcome outcome = run({"--results", "Birds", "--csv", "class.csv"});
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out.mid(0, 3),
                 (QStringList{"Results of \"Birds\"",
                              "1 pupil, 1 attempt. Latest scores: average 7.0 out of 10, lowest 7, "
                              "highest 7, standard deviation 0.0.",
                              "Question 1: 100% right"}));
        QCOMPARE(outcome.out.mid(12), (QStringList{"Pupil        Finished          Score",
                                                   "Amy, Year 6  2026-12-01 09:30  7/10",
                                                   "Wrote the table to class.csv."}));
        QCOMPARE(fileBytes(QStringLiteral("class.csv")),
                 QByteArray("\xEF\xBB\xBFPupil,Finished,Score,Out of\r\n"
                            "\"Amy, Year 6\",2026-12-01 09:30,7,10\r\n"));
    }

    void answerKeyToPdf()
    {
        WorkingFolder folder;
        QVERIFY(emptyIndex());
        QVERIFY(addWorksheet(QStringLiteral("Birds")));
        const Outcome outcome = run({"--print-answer-key", "Birds", "--pdf", "key.pdf"});
        QCOMPARE(outcome.out, QStringList{"Wrote the answer key of \"Birds\" to key.pdf."});
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"key.pdf"});
        // The key, not the pupils' copy.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"key.pdf", "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        QVERIFY2(page.contains(QStringLiteral("1 A 2 B 3 C 4 D 5 A")), qPrintable(page));
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"

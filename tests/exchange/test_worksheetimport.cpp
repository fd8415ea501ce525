// Read questions made into worksheets of ten, under titles that never replace one.
#include "exchange/giftreader.h"
#include "exchange/worksheetimport.h"
#include "giftbank.h"
#include "quiz/questionset.h"
#include "testfiles.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QFile>
#include <QTest>

namespace {
QString giftOf(int usable)
{
    // And a question of three answers at the end.
    return QString::fromUtf8(giftBank(usable, "$course$/Inventors/Braille") +
                             "::Three:: Q {=a ~b ~c}\n");
}
} // namespace

class WorksheetImportTest final : public QObject
{
    Q_OBJECT

private slots:
    void titles_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the teacher's") << "Birds"
                                       << "$course$/Braille"
                                       << "Birds";
        QTest::newRow("an ampersand in words") << "Rivers, Lakes & Seas"
                                               << ""
                                               << "Rivers, Lakes and Seas";
        QTest::newRow("the category's last part") << ""
                                                  << "$course$/Inventors/Braille"
                                                  << "Braille";
        QTest::newRow("the file's name") << ""
                                         << ""
                                         << "braille quiz";
        QTest::newRow("a long category, shortened")
            << ""
            << "Top/" + QString(40, u'x') << QString(25, u'x');
        QTest::newRow("a teacher's title too long") << QString(26, u'y') << ""
                                                    << "";
    }
    void titles()
    {
        QFETCH(QString, given);
        QFETCH(QString, category);
        QFETCH(QString, expected);
        QCOMPARE(
            worksheetimport::titleBase(given, category, QStringLiteral("/tmp/braille quiz.gift")),
            expected);
    }

    void tensSavedUnderFreeTitles()
    {
        WorkingFolder folder;
        QVERIFY(writeBytes(QStringLiteral("multiple/track.txt"), " 0 \r\n"));
        const WorksheetIndexFile index;
        QVERIFY(index.trackWorksheets(QStringLiteral("BRAILLE")));
        // Taken out of the catalogue, a worksheet's file stays, and keeps its title.
        QVERIFY(writeBytes(QStringLiteral("multiple/braille 2.txt"), "a teacher's worksheet"));

        const gift::Reading reading = gift::read(giftOf(23));
        const worksheetimport::Report report =
            worksheetimport::importQuestions(reading.questions, QStringLiteral("Braille"), index);
        QVERIFY2(report.problem.isEmpty(), qPrintable(report.problem));
        QCOMPARE(report.saved.size(), 2);
        QCOMPARE(report.saved.at(0).title, QStringLiteral("Braille 3"));
        QCOMPARE(report.saved.at(1).title, QStringLiteral("Braille 4"));
        QCOMPARE(report.skipped.size(), 2);
        QCOMPARE(report.skipped.at(0).who, QStringLiteral("TF"));
        QCOMPARE(report.leftOver, 3);
        QCOMPARE(report.leftOverDrafts.size(), 1);
        QCOMPARE(report.leftOverDrafts.at(0).title, QStringLiteral("Braille 5"));
        QCOMPARE(report.leftOverDrafts.at(0).questions.at(2), QStringLiteral("Question 23?"));

        QCOMPARE(index.load().titles, (QStringList{"BRAILLE", "Braille 3", "Braille 4"}));
        QCOMPARE(fileBytes(QStringLiteral("multiple/braille 2.txt")), "a teacher's worksheet");
        QuestionSet second;
        QVERIFY(worksheetfile::read(QStringLiteral("Braille 4"), second));
        QCOMPARE(second.question(1).text, QStringLiteral("Question 11?"));
        QCOMPARE(second.question(10).answers.at(0), QStringLiteral("right 20"));
        QCOMPARE(second.question(10).correctAnswer, QStringLiteral("1"));
    }
};

QTEST_APPLESS_MAIN(WorksheetImportTest)
#include "test_worksheetimport.moc"

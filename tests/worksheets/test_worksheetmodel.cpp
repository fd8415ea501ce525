// The wizard's checks and save, and the catalogue's paging, without a screen.
#include "quiz/questionset.h"
#include "worksheetfixtures.h"
#include "worksheets/cataloguepages.h"
#include "worksheets/worksheetfile.h"

#include <QtTest>

namespace {

using Draft = WorksheetDraft;

const QString noTitle = QStringLiteral("You have not chosen a title for your worksheet");

Draft withTicks(Draft draft, int question, std::initializer_list<int> answers)
{
    for (int j = 0; j < Draft::answersPerQuestion; ++j)
        draft.ticks.at(Draft::answerIndex(question, j)) = false;
    for (int j : answers)
        draft.ticks.at(Draft::answerIndex(question, j)) = true;
    return draft;
}

Draft withAnswer(Draft draft, int question, int answer, const QString &text)
{
    draft.answers.at(Draft::answerIndex(question, answer)) = text;
    return draft;
}

} // namespace

class WorksheetModelTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.renew());
        QVERIFY(writeIndex());
    }

    void checksComeInOrder_data()
    {
        QTest::addColumn<Draft>("draft");
        QTest::addColumn<QString>("message");
        const Draft complete = completeDraft(QStringLiteral("Birds"));
        Draft blanks = complete;
        blanks.title = QStringLiteral("   ");
        QTest::newRow("a title of blanks is no title") << blanks << noTitle;
        QTest::newRow("question 2 unticked before question 4's empty answer C")
            << withAnswer(withTicks(complete, 1, {}), 3, 2, QString())
            << QStringLiteral("You have not ticked the correct answer for Question 2");
        QTest::newRow("two ticks on question 1")
            << withTicks(complete, 0, {0, 2})
            << QStringLiteral("You have ticked more than one correct answer for Question 1");
        QTest::newRow("an empty answer before the ticks of its question")
            << withAnswer(withTicks(complete, 9, {}), 9, 3, QString())
            << QStringLiteral("You have not completed Question 10");
        Draft marked = withTicks(complete, 2, {});
        marked.answerMarks.at(Draft::answerIndex(2, 1)) = {BoxMark::Ampersand,
                                                           QStringLiteral("5 & 3")};
        QTest::newRow("a marked answer before its question's ticks")
            << marked
            << QStringLiteral("Answer B of Question 3 holds an \"&\" that a worksheet would "
                              "show as a comma: please rewrite it before saving");
        QTest::newRow("answers of blanks are filled in")
            << withAnswer(complete, 0, 0, QStringLiteral(" ")) << QString();
    }

    void checksComeInOrder()
    {
        QFETCH(Draft, draft);
        QFETCH(QString, message);
        QCOMPARE(checkDraft(draft), message);
        QVERIFY(!message.endsWith(u'.'));
        if (!message.isEmpty()) {
            // A draft that fails its checks writes nothing.
            QCOMPARE(genWork(draft, WorksheetIndexFile()).message, message);
            QCOMPARE(QDir("multiple").entryList(QDir::Files), QStringList{"track.txt"});
        }
    }

    // Blanks at the start of the title are dropped, so that the catalogue finds the
    // worksheet from its entry again; those at its end stay.
    void savedFileHoldsTheLinesAsTyped()
    {
        Draft draft = completeDraft(QStringLiteral("  Birds, Bees "));
        draft.questions.at(0) = QStringLiteral("Salt, pepper or both?");
        draft.answers.at(1) = QStringLiteral("  Salt & Pepper ");
        draft.answers.at(2) = QString::fromUtf8("Caf\u00e9 \u20ac5");
        const WorksheetSave outcome = genWork(draft, WorksheetIndexFile());
        QCOMPARE(outcome.message, QStringLiteral("Your worksheet has been saved."));
        QCOMPARE(outcome.savedTitle, QStringLiteral("Birds, Bees "));

        QByteArray expected = "Birds& Bees \r\n \r\nSalt& pepper or both?\r\nBird 1 of 1\r\n"
                              "  Salt & Pepper \r\nCaf\xe9 \x80"
                              "5\r\nBird 4 of 1\r\n1\r\n \r\n";
        for (int q = 2; q <= 10; ++q) {
            expected += QStringLiteral("Which bird is number %1?\r\n").arg(q).toLatin1();
            for (int a = 1; a <= 4; ++a)
                expected += QStringLiteral("Bird %1 of %2\r\n").arg(a).arg(q).toLatin1();
            expected += QByteArray::number((q - 1) % 4 + 1) + "\r\n \r\n";
        }
        QCOMPARE(fileBytes("multiple/Birds& Bees .txt"), expected);
        QCOMPARE(fileBytes(indexPath), QByteArray(" 1 \r\nBirds& Bees \r\n"));
        QuestionSet set;
        QVERIFY(worksheetfile::read(WorksheetIndexFile().load().titles.at(0), set));
        QCOMPARE(set.title, QStringLiteral("Birds, Bees "));
    }

    void unsafeTitlesWriteNothing_data()
    {
        QTest::addColumn<QString>("title");
        for (const char *title : {"Birds/Bees", "..\\Birds", "Birds:Bees", "Birds?", "Birds\tBees",
                                  "  ..", "TRACK", "tomas VERRIN"})
            QTest::newRow(title) << QString::fromLatin1(title);
        QTest::newRow("a character the code page cannot hold") << QString::fromUtf8("Birds \u03a9");
    }

    void unsafeTitlesWriteNothing()
    {
        QFETCH(QString, title);
        // The program works one folder down, so a title that climbs out is seen too.
        const QString top = m_dir.path();
        QVERIFY(QDir().mkdir("program") && QDir::setCurrent("program"));
        QVERIFY(writeIndex());
        QVERIFY(writeBytes("multiple/Tomas Verrin.txt", "the topic's own set"));
        const QMap<QString, QByteArray> before = snapshot(top);
        const WorksheetSave outcome = genWork(completeDraft(title), WorksheetIndexFile());
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.message, QStringLiteral("There was a problem saving your worksheet"));
        QCOMPARE(snapshot(top), before);
    }

    // The wizard's boxes refuse a line end; should one come through, it writes nothing.
    void aLineEndWritesNothing()
    {
        const Draft draft =
            withAnswer(completeDraft("Birds"), 6, 1, QStringLiteral("Two\r\nlines"));
        QVERIFY(checkDraft(draft).isEmpty());
        QVERIFY(!genWork(draft, WorksheetIndexFile()).saved);
        QCOMPARE(QDir("multiple").entryList(QDir::Files), QStringList{"track.txt"});
    }

    void failedSaveLeavesTheOlderWorksheet()
    {
        QVERIFY(genWork(completeDraft("Birds"), WorksheetIndexFile()).saved);
        const QByteArray older = fileBytes("multiple/Birds.txt");
        Draft longer = completeDraft("Birds");
        longer.questions.fill(QString(60, u'x'));
        {
            FileSizeLimit limit(older.size());
            QVERIFY(limit.isSet());
            QCOMPARE(genWork(longer, WorksheetIndexFile()).message,
                     QStringLiteral("There was a problem saving your worksheet"));
        }
        QCOMPARE(fileBytes("multiple/Birds.txt"), older);
        QCOMPARE(QDir("multiple").entryList(QDir::Files), (QStringList{"Birds.txt", "track.txt"}));
    }

    void aMissingIndexLeavesTheWorksheetUnlisted()
    {
        QVERIFY(QFile::remove(indexPath));
        QVERIFY(!genWork(completeDraft("Birds"), WorksheetIndexFile()).saved);
        QVERIFY(QFile::exists("multiple/Birds.txt"));
        QVERIFY(!QFile::exists(indexPath));
    }

    void editingGivesBackTheSavedDraft()
    {
        Draft draft = completeDraft(QStringLiteral("Birds, Bees"));
        draft.answers.at(17) = QStringLiteral(" Blue, green ");
        QVERIFY(genWork(draft, WorksheetIndexFile()).saved);
        QuestionSet set;
        QVERIFY(worksheetfile::read(QStringLiteral("Birds& Bees"), set));
        const std::optional<Draft> edited = editWorksheet(set);
        QVERIFY(edited);
        QCOMPARE(edited->title, draft.title);
        QCOMPARE(edited->questions, draft.questions);
        // The reader drops the blanks at the start of a field.
        draft.answers.at(17) = QStringLiteral("Blue, green ");
        QCOMPARE(edited->answers, draft.answers);
        QCOMPARE(edited->ticks, draft.ticks);
        // A correct answer that is not 1 to 4 cannot be edited.
        set.question(7).correctAnswer = QStringLiteral("B");
        QVERIFY(!editWorksheet(set));
    }

    void pages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::addColumn<QString>("label");
        QTest::newRow("empty index") << 0 << 0 << 1 << 0 << false << false << "Page 1";
        QTest::newRow("25 entries, page 2 shows entry 25 alone")
            << 25 << 1 << 25 << 1 << true << false << "Page 2";
        QTest::newRow("1000 entries, page 41 is the last")
            << 1000 << 40 << 961 << 24 << true << false << "Page 41";
    }

    void pages()
    {
        QFETCH(int, count);
        QFETCH(int, page);
        QFETCH(int, first);
        QFETCH(int, shown);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        QFETCH(QString, label);
        const CataloguePages pages = CataloguePages::workPage(page, count);
        QCOMPARE(pages.firstEntry, first);
        QCOMPARE(pages.shownCount(), shown);
        QCOMPARE(pages.previousShown, previous);
        QCOMPARE(pages.nextShown, next);
        QCOMPARE(pages.pageLabel(), label);
    }

private:
    WorkingFolder m_dir;
};

QTEST_GUILESS_MAIN(WorksheetModelTest)
#include "test_worksheetmodel.moc"

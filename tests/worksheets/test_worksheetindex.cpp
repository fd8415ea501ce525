#include "worksheetfixtures.h"

#include <QtTest>

namespace {

const QByteArray fullIndex = indexBytes(numberedTitles(WorksheetIndex::capacity));

// A null array means the index is missing altogether.
void writeIndex(const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath("multiple"));
    if (!bytes.isNull())
        QVERIFY(writeBytes(indexPath, bytes));
}

QByteArray readIndex()
{
    return fileBytes(indexPath);
}

} // namespace

class WorksheetIndexTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.renew()); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing index is empty") << QByteArray() << QStringList{};
        QTest::newRow("lines after the last counted title are ignored")
            << QByteArray(" 2 \r\nA\r\nB\r\nC\r\n") << QStringList{"A", "B"};
        QTest::newRow("trailing blank of a title is kept")
            << QByteArray(" 1 \r\nSea \r\n") << QStringList{"Sea "};
        QTest::newRow("count beyond the lines loads what is there")
            << QByteArray(" 9 \r\nA\r\nB") << QStringList{"A", "B"};
        QTest::newRow("count beyond capacity stops at capacity")
            << indexBytes(numberedTitles(1200), 1500) << numberedTitles(WorksheetIndex::capacity);
        QTest::newRow("junk count with many lines stops at capacity")
            << indexBytes(numberedTitles(1200)).replace(" 1200 ", "x") << numberedTitles(1000);
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        writeIndex(bytes);
        QCOMPARE(WorksheetIndexFile().load().titles, expected);
    }

    // Adding a title (a teacher's save) or removing one: the file after, and the titles the
    // caller is handed back.
    void changes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("removing");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QByteArray>("after");
        const QByteArray one(" 1 \r\nA\r\n");
        QTest::newRow("saving twice adds one entry") << one << false << "A" << true << one;
        QTest::newRow("a trailing blank makes another title")
            << one << false << "A " << true << indexBytes({"A", "A "});
        QTest::newRow("wrong count is put right")
            << QByteArray(" 7 \r\nA\r\n") << false << "B" << true << indexBytes({"A", "B"});
        QTest::newRow("full index refuses a new title")
            << fullIndex << false << "One more" << false << fullIndex;
        QTest::newRow("full index still knows its titles")
            << fullIndex << false << "Sheet 1000" << true << fullIndex;
        QTest::newRow("missing index is never created")
            << QByteArray() << false << "A" << false << QByteArray();
        QTest::newRow("removing the last of two equal entries")
            << indexBytes({"A", "B", "A"}) << true << "A" << true << indexBytes({"A", "B"});
        QTest::newRow("removing the only entry")
            << indexBytes({"A"}) << true << "A" << true << QByteArray(" 0 \r\n");
        QTest::newRow("removing a title not listed leaves the file untouched")
            << QByteArray(" 5 \r\nA\r\n") << true << "a" << true << QByteArray(" 5 \r\nA\r\n");
        QTest::newRow("removing from a missing index")
            << QByteArray() << true << "A" << false << QByteArray();
    }

    void changes()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, removing);
        QFETCH(QString, title);
        QFETCH(bool, succeeds);
        QFETCH(QByteArray, after);
        writeIndex(before);
        WorksheetIndex index;
        index.titles = QStringList{"untouched"};
        const WorksheetIndexFile file;
        QCOMPARE(removing ? file.delWorksheet(title, index) : file.trackWorksheets(title, &index),
                 succeeds);
        QCOMPARE(readIndex(), after);
        QCOMPARE(QDir("multiple").entryList(QDir::Files).size(), after.isNull() ? 0 : 1);
        if (succeeds)
            QCOMPARE(index.titles, file.load().titles);
        else if (removing)
            QCOMPARE(index.titles, QStringList{"untouched"});
    }

private:
    WorkingFolder m_dir;
};

QTEST_GUILESS_MAIN(WorksheetIndexTest)
#include "test_worksheetindex.moc"

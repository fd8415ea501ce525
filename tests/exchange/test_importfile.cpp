// Importing a question file into a working folder: a file or folder that cannot be used
// leaves the folder exactly as it was, and a usable one changes only what the report names.
#include "exchange/questionfile.h"
#include "exchange/worksheetimport.h"
#include "giftbank.h"
#include "testfiles.h"
#include "worksheets/worksheetindex.h"

#include <QDirIterator>
#include <QMap>
#include <QTest>

#include <optional>

namespace {

using Snapshot = QMap<QString, QByteArray>;

QByteArray xmlOf(int usable, const QByteArray &prolog = "<?xml version=\"1.0\"?>\n")
{
    QByteArray file = prolog + "<quiz>\n";
    for (int q = 1; q <= usable; ++q)
        file += QByteArray("<question type=\"multichoice\"><questiontext><text>Question %1?</text>"
                           "</questiontext><answer fraction=\"100\"><text>right</text></answer>"
                           "<answer fraction=\"0\"><text>a</text></answer><answer fraction=\"0\">"
                           "<text>b</text></answer><answer fraction=\"0\"><text>c</text></answer>"
                           "</question>\n")
                    .replace("%1", QByteArray::number(q));
    return file + "</quiz>\n";
}

// An index listing titles "Old 1" onwards, or no index at all for a negative count.
bool writeIndex(int listed)
{
    if (listed < 0)
        return QDir().mkdir(QStringLiteral("multiple"));
    QByteArray bytes = " " + QByteArray::number(listed) + " \r\n";
    for (int t = 1; t <= listed; ++t)
        bytes += "Old " + QByteArray::number(t) + "\r\n";
    return writeBytes(QStringLiteral("multiple/track.txt"), bytes);
}

} // namespace

class ImportFileTest final : public QObject
{
    Q_OBJECT

private slots:
    void badInputChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("grownTo"); // 0 to leave the file as written
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("listed");
        // Limits every write of the import: 0 for none, -1 for the index's present size.
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("problem");

        const QByteArray ten = giftBank(10);
        const QString notTitle = QStringLiteral("cannot be a worksheet's title");
        const QString notSaved = QStringLiteral("could not be saved");
        QTest::newRow("empty") << QByteArray(" \n\t\n") << "q.gift" << 0ll << "" << 0 << 0
                               << "empty";
        QTest::newRow("binary") << QByteArray("PK\3\4\0\0", 6) + ten << "q.gift" << 0ll << "" << 0
                                << 0 << "binary";
        QTest::newRow("XML, a tag never closed")
            << xmlOf(10).chopped(8) << "q.xml" << 0ll << "" << 0 << 0 << "not well-formed";
        // Text well past the bytes read to tell the format; zeros, unwritten, after it.
        QTest::newRow("GIFT over the limit")
            << giftBank(120) << "big.gift" << questionfile::giftLimit + 1 << "" << 0 << 0
            << "larger than";
        QTest::newRow("a title with a slash")
            << ten << "q.gift" << 0ll << "a/b" << 0 << 0 << notTitle;
        QTest::newRow("a full index") << ten << "q.gift" << 0ll << "" << 1000 << 0 << "full";
        QTest::newRow("no write succeeds") << ten << "q.gift" << 0ll << "" << 0 << 1 << notSaved;
        // The worksheet fits under the limit; the index, longer with its new title, does not.
        QTest::newRow("the index cannot be rewritten")
            << ten << "q.gift" << 0ll << "" << 300 << -1 << notSaved;
        QTest::newRow("no index") << ten << "q.gift" << 0ll << "" << -1 << 0
                                  << "no worksheet catalogue";
    }
    void badInputChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(qint64, grownTo);
        QFETCH(QString, title);
        QFETCH(int, listed);
        QFETCH(int, sizeLimit);
        QFETCH(QString, problem);

        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath(name);
        QVERIFY(writeBytes(path, bytes));
        if (grownTo > 0) {
            QFile file(path);
            QVERIFY(file.resize(grownTo)); // sparse: costs no disk or memory
        }
        WorkingFolder folder;
        QVERIFY(writeIndex(listed));
        QVERIFY(writeBytes(QStringLiteral("multiple/Old 1.txt"), "a teacher's worksheet\r\n"));
        const Snapshot before = snapshot(folder.path());
        if (sizeLimit < 0)
            sizeLimit = int(before.value(QStringLiteral("multiple/track.txt")).size());

        worksheetimport::Report report;
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0)
                QVERIFY(limit.emplace(rlim_t(sizeLimit)).isSet());
            report = worksheetimport::importFile(path, title, WorksheetIndexFile());
        }
        QVERIFY2(report.problem.contains(problem), qPrintable(report.problem));
        QCOMPARE(report.saved.size(), 0);
        QCOMPARE(snapshot(folder.path()), before);
    }

    void usableInputChangesWhatIsReported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("problem");

        QTest::newRow("XML named .gift")
            << xmlOf(10) << "q.gift" << 0 << QStringList{"Birds"} << "";
        QTest::newRow("GIFT named .xml")
            << giftBank(10) << "q.xml" << 0 << QStringList{"Birds"} << "";
        // A blank line splits question 5's answers: it is skipped, the other ten are saved.
        QTest::newRow("GIFT with one broken question")
            << giftBank(11).replace("5?{=right 5 ", "5?{=right 5\n\n") << "q.gift" << 0
            << QStringList{"Birds"} << "";
        QTest::newRow("room for one of two")
            << giftBank(20) << "q.gift" << 999 << QStringList{"Birds"} << "catalogue is full";
    }
    void usableInputChangesWhatIsReported()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, listed);
        QFETCH(QStringList, saved);
        QFETCH(QString, problem);

        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath(name);
        QVERIFY(writeBytes(path, bytes));
        WorkingFolder folder;
        QVERIFY(writeIndex(listed));
        const Snapshot before = snapshot(folder.path());
        const WorksheetIndexFile index;
        const QStringList listedBefore = index.load().titles;

        const worksheetimport::Report report =
            worksheetimport::importFile(path, QStringLiteral("Birds"), index);
        QStringList reported;
        for (const worksheetimport::Saved &one : report.saved)
            reported << one.title;
        QCOMPARE(reported, saved);
        QVERIFY2(problem.isEmpty() ? report.problem.isEmpty() : report.problem.contains(problem),
                 qPrintable(report.problem));
        QCOMPARE(index.load().titles, listedBefore + saved);

        // Exactly the reported worksheets are new, the index changed, nothing else did.
        Snapshot after = snapshot(folder.path());
        QVERIFY(after.take(QStringLiteral("multiple/track.txt")) !=
                before.value(QStringLiteral("multiple/track.txt")));
        for (const QString &title : saved)
            QVERIFY(after.take(QStringLiteral("multiple/%1.txt").arg(title))
                        .startsWith(title.toUtf8()));
        Snapshot unchanged = before;
        unchanged.remove(QStringLiteral("multiple/track.txt"));
        QCOMPARE(after, unchanged);
    }
};

QTEST_APPLESS_MAIN(ImportFileTest)
#include "test_importfile.moc"

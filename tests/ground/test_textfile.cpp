#include "files/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <cstring>
#include <memory>

namespace {

// Hands out a block repeated up to size, at most perRead bytes a time, and remembers the
// largest read asked of it; at the end it can fail as a broken disk would.
class StreamDevice : public QIODevice
{
public:
    StreamDevice(QByteArray block, qint64 size, qint64 perRead, bool failAtEnd = false)
        : m_block(std::move(block)), m_size(size), m_perRead(perRead), m_failAtEnd(failAtEnd)
    {
        open(ReadOnly | Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 largestRead = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        largestRead = std::max(largestRead, maxSize);
        if (m_given == m_size)
            return m_failAtEnd ? -1 : 0;
        const qint64 offset = m_given % m_block.size();
        const qint64 n = std::min({maxSize, m_perRead, m_size - m_given, m_block.size() - offset});
        std::memcpy(data, m_block.constData() + offset, size_t(n));
        m_given += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_block;
    qint64 m_size, m_perRead;
    bool m_failAtEnd;
    qint64 m_given = 0;
};

QStringList readAll(QIODevice &device, int maxFieldLength)
{
    FieldReader reader(device, maxFieldLength);
    QStringList fields;
    QString field;
    while (reader.next(field))
        fields.append(field);
    return fields;
}

} // namespace

class TextFileTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.renew()); }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QStringList>("expected");
        const int big = 4096;
        QTest::newRow("commas end fields on the same line")
            << QByteArray("a,b\r\nc,\r\n") << big << QStringList{"a", "b", "c", ""};
        QTest::newRow("leading blanks skipped, trailing kept")
            << QByteArray("  a ,\t b  \r\n") << big << QStringList{"a ", "b  "};
        QTest::newRow("empty and blank lines are one empty field each")
            << QByteArray("a\r\n\r\n   \r\nb\r\n") << big << QStringList{"a", "", "", "b"};
        QTest::newRow("bare LF and bare CR each end a line")
            << QByteArray("a\nb\rc\n\rd") << big << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("last line without line end, then a comma")
            << QByteArray("a\r\nlast,") << big << QStringList{"a", "last", ""};
        QTest::newRow("double quote is ordinary")
            << QByteArray("\"a,b\"\r\n\"c\"") << big << QStringList{"\"a", "b\"", "\"c\""};
        QTest::newRow("long field keeps its start")
            << QByteArray("abcdefgh,xy\r\n") << 3 << QStringList{"abc", "xy"};
    }

    void fields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxLength);
        QFETCH(QStringList, expected);
        StreamDevice whole(bytes, bytes.size(), bytes.size());
        QCOMPARE(readAll(whole, maxLength), expected);
        // One byte per read puts every field and line end across a read boundary.
        StreamDevice trickle(bytes, bytes.size(), 1);
        QCOMPARE(readAll(trickle, maxLength), expected);
    }

    void readErrorStopsTheFields()
    {
        StreamDevice failing("a,b", 3, 3, true);
        QCOMPARE(readAll(failing, 10), QStringList{"a"});
    }

    // Bytes of every kind, with runs longer than a field.
    void hugeJunkStreamIsScannedInBoundedMemory()
    {
        QByteArray block;
        for (int i = 0; i < 4093; ++i)
            block.append(char((i * 37 + i / 7) & 0xFF));
        block.append(QByteArray(300, 'y'));
        const int maxLength = 200;
        StreamDevice junk(block, 100 * 1024 * 1024, 1 << 30);
        FieldReader reader(junk, maxLength);
        QElapsedTimer timer;
        timer.start();
        QString field;
        qsizetype longest = 0;
        while (reader.next(field))
            longest = std::max(longest, field.size());
        QCOMPARE(longest, maxLength);
        QVERIFY2(junk.largestRead <= 1024 * 1024, "reads the stream in chunks");
        qInfo("100 MB scanned in %lld ms", timer.elapsed());
    }

    void codePageRoundTrip()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = windows1252::decode(all);
        QCOMPARE(windows1252::encode(text), all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        // What the code page cannot hold becomes a question mark.
        QCOMPARE(windows1252::encode(QString::fromUtf8("x\u0080\u65e5\U0001F600\u2122")),
                 QByteArray("x???\x99"));
    }

    void failedWriteLeavesOldFileWhole_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("diskFullHalfway");
        QTest::addColumn<int>("timeLeftMs");
        QTest::newRow("folder is a regular file") << "old.txt/new.txt" << false << 3000;
        QTest::newRow("file size limit reached half-way") << "old.txt" << true << 3000;
        // The owner of the index's lock writes nothing once its time is up.
        QTest::newRow("no time left") << "old.txt" << false << 0;
    }

    void failedWriteLeavesOldFileWhole()
    {
        QFETCH(QString, target);
        QFETCH(bool, diskFullHalfway);
        QFETCH(int, timeLeftMs);
        const QByteArray old("old\r\n");
        QVERIFY(writeTextLines("old.txt", {"old"}));
        bool ok = true;
        QString error;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (diskFullHalfway) {
                limit = std::make_unique<FileSizeLimit>(64);
                QVERIFY(limit->isSet());
            }
            ok = writeTextLines(target, QStringList(100, "a longer line"), &error,
                                QDeadlineTimer(timeLeftMs));
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(fileBytes("old.txt"), old);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"old.txt"});
    }

private:
    WorkingFolder m_dir;
};

int runTextFileTest(int argc, char **argv)
{
    TextFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_textfile.moc"

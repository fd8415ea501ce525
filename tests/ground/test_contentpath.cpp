#include "files/contentpath.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ContentPathTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir here;
        QVERIFY(here.mkpath("Multiple"));
        QVERIFY(here.mkpath("Images"));
        QVERIFY(here.mkpath("dup"));
        QVERIFY(here.mkpath("Dup"));
        for (const char *name : {"Multiple/Track.TXT", "Images/Pic.jpg"}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void resolves_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backslashes in lower case") << "multiple\\track.txt"
                                                   << "Multiple/Track.TXT";
        QTest::newRow("missing folder keeps the rest as given") << "Missing\\Sub\\a.TXT"
                                                                << "Missing/Sub/a.TXT";
        QTest::newRow("exact name wins over another case") << "dup"
                                                           << "dup";
        QTest::newRow("the same folder is always chosen") << "DUP"
                                                          << "Dup";
        QTest::newRow("dot and dot-dot kept") << ".\\multiple\\..\\IMAGES\\pic.JPG"
                                              << "./Multiple/../Images/Pic.jpg";
        QTest::newRow("absolute path") << "<here>\\IMAGES\\PIC.JPG"
                                       << "<here>/Images/Pic.jpg";
    }

    void resolves()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        const QString here = QDir::currentPath();
        QCOMPARE(resolveContentPath(given.replace("<here>", here)),
                 expected.replace("<here>", here));
    }

private:
    WorkingFolder m_dir;
};

int runContentPathTest(int argc, char **argv)
{
    ContentPathTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_contentpath.moc"

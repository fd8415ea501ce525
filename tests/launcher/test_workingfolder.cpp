// The working folder an installed copy prepares: where it is, what it links, and that a
// teacher's worksheets and index survive every later start and every upgrade.
#include "launcher/workingfolder.h"
#include "testfiles.h"

#include <QTest>

class WorkingFolderTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_content, m_work;

    QString content(const char *path) const { return m_content + u'/' + QLatin1String(path); }
    QString work(const char *path) const { return m_work + u'/' + QLatin1String(path); }

    // An installed copy as small as the layout allows.
    void install(const QByteArray &topicSet, const QByteArray &index = " 0 \r\n")
    {
        for (const char *folder : {"Images", "wmf", "wmf2", "logo"})
            QVERIFY(writeBytes(m_content + u'/' + QLatin1String(folder) + "/page", folder));
        QVERIFY(writeBytes(content("zorvanel.ico"), "icon"));
        QVERIFY(writeBytes(content("multiple/Tomas Verrin.txt"), topicSet));
        QVERIFY(writeBytes(content("multiple/track.txt"), index));
    }

    workingfolder::Preparation start() { return workingfolder::prepare(m_content, m_work); }

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        const QString run = m_root.path() + QStringLiteral("/%1").arg(QTest::currentTestFunction());
        m_content = run + QStringLiteral("/usr/share/zorvanel");
        m_work = run + QStringLiteral("/home/.local/share/zorvanel");
    }

    // The installed copy's walk sets each folder; a relative one is ignored, not taken as
    // relative to wherever the program happens to start.
    void relativeFoldersAreIgnored()
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ann"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("data"));
        environment.insert(QStringLiteral("ZORVANEL_WORKSHEETS"), QStringLiteral("school"));
        const QString own = QStringLiteral("/home/ann/.local/share/zorvanel");
        QCOMPARE(workingfolder::location(environment), own);
        QCOMPARE(workingfolder::runFolder(environment), own);
    }

    // Restarts, an upgrade and a school's folder are walked on the installed copy end to end;
    // here, what it cannot reach: the links follow the content when it moves.
    void theLinksFollowMovedContent()
    {
        install("topic");
        const workingfolder::Preparation prepared = start();
        QVERIFY2(prepared.ok, qPrintable(prepared.problem));
        QVERIFY(prepared.notes.isEmpty());
        QVERIFY(writeBytes(work("multiple/Birds.txt"), "a teacher's worksheet"));
        const QString moved = m_content + QStringLiteral("-moved");
        QVERIFY(QDir().rename(m_content, moved));
        m_content = moved;
        QVERIFY(start().ok);
        for (const char *entry : {"Images", "wmf", "wmf2", "logo", "zorvanel.ico"})
            QCOMPARE(QFileInfo(work(entry)).symLinkTarget(),
                     QFileInfo(moved).canonicalFilePath() + u'/' + QLatin1String(entry));
        QCOMPARE(fileBytes(work("logo/page")), QByteArray("logo"));
        QCOMPARE(fileBytes(work("multiple/Birds.txt")), QByteArray("a teacher's worksheet"));
    }

    void aUsersOwnFolderIsKept()
    {
        install("topic");
        QVERIFY(writeBytes(work("Images/own picture"), "mine"));
        const workingfolder::Preparation prepared = start();
        QVERIFY(prepared.ok);
        QCOMPARE(prepared.notes.size(), 1);
        QVERIFY(prepared.notes.first().contains(QDir::toNativeSeparators(work("Images"))));
        QCOMPARE(fileBytes(work("Images/own picture")), QByteArray("mine"));
    }

    void foldersThatCannotBeUsedAreNamed_data()
    {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("says");
        // Root writes anywhere a disk allows, so the tests reach for places no one can write.
        QTest::newRow("under a file") << "FILE/zorvanel"
                                      << "cannot create";
        QTest::newRow("no installed content") << ""
                                              << "installed content is missing";
    }

    void foldersThatCannotBeUsedAreNamed()
    {
        QFETCH(QString, work);
        QFETCH(QString, says);
        const QString file = m_root.path() + QStringLiteral("/a file");
        QVERIFY(writeBytes(file, "x"));
        work.replace(QStringLiteral("FILE"), file);
        if (work.isEmpty()) {
            work = m_work;
            m_content += QStringLiteral("-none"); // the rows share one folder
        } else {
            install("topic");
        }
        const workingfolder::Preparation prepared = workingfolder::prepare(m_content, work);
        QVERIFY(!prepared.ok);
        const QString named = work == m_work ? m_content : work;
        QVERIFY2(prepared.problem.contains(says) && prepared.problem.contains(named),
                 qPrintable(prepared.problem));
        QCOMPARE(fileBytes(file), QByteArray("x"));
        QVERIFY(work != m_work || !QFileInfo::exists(m_work));
    }
};

QTEST_APPLESS_MAIN(WorkingFolderTest)
#include "test_workingfolder.moc"

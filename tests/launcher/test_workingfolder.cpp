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

    void location_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("runsIn");
        const QString home = QStringLiteral("HOME=/home/ann");
        const QString own = QStringLiteral("/home/ann/.local/share/zorvanel");
        QTest::newRow("nothing set") << QStringList{home} << own << own;
        QTest::newRow("data home")
            << QStringList{home, "XDG_DATA_HOME=/data"} << "/data/zorvanel" << "/data/zorvanel";
        QTest::newRow("relative data home ignored")
            << QStringList{home, "XDG_DATA_HOME=data"} << own << own;
        QTest::newRow("school folder wins")
            << QStringList{home, "XDG_DATA_HOME=/data", "ZORVANEL_WORKSHEETS=/srv/school/"}
            << "/srv/school" << "/data/zorvanel-school";
        QTest::newRow("relative school folder ignored")
            << QStringList{home, "ZORVANEL_WORKSHEETS=school"} << own << own;
    }

    void location()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        QFETCH(QString, runsIn);
        // A school's folder is used as it is named; the others get the program's own folder.
        // The program itself runs in a folder of the desktop.
        QProcessEnvironment environment;
        for (const QString &setting : settings)
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QCOMPARE(workingfolder::location(environment), expected);
        QCOMPARE(workingfolder::runFolder(environment), runsIn);
    }

    void aSchoolsFolderKeepsOnlyTheWorksheets()
    {
        install("topic");
        const QString school = m_root.path() + QStringLiteral("/school");
        const workingfolder::Preparation prepared = workingfolder::prepare(m_content, m_work, school);
        QVERIFY2(prepared.ok, qPrintable(prepared.problem));
        QCOMPARE(QDir(school).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"multiple"});
        QCOMPARE(fileBytes(school + QStringLiteral("/multiple/track.txt")), QByteArray(" 0 \r\n"));
        QCOMPARE(QFileInfo(work("multiple")).symLinkTarget(), school + QStringLiteral("/multiple"));
        QCOMPARE(fileBytes(work("multiple/Tomas Verrin.txt")), QByteArray("topic"));
        QCOMPARE(fileBytes(work("wmf/page")), QByteArray("wmf"));
    }

    // One copy's life: laid out at its first start, restarted, upgraded, then moved.
    void worksheetsSurviveRestartsUpgradesAndAMove()
    {
        install("topic v1");
        const workingfolder::Preparation prepared = start();
        QVERIFY2(prepared.ok, qPrintable(prepared.problem));
        QVERIFY(prepared.notes.isEmpty());
        for (const char *entry : {"Images", "wmf", "wmf2", "logo", "zorvanel.ico"}) {
            const QFileInfo link(work(entry));
            QVERIFY2(link.isSymLink(), entry);
            QCOMPARE(link.symLinkTarget(), QFileInfo(m_content).canonicalFilePath() + u'/' + QLatin1String(entry));
        }
        QVERIFY(!QFileInfo(work("multiple")).isSymLink());
        QCOMPARE(fileBytes(work("multiple/track.txt")), QByteArray(" 0 \r\n"));
        QCOMPARE(QDir(m_work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 6);

        QVERIFY(writeBytes(work("multiple/Birds.txt"), "a teacher's worksheet"));
        QVERIFY(writeBytes(work("multiple/track.txt"), " 1 \r\nBirds\r\n"));
        QVERIFY(start().ok);
        // The upgrade brings a new topic set, a new page and a new empty index.
        install("topic v2", "   0   \r\n");
        QVERIFY(writeBytes(content("wmf/new page"), "new"));
        QVERIFY(start().ok);
        QCOMPARE(fileBytes(work("multiple/Tomas Verrin.txt")), QByteArray("topic v2"));
        QCOMPARE(fileBytes(work("multiple/Birds.txt")), QByteArray("a teacher's worksheet"));
        QCOMPARE(fileBytes(work("multiple/track.txt")), QByteArray(" 1 \r\nBirds\r\n"));
        QCOMPARE(fileBytes(work("wmf/new page")), QByteArray("new"));

        const QString moved = m_content + QStringLiteral("-moved");
        QVERIFY(QDir().rename(m_content, moved));
        m_content = moved;
        QVERIFY(start().ok);
        QCOMPARE(QFileInfo(work("logo")).symLinkTarget(),
                 QFileInfo(moved).canonicalFilePath() + QStringLiteral("/logo"));
        QCOMPARE(fileBytes(work("logo/page")), QByteArray("logo"));
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
        QTest::newRow("under a file") << "FILE/zorvanel" << "cannot create";
        QTest::newRow("a folder no one writes") << "/proc" << "cannot write";
        QTest::newRow("no installed content") << "" << "installed content is missing";
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

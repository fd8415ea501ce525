// The pupils' results as the teacher keeps them: the file's form, what a damaged or
// unwritable folder does, the class's figures, and who counts as a teacher.
#include "classroom/classroom.h"
#include "results/classresults.h"
#include "results/resultsfolder.h"
#include "testfiles.h"

#include <QSettings>
#include <QTest>

namespace {

Attempt attempt(const QString &pupil, const QString &when, const QString &rightOnes,
                const QString &title = QStringLiteral("Birds"))
{
    Attempt a;
    a.pupil = pupil;
    a.title = title;
    a.finished = QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    for (int q = 0; q < Attempt::outOf; ++q) {
        a.right.at(q) = rightOnes.at(q) == u'1';
        a.chosen.at(q) = q % 5; // 0 is "no answer"
        a.score += a.right.at(q) ? 1 : 0;
    }
    return a;
}

// Fields compared as text, the time as the file gives it.
QStringList fieldsOf(const Attempt &a)
{
    QStringList fields = {a.pupil, a.finished.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                          a.title, QString::number(a.score)};
    for (int q = 0; q < Attempt::outOf; ++q)
        fields << QString::number(a.chosen.at(q)) << QString::number(a.right.at(q));
    return fields;
}

Account account(const QString &login, const QString &fullName, const QStringList &groups)
{
    return {login, fullName, groups};
}

} // namespace

class ResultsTest final : public QObject
{
    Q_OBJECT

private slots:
    // Names and titles with commas, quotes, accents and line breaks come back whole, in a file
    // a spreadsheet opens: UTF-8 with its mark, a header, quoted fields.
    void recordsComeBackAsWritten()
    {
        WorkingFolder folder;
        const ResultsFolder results;
        const QList<Attempt> written = {
            attempt(QStringLiteral("Seán O'Brien, Jr"), QStringLiteral("2026-12-01 09:15:00"),
                    QStringLiteral("1111100000"), QStringLiteral("Say \"Hi\", Zoë\nthen go")),
            attempt(QStringLiteral("Seán O'Brien, Jr"), QStringLiteral("2026-12-02 10:00:59"),
                    QStringLiteral("1111111111")),
            attempt(QStringLiteral("Amy"), QStringLiteral("2026-12-02 10:01:00"),
                    QStringLiteral("0000000000"))};
        for (const Attempt &a : written) {
            QString problem;
            QVERIFY2(results.record(a, &problem), qPrintable(problem));
        }
        const QByteArray bytes = fileBytes(QStringLiteral("results/Seán O'Brien, Jr.csv"));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFPupil,Finished,Title,Score,Out of,Q1,Q1 right,"));
        QVERIFY(bytes.contains("\r\n\"Seán O'Brien, Jr\",2026-12-01 09:15:00,\"Say \"\"Hi\"\", "
                               "Zoë\nthen go\",5,10,,yes,A,yes,B,yes,C,yes,D,yes,,no,"));
        // The teachers' group may read it, other pupils may not.
        const QFile::Permissions modes = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                         QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(QStringLiteral("results/Amy.csv")) & modes,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

        const ResultsFolder::Loaded loaded = results.load();
        QCOMPARE(loaded.damaged, 0);
        QStringList got, want;
        for (const Attempt &a : loaded.attempts)
            got << fieldsOf(a).join(u'|');
        for (const Attempt &a : written)
            want << fieldsOf(a).join(u'|');
        got.sort();
        want.sort();
        QCOMPARE(got, want);

        // A damaged record is left out and counted; the others and later records stay.
        QFile amy(QStringLiteral("results/Amy.csv"));
        QVERIFY(amy.open(QIODevice::Append));
        amy.write("Amy,yesterday,Birds,11,10\r\nAmy,2026-12-03 08:00:00,Birds,3");
        amy.close();
        QVERIFY(results.record(written.at(2)));
        const ResultsFolder::Loaded again = results.load();
        QCOMPARE(again.damaged, 2);
        QCOMPARE(again.attempts.size(), 4);
    }

    // A folder that cannot hold the results says why, and nothing is half written.
    void aFailedRecordSaysWhy()
    {
        WorkingFolder folder;
        QVERIFY(writeBytes(QStringLiteral("results"), "a file where the folder should be"));
        QString problem;
        QVERIFY(
            !ResultsFolder().record(attempt("Amy", "2026-12-01 09:00:00", "1111111111"), &problem));
        QVERIFY2(problem.contains(QStringLiteral("cannot be made")), qPrintable(problem));
        QCOMPARE(fileBytes(QStringLiteral("results")),
                 QByteArray("a file where the folder should be"));
    }

    // Each pupil counts once, by the latest attempt; the table lists every attempt.
    void theClassFiguresComeFromEachPupilsLatestAttempt()
    {
        const QList<Attempt> all = {
            attempt("Amy", "2026-12-01 09:00:00", "0000000000"),
            attempt("Amy", "2026-12-02 09:00:00", "1111111110"), // Amy's latest: 9
            attempt("Ben", "2026-12-01 10:00:00", "1111000000"), // 4
            attempt("Cat", "2026-12-03 11:00:00", "1111111100"), // 8
            attempt("Dan", "2026-12-04 12:00:00", "1111111111", QStringLiteral("Bees")),
        };
        const ClassResults results = ClassResults::of(QStringLiteral("Birds"), all);
        QStringList order;
        for (const Attempt &a : results.attempts)
            order << a.pupil + u' ' + QString::number(a.score);
        QCOMPARE(order, (QStringList{"Cat 8", "Amy 9", "Ben 4", "Amy 0"}));
        QCOMPARE(results.pupils, 3);
        QCOMPARE(results.average, 7.0);
        QCOMPARE(results.lowest, 4);
        QCOMPARE(results.highest, 9);
        QCOMPARE(QString::number(results.standardDeviation, 'f', 3), QStringLiteral("2.160"));
        QCOMPARE(results.shareRight.at(0), 1.0);
        QCOMPARE(results.shareRight.at(8), 1.0 / 3);
        QCOMPARE(results.hardest, (QList<int>{10}));
        QCOMPARE(results.shareLines().at(9), QStringLiteral("Question 10: 0% right (hardest)"));
        QCOMPARE(results.summary(),
                 QStringLiteral("3 pupils, 4 attempts. Latest scores: average 7.0 out of 10, "
                                "lowest 4, highest 9, standard deviation 2.2."));
        QVERIFY(results.tableCsv().contains("\r\nCat,2026-12-03 11:00,8,10\r\nAmy,"));
        QCOMPARE(ClassResults::of(QStringLiteral("Fish"), all).summary(),
                 QStringLiteral("No pupil has finished this quiz yet."));
    }

    // No settings: everyone a teacher, known by the account. A teacher group makes everyone
    // else a pupil; a shared account asks the pupil's name.
    void theSettingsDecideWhoIsATeacher()
    {
        const Account member = account("jones", "Ann Jones, Room 4,,", {"jones", "teachers"});
        const Account pupil = account("pupil7", "", {"pupil7", "users"});
        ClassroomSettings none;
        QVERIFY(Classroom(none, pupil).isTeacher());
        QCOMPARE(Classroom(none, member).pupilName(), QStringLiteral("Ann Jones, Room 4,,"));
        QCOMPARE(Classroom(none, pupil).pupilName(), QStringLiteral("pupil7"));

        WorkingFolder folder;
        QVERIFY(writeBytes(QStringLiteral("zorvanel.conf"),
                           "[Classroom]\nTeacherGroup=teachers\nPupilsShareAccount=true\n"));
        QSettings file(QStringLiteral("zorvanel.conf"), QSettings::IniFormat);
        const ClassroomSettings set = ClassroomSettings::read(file);
        QCOMPARE(set.teacherGroup, QStringLiteral("teachers"));
        QVERIFY(Classroom(set, member).isTeacher() && !Classroom(set, member).needsPupilName());
        Classroom shared(set, pupil);
        QVERIFY(!shared.isTeacher() && shared.needsPupilName());
        shared.setPupilName(QStringLiteral("  Zoë   Brontë "));
        QCOMPARE(shared.pupilName(), QStringLiteral("Zoë Brontë"));

        // A typed name may not pass for a spreadsheet's formula.
        QVERIFY(isPupilName(QStringLiteral("Élodie")));
        for (const char *bad : {"", "   ", "=HYPERLINK(\"x\")", "+1", "-2", "@SUM(A1)"})
            QVERIFY2(!isPupilName(QString::fromUtf8(bad)), bad);
    }
};

QTEST_GUILESS_MAIN(ResultsTest)
#include "test_results.moc"

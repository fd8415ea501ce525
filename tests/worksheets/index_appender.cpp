// A second copy of the program on a folder that others share, driven through the program's own
// worksheet code. Each use runs in <folder> and exits non-zero when the program would have
// reported a failure:
//   index_appender <folder> <prefix> <count> [--times]
//       appends "<prefix> 1" .. "<prefix> <count>" to the index; --times prints how long
//       each append took, in milliseconds, one a line
//   index_appender <folder> --hold
//       takes the index's lock as an append does, says "holding", and keeps it until killed
//   index_appender <folder> --worksheet <title> <saves>
//       saves a worksheet <saves> times, in two versions by turns, reads it back, and
//       removes it from the catalogue as the catalogue's delete does
//   index_appender <folder> --read <title> <seconds>
//       reads that worksheet again and again, as another desktop opening it would, and
//       fails on any read that is not one of the two versions whole
#include "files/commas.h"
#include "files/contentpath.h"
#include "files/sharedlock.h"
#include "worksheetfixtures.h"
#include "worksheets/worksheetfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "index_appender: %s\n", qPrintable(why));
    return 1;
}

int append(const QString &prefix, int count, bool times)
{
    const WorksheetIndexFile indexFile;
    QElapsedTimer timer;
    for (int i = 1; i <= count; ++i) {
        timer.start();
        if (!indexFile.trackWorksheets(QStringLiteral("%1 %2").arg(prefix).arg(i)))
            return fail(QStringLiteral("append %1 of %2 failed").arg(i).arg(prefix));
        if (times)
            std::printf("%.1f\n", timer.nsecsElapsed() / 1e6);
    }
    return 0;
}

int hold()
{
    SharedLock lock(resolveContentPath(indexPath));
    if (lock.acquire() != SharedLock::Outcome::Held)
        return fail(QStringLiteral("could not take the lock"));
    std::printf("holding\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

// Two versions of one worksheet, told apart by their first question.
WorksheetDraft version(const QString &title, int which)
{
    WorksheetDraft draft = completeDraft(title);
    draft.questions.at(0) = QStringLiteral("Version %1, with a longer question %2")
                                .arg(which)
                                .arg(QString(which * 20, u'x'));
    return draft;
}

int worksheet(const QString &title, int saves)
{
    const WorksheetIndexFile indexFile;
    for (int i = 0; i < saves; ++i) {
        const WorksheetSave save = genWork(version(title, i % 2), indexFile);
        if (!save.saved)
            return fail(QStringLiteral("save %1: %2").arg(i + 1).arg(save.message));
    }
    const QString stored = encodeCommas(title);
    QuestionSet read;
    if (!worksheetfile::read(stored, read))
        return fail(QStringLiteral("the saved worksheet cannot be read"));
    if (questionSetLines(read) != questionSetLines(questionSetOf(version(title, (saves - 1) % 2))))
        return fail(QStringLiteral("the worksheet read back is not the last one saved"));
    WorksheetIndex index;
    if (!indexFile.delWorksheet(stored, index) || index.titles.contains(stored) ||
        indexFile.load().titles.contains(stored))
        return fail(QStringLiteral("the worksheet is still in the catalogue"));
    if (!QFileInfo::exists(resolveContentPath(worksheetfile::path(stored))))
        return fail(QStringLiteral("removing it from the catalogue deleted its file"));
    std::printf("saved %d times, read back, removed\n", saves);
    return 0;
}

int readRepeatedly(const QString &title, int seconds)
{
    const QString stored = encodeCommas(title);
    const QStringList versions[] = {questionSetLines(questionSetOf(version(title, 0))),
                                    questionSetLines(questionSetOf(version(title, 1)))};
    int reads = 0;
    for (QDeadlineTimer end(seconds * 1000); !end.hasExpired(); QThread::msleep(20)) {
        QuestionSet set;
        QString problem;
        if (!readQuestionSetFile(worksheetfile::path(stored), set, &problem))
            return fail(QStringLiteral("read %1 failed: %2").arg(reads + 1).arg(problem));
        const QStringList lines = questionSetLines(set);
        if (lines != versions[0] && lines != versions[1])
            return fail(QStringLiteral("read %1 gave a mixed worksheet").arg(reads + 1));
        ++reads;
    }
    std::printf("%d reads, each one version whole\n", reads);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || !QDir::setCurrent(args.at(1)))
        return 2;
    const QString mode = args.at(2);
    if (mode == u"--hold")
        return hold();
    if (mode == u"--worksheet" && args.size() == 5)
        return worksheet(args.at(3), args.at(4).toInt());
    if (mode == u"--read" && args.size() == 5)
        return readRepeatedly(args.at(3), args.at(4).toInt());
    if (args.size() == 4 || (args.size() == 5 && args.at(4) == u"--times"))
        return append(mode, args.at(3).toInt(), args.size() == 5);
    return 2;
}

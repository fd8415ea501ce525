// Times importing a question bank of 1000 questions, which makes 100 worksheets, from a GIFT
// file and from a Moodle XML file: each run reads the file and saves every worksheet and the
// index, in a fresh working folder. Prints the peak resident memory after each format, from
// the first import on (Qt's own start-up included, the making of the bank not).
//
//   bench_exchange_import [--runs N] [--format gift|xml]
//   bench_exchange_import --write DIR
//
// Without --format each format runs in a process of its own, so that each peak is its own.
// --write only writes the two banks, as DIR/bank.gift and DIR/bank.xml, for timing the
// program's own --import.

#include "exchange/worksheetimport.h"
#include "worksheets/worksheetindex.h"

#include "questionbank.h"
#include "resident.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int questions = 1000;
constexpr int worksheets = questions / 10;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bankOf(const QString &format)
{
    return format == QLatin1String("gift") ? questionbank::gift(questions)
                                           : questionbank::moodleXml(questions);
}

// Why the import did not make the hundred worksheets, or nothing when it did.
QString shortfall(const worksheetimport::Report &report)
{
    if (!report.problem.isEmpty())
        return report.problem;
    if (!report.skipped.isEmpty())
        return QStringLiteral("%1 questions skipped, the first %2: %3")
            .arg(report.skipped.size())
            .arg(report.skipped.first().who, report.skipped.first().reason);
    if (report.saved.size() != worksheets || report.leftOver != 0)
        return QStringLiteral("%1 worksheets saved").arg(report.saved.size());
    if (WorksheetIndexFile().load().count() != worksheets)
        return QStringLiteral("the index lists %1 worksheets")
            .arg(WorksheetIndexFile().load().count());
    return {};
}

int runFormat(const QString &format, int runs)
{
    QTemporaryDir files;
    const QString bank = files.filePath(QStringLiteral("bank.") + format);
    QByteArray bytes = bankOf(format);
    const qsizetype size = bytes.size();
    if (!files.isValid() || !writeFile(bank, bytes)) {
        std::fprintf(stderr, "the question bank could not be written\n");
        return 1;
    }
    bytes.clear();
    bytes.squeeze();
    // Making the bank takes more memory than reading it: the peak is to be the import's.
    resetPeakResident();
    const QString start = QDir::currentPath();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir folder;
        if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("multiple")) ||
            !writeFile(folder.filePath(QStringLiteral("multiple/track.txt")), " 0 \r\n") ||
            !QDir::setCurrent(folder.path())) {
            std::fprintf(stderr, "a working folder could not be made\n");
            return 1;
        }
        QElapsedTimer clock;
        clock.start();
        const worksheetimport::Report report =
            worksheetimport::importFile(bank, QString(), WorksheetIndexFile());
        ms.push_back(clock.nsecsElapsed() / 1e6);
        const QString wrong = shortfall(report);
        QDir::setCurrent(start);
        if (!wrong.isEmpty()) {
            std::fprintf(stderr, "%s import, run %d: not %d worksheets: %s\n", qPrintable(format),
                         i + 1, worksheets, qPrintable(wrong));
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-4s %4lld kB, %d worksheets  min %7.1f ms  median %7.1f ms  max %7.1f ms  "
                "(%d runs)  peak rss %.1f MB\n",
                qPrintable(format), static_cast<long long>(size / 1024), worksheets, ms.front(),
                ms[ms.size() / 2], ms.back(), runs, peakResidentKilobytes() / 1024.0);
    return 0;
}

int writeBanks(const QString &folder)
{
    if (!QDir().mkpath(folder) ||
        !writeFile(QDir(folder).filePath(QStringLiteral("bank.gift")), bankOf("gift")) ||
        !writeFile(QDir(folder).filePath(QStringLiteral("bank.xml")), bankOf("xml"))) {
        std::fprintf(stderr, "the banks could not be written to %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 10;
    QString format;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--format") == 0)
            format = QString::fromLocal8Bit(argv[i + 1]);
        else if (std::strcmp(argv[i], "--write") == 0)
            return writeBanks(QString::fromLocal8Bit(argv[i + 1]));
    }
    // The import reads HTML with Qt's text documents, which need fonts.
    QGuiApplication app(argc, argv);
    if (!format.isEmpty() && format != QLatin1String("gift") && format != QLatin1String("xml")) {
        std::fprintf(stderr, "usage: bench_exchange_import [--runs N] [--format gift|xml]\n"
                             "       bench_exchange_import --write DIR\n");
        return 2;
    }
    if (!format.isEmpty())
        return runFormat(format, runs);
    for (const char *each : {"gift", "xml"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--format"),
                     QLatin1String(each)});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0) {
            // A child that exited has said why; one that did not start or crashed has not.
            std::fprintf(stderr, "the %s run failed%s\n", each,
                         child.error() != QProcess::UnknownError
                             ? qPrintable(QStringLiteral(": ") + child.errorString())
                             : "");
            return 1;
        }
    }
    return 0;
}

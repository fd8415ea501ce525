// Times worksheets made into Braille Ready Files through liblouis's contracted tables:
// one worksheet (the topic's own set, the longest texts the wizard allows) made in memory,
// the first time (the tables compiled) and then as a teacher's later saves; and every
// worksheet of a full index of 1000, each read from its file, made and written whole, in a
// scratch working folder. The goals: under 50 ms and under 30 s.
//
//   bench_braille_files [--runs N] [--content DIR]

#include "embossing/louistranslator.h"
#include "files/textfile.h"
#include "printouts/braillefile.h"
#include "quiz/questionset.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// A worksheet as long as the wizard lets a teacher make one.
QuestionSet longestSet(int number)
{
    QuestionSet set;
    set.title = QStringLiteral("Worksheet number %1").arg(number);
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        set.question(q).text =
            QStringLiteral("Which year, %1 or later, came %2 after 1809 for Tomas?")
                .arg(q)
                .arg(number);
        for (int a = 0; a < 4; ++a)
            set.question(q).answers[std::size_t(a)] =
                QStringLiteral("The year %1, in Paris, France").arg(1809 + q * a + number % 97);
        set.question(q).correctAnswer = QString::number(q % 4 + 1);
    }
    return set;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int runs = 50;
    QString content = QStringLiteral("content");
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--content") == 0)
            content = QString::fromLocal8Bit(argv[i + 1]);
    }
    QuestionSet topic;
    if (!readQuestionSetFile(content + QStringLiteral("/multiple/Tomas Verrin.txt"), topic)) {
        std::fprintf(stderr, "no topic set under %s\n", qPrintable(content));
        return 1;
    }

    LouisTranslator translator(BrailleGrade::Contracted);
    QString problem;
    QElapsedTimer clock;
    clock.start();
    if (!braillefile::make(topic, WorksheetCopy::Worksheet, translator, &problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    const double first = clock.nsecsElapsed() / 1e6;
    std::vector<double> topicTimes, longestTimes;
    for (int run = 0; run < runs; ++run) {
        // A fresh translator each time, as each save makes one; liblouis keeps the tables.
        LouisTranslator fresh(BrailleGrade::Contracted);
        clock.restart();
        braillefile::make(topic, WorksheetCopy::Worksheet, fresh, nullptr);
        topicTimes.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        braillefile::make(longestSet(run), WorksheetCopy::AnswerKey, fresh, nullptr);
        longestTimes.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("one worksheet, the first (tables compiled): %.1f ms\n", first);
    std::printf("one worksheet, the topic's set, median of %d: %.2f ms\n", runs,
                median(topicTimes));
    std::printf("one answer key, the wizard's longest texts, median of %d: %.2f ms\n", runs,
                median(longestTimes));

    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir(scratch.path()).mkdir(QStringLiteral("multiple")) ||
        !QDir::setCurrent(scratch.path()))
        return 1;
    QStringList lines{QStringLiteral(" %1 ").arg(WorksheetIndex::capacity)};
    for (int i = 1; i <= WorksheetIndex::capacity; ++i) {
        const QuestionSet set = longestSet(i);
        lines << set.title;
        if (!writeQuestionSetFile(worksheetfile::path(set.title), set))
            return 1;
    }
    if (!writeTextLines(QStringLiteral("multiple/track.txt"), lines) || !QDir().mkdir("brf"))
        return 1;

    clock.restart();
    const WorksheetIndex index = WorksheetIndexFile().load();
    int written = 0;
    for (const QString &title : index.titles) {
        QuestionSet set;
        written += worksheetfile::read(title, set) &&
                   braillefile::write(QStringLiteral("brf/") +
                                          braillefile::fileName(set, WorksheetCopy::Worksheet),
                                      set, WorksheetCopy::Worksheet, translator, &problem);
    }
    const double all = clock.nsecsElapsed() / 1e9;
    std::printf("the %d worksheets of a full index, read, made and written: %.2f s (%d written)\n",
                index.count(), all, written);
    return written == WorksheetIndex::capacity ? 0 : 1;
}

// Times the teacher's results view on a class of 30 pupils who each finished a worksheet 100
// times: from the click on "Results…" in the worksheet's menu to the view painted. Works in
// a scratch copy of the content folder (see --content).
//
//   bench_results_view [--runs N] [--content DIR]

#include "screenwatch.h"

#include "files/commas.h"
#include "files/textfile.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "quiz/questionset.h"
#include "results/resultsfolder.h"
#include "shell/startup.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/classresultsscreen.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

using namespace screenwatch;

namespace {
const QString title = QStringLiteral("Class test");
constexpr int pupils = 30;
constexpr int attemptsEach = 100;

bool writeWorksheet()
{
    QuestionSet set;
    if (!readQuestionSetFile(QStringLiteral("multiple/Tomas Verrin.txt"), set))
        return false;
    set.title = title;
    WorksheetIndex index;
    return writeQuestionSetFile(worksheetfile::path(encodeCommas(title)), set) &&
           WorksheetIndexFile().trackWorksheets(encodeCommas(title), &index);
}

bool writeClass()
{
    QRandomGenerator random(26);
    const QDateTime start(QDate(2026, 9, 1), QTime(9, 0));
    for (int p = 1; p <= pupils; ++p) {
        for (int a = 0; a < attemptsEach; ++a) {
            Attempt attempt;
            attempt.pupil = QStringLiteral("Pupil %1").arg(p);
            attempt.title = title;
            attempt.finished = start.addSecs(a * 3600 + p);
            for (int q = 0; q < Attempt::outOf; ++q) {
                attempt.chosen.at(q) = random.bounded(1, 5);
                attempt.right.at(q) = random.bounded(10) >= q;
                attempt.score += attempt.right.at(q) ? 1 : 0;
            }
            if (!ResultsFolder().record(attempt))
                return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = parseArguments(argc, argv, 25);
    QTemporaryDir scratch;
    const QString content = QDir::currentPath();
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path()) ||
        !QDir().mkpath(QStringLiteral("multiple")) ||
        !QFile::copy(content + QStringLiteral("/multiple/Tomas Verrin.txt"),
                     QStringLiteral("multiple/Tomas Verrin.txt")) ||
        !writeTextLines(QStringLiteral("multiple/track.txt"), {QStringLiteral(" 0 ")}) ||
        !writeWorksheet() || !writeClass()) {
        std::fprintf(stderr, "cannot prepare a scratch folder of results\n");
        return 1;
    }
    prepareApplication();
    AppContext context(Services::real());
    Screens &screens = context.screens();
    startProgram(context);
    CatalogueScreen *catalogue = screens.show<CatalogueScreen>();
    settle();

    QElapsedTimer clock;
    PaintWatch watch(clock);
    std::vector<double> toView;
    for (int run = 0; run < runs; ++run) {
        QMenu *menu = catalogue->entryMenu(1);
        QAction *results = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("Results\u2026"))
                results = action;
        clock.start();
        results->trigger();
        toView.push_back(watch.waitFor([&] { return screens.find<ClassResultsScreen>(); }));
        const ClassResultsScreen *view = screens.find<ClassResultsScreen>();
        if (!view || view->results().attempts.size() != pupils * attemptsEach) {
            std::fprintf(stderr, "the view did not show the class's attempts\n");
            return 1;
        }
        delete menu;
        screens.unload(screens.find<ClassResultsScreen>());
        settle();
    }
    report("Results... -> painted (30 pupils x 100 attempts)", toView);
    return 0;
}

// Times the catalogue on a full index as a teacher sees it: from the click on "Worksheet
// Catalogue" to the catalogue painted, and from the click on "Next Page >>" to the next
// page painted. Works in a scratch copy of the content folder named on the command line,
// whose index is replaced by one of 1000 entries.
//
//   bench_catalogue_open [--runs N] [--content DIR]

#include "screenwatch.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "files/textfile.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetindex.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace screenwatch;

namespace {

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(path);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(path, target))
            return false;
    }
    return true;
}

bool writeFullIndex()
{
    QStringList lines{QStringLiteral(" %1 ").arg(WorksheetIndex::capacity)};
    for (int i = 1; i <= WorksheetIndex::capacity; ++i)
        lines << QStringLiteral("Worksheet number %1").arg(i);
    return writeTextLines(QStringLiteral("multiple/track.txt"), lines);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = parseArguments(argc, argv, 25);
    QTemporaryDir scratch;
    if (!scratch.isValid() || !copyFolder(QDir::currentPath(), scratch.path()) ||
        !QDir::setCurrent(scratch.path()) || !writeFullIndex()) {
        std::fprintf(stderr, "cannot prepare a scratch content folder\n");
        return 1;
    }
    prepareApplication();
    AppContext context(Services::real());
    Screens &screens = context.screens();
    startProgram(context);
    settle();

    QElapsedTimer clock;
    PaintWatch watch(clock);
    std::vector<double> toCatalogue, toNextPage;
    for (int run = 0; run < runs; ++run) {
        MainMenu *menu = screens.find<MainMenu>();
        clock.start();
        click(menu->entries()->at(MainMenu::CatalogueEntry));
        toCatalogue.push_back(watch.waitFor([&] { return screens.find<CatalogueScreen>(); }));
        CatalogueScreen *catalogue = screens.find<CatalogueScreen>();
        if (!catalogue || catalogue->entries()->at(24)->text().isEmpty()) {
            std::fprintf(stderr, "the catalogue did not list the index\n");
            return 1;
        }
        settle();
        clock.start();
        click(catalogue->pageButtons()->at(CatalogueScreen::NextPage));
        toNextPage.push_back(watch.waitFor([&] { return catalogue; }));
        settle();
        click(catalogue->entries()->at(CatalogueScreen::exitEntry));
        settle();
    }
    report("Worksheet Catalogue -> painted", toCatalogue);
    report("Next Page >> -> painted", toNextPage);
    return 0;
}

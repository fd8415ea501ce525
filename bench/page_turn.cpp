// Times the page viewers as a reader sees them: from the click on "Next Page" (or
// "Previous Page" on the way back) to the new page of the Teacher's Guide painted, and one
// step of the acknowledgements' logo animation, from the tick to the new frame painted.
//
//   bench_page_turn [--runs N] [--content DIR]

#include "screenwatch.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/readablepicture.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "viewers/guideviewer.h"
#include "viewers/notesviewer.h"

#include <QApplication>

#include <cstdio>
#include <vector>

using namespace screenwatch;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = parseArguments(argc, argv, 50);
    prepareApplication();
    AppContext context(Services::real());
    Screens &screens = context.screens();
    MainMenu *menu = startProgram(context);
    settle();

    QElapsedTimer clock;
    PaintWatch watch(clock);
    click(menu->entries()->at(MainMenu::GuideEntry));
    settle();
    GuideViewer *guide = screens.find<GuideViewer>();
    if (!guide || guide->pagePicture()->picture().isNull()) {
        std::fprintf(stderr, "the guide did not open on its first page\n");
        return 1;
    }
    std::vector<double> turns;
    int step = 1;
    for (int run = 0; run < runs; ++run) {
        const int page = guide->pageNumber();
        if (page + step < 1 || page + step > GuideViewer::pages)
            step = -step;
        ButtonLabel *turn =
            guide->buttons()->at(step > 0 ? PageViewer::NextCommand : PageViewer::PreviousCommand);
        clock.start();
        click(turn);
        turns.push_back(watch.waitFor([&] { return guide->pagePicture(); }));
        settle();
    }
    click(guide->buttons()->at(PageViewer::ExitCommand));
    settle();

    click(menu->entries()->at(MainMenu::AcknowledgementsEntry));
    settle();
    NotesViewer *viewer = screens.find<NotesViewer>();
    auto *frame = viewer ? viewer->findChild<QWidget *>(QStringLiteral("Picture1")) : nullptr;
    if (!frame) {
        std::fprintf(stderr, "the acknowledgements did not open\n");
        return 1;
    }
    std::vector<double> ticks;
    for (int run = 0; run < runs; ++run) {
        clock.start();
        viewer->animateLogo();
        ticks.push_back(watch.waitFor([&] { return frame; }));
        settle();
    }
    report("Next/Previous Page -> painted", turns);
    report("logo tick -> frame painted", ticks);
    return 0;
}

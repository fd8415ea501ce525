// A school day on the acknowledgements: runs the logo animation for as many ticks as six and
// a half hours of 25 ms ticks (or --ticks N), drawing the screen as it goes, and prints the
// resident memory at the start and every tenth of the way, so that growth shows.
//
//   bench_logo_soak [--ticks N] [--content DIR]

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "viewers/notesviewer.h"

#include "resident.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    long ticks = 6.5 * 3600 * 1000 / 25;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--ticks") == 0)
            ticks = std::max(1L, std::atol(argv[i + 1]));
        else if (std::strcmp(argv[i], "--content") == 0)
            QDir::setCurrent(QString::fromLocal8Bit(argv[i + 1]));
    }
    prepareApplication();
    AppContext context(Services::real());
    MainMenu *menu = startProgram(context);
    menu->entries()->at(MainMenu::AcknowledgementsEntry)->click();
    QApplication::processEvents();
    auto *viewer = context.screens().find<NotesViewer>();
    if (!viewer) {
        std::fprintf(stderr, "the acknowledgements did not open\n");
        return 1;
    }
    QImage screen(viewer->size(), QImage::Format_ARGB32_Premultiplied);
    std::printf("%10d ticks  rss %ld kB\n", 0, residentKilobytes());
    // The first tenth warms Qt's caches up; what matters is growth after it.
    long warm = -1;
    for (long tick = 1; tick <= ticks; ++tick) {
        viewer->animateLogo();
        // The frame is what changes; the whole screen is drawn now and then as well.
        if (tick % 10 == 0) {
            QPainter painter(&screen);
            viewer->render(&painter);
        }
        QApplication::processEvents();
        if (tick % std::max(1L, ticks / 10) == 0) {
            const long now = residentKilobytes();
            if (warm < 0)
                warm = now;
            std::printf("%10ld ticks  rss %ld kB\n", tick, now);
        }
    }
    std::printf("growth after the first tenth: %ld kB\n", residentKilobytes() - warm);
    return 0;
}

// Times reading and drawing one page picture: a screen page at the display's own size
// (zoom 1, into an image), and a paper page at 1200 dots per inch (into a PDF, as vectors,
// the way it goes to a printer).
//
//   bench_metafile_render [--runs N] SCREEN_PAGE.wmf PAPER_PAGE.wmf

#include "look/fonts.h"
#include "pictures/wmf/metafile.h"
#include "pictures/wmf/metafileplayer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QByteArray readAll(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads the file's bytes into a metafile and draws it; the bytes are already in memory so
// the disk does not blur the figure.
MetafilePlayer::Result screenPage(const QByteArray &bytes)
{
    const Metafile page = Metafile::parse(bytes);
    const QSizeF pixels = page.sizeTwips() / 15;
    QImage image(pixels.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    return MetafilePlayer::play(page, painter, QRectF(QPointF(0, 0), pixels));
}

MetafilePlayer::Result paperPage(const QByteArray &bytes)
{
    const Metafile page = Metafile::parse(bytes);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(1200);
    QPainter painter(&writer);
    const QSizeF dots = page.sizeTwips() * 1200 / 1440;
    const double margin = 1000.0 * 1200 / 1440;
    auto result = MetafilePlayer::play(page, painter, QRectF(QPointF(margin, margin), dots));
    painter.end();
    return result;
}

void time(const char *what, int runs, const std::function<MetafilePlayer::Result()> &draw)
{
    std::vector<double> ms;
    MetafilePlayer::Result result;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        result = draw();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-30s min %7.2f ms  median %7.2f ms  max %7.2f ms  (%d runs, %d records)\n", what,
                ms.front(), ms[ms.size() / 2], ms.back(), runs, result.played);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    fonts::registerFonts();
    int runs = 50;
    std::vector<const char *> pages;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            pages.push_back(argv[i]);
    }
    if (pages.size() != 2) {
        std::fprintf(stderr, "usage: bench_metafile_render [--runs N] SCREEN.wmf PAPER.wmf\n");
        return 2;
    }
    const QByteArray screen = readAll(pages[0]);
    const QByteArray paper = readAll(pages[1]);
    if (Metafile::parse(screen).isNull() || Metafile::parse(paper).isNull()) {
        std::fprintf(stderr, "a page could not be read\n");
        return 1;
    }
    // The first drawing loads the fonts; a reader turning pages has them loaded already.
    screenPage(screen);
    paperPage(paper);
    time("screen page, zoom 1", runs, [&] { return screenPage(screen); });
    time("paper page, 1200 dpi", runs, [&] { return paperPage(paper); });
    return 0;
}

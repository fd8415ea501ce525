// contentgen OUTDIR: writes the program's shipped content into OUTDIR.
// contentgen --preview PNGDIR: paints every page, screen and paper, as PNG files to look at.
// contentgen --icons NAME DIR: writes the desktop icon NAME at the usual sizes under DIR.

#include "contentfonts.h"
#include "contentoutputs.h"
#include "desktopicons.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // The drawings need text but never a display; the same platform everywhere also
    // keeps the output the same wherever the tool runs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    const bool preview = args.size() == 3 && args.at(1) == QLatin1String("--preview");
    const bool icons = args.size() == 4 && args.at(1) == QLatin1String("--icons");
    if (args.size() != 2 && !preview && !icons) {
        err << "usage: contentgen OUTDIR | contentgen --preview PNGDIR | contentgen --icons NAME "
               "DIR\n";
        return 2;
    }
    QString error;
    const auto write = [&] {
        if (icons)
            return writeFiles(args.at(3), desktopicons::files(args.at(2)), &error);
        return preview ? writePagePreviews(args.at(2), &error) : writeContent(args.at(1), &error);
    };
    if (!contentfonts::registerFonts(&error) || !write()) {
        err << "contentgen: " << error << "\n";
        return 1;
    }
    return 0;
}

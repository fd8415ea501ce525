// contentgen OUTDIR: writes the program's shipped content into OUTDIR.
// contentgen --preview PNGDIR: paints every page, screen and paper, as PNG files to look at.

#include "contentfonts.h"
#include "contentoutputs.h"

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
    if (args.size() != 2 && !preview) {
        err << "usage: contentgen OUTDIR | contentgen --preview PNGDIR\n";
        return 2;
    }
    QString error;
    if (!contentfonts::registerFonts(&error) ||
        !(preview ? writePagePreviews(args.at(2), &error) : writeContent(args.at(1), &error))) {
        err << "contentgen: " << error << "\n";
        return 1;
    }
    return 0;
}

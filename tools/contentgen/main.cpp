// contentgen OUTDIR: writes the program's shipped content into OUTDIR.

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
    if (args.size() != 2) {
        err << "usage: contentgen OUTDIR\n";
        return 2;
    }
    QString error;
    if (!contentfonts::registerFonts(&error) || !writeContent(args.at(1), &error)) {
        err << "contentgen: " << error << "\n";
        return 1;
    }
    return 0;
}

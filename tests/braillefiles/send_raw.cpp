// The program's raw sending on its own, for the walk through a real CUPS:
//   send_raw --list           the printers' names, one a line
//   send_raw PRINTER FILE     sends the file's bytes as a raw job; 1 with the reason if not
#include "embossing/cupsembossers.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    CupsEmbossers embossers;
    if (arguments == QStringList{QStringLiteral("--list")}) {
        for (const QString &name : embossers.printers())
            std::printf("%s\n", qPrintable(name));
        return 0;
    }
    QFile file(arguments.value(1));
    if (arguments.size() != 2 || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: send_raw --list | PRINTER FILE\n");
        return 2;
    }
    QString problem;
    if (!embossers.sendRaw(arguments.at(0), file.fileName(), file.readAll(), &problem)) {
        std::fprintf(stderr, "send_raw: %s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}

// Appends titles "<prefix> 1" .. "<prefix> <count>" to the worksheet index in <folder>, as a
// second copy of the program sharing that folder would. Exits non-zero if any append failed.
#include "worksheets/worksheetindex.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || !QDir::setCurrent(args.at(1)))
        return 2;
    const WorksheetIndexFile indexFile;
    const int count = args.at(3).toInt();
    for (int i = 1; i <= count; ++i) {
        if (!indexFile.trackWorksheets(QStringLiteral("%1 %2").arg(args.at(2)).arg(i)))
            return 1;
    }
    return 0;
}

#include "results/resultsprintout.h"

#include "look/fonts.h"
#include "pictures/picture.h"
#include "printing/printsurface.h"
#include "results/classresults.h"
#include "results/sharechart.h"

namespace {
constexpr double twipsPerInch = 1440;
constexpr int chartDotsPerInch = 200;
} // namespace

bool printClassResults(PrintSurface &surface, const ClassResults &results)
{
    surface.setDocumentName(QStringLiteral("Results of ") + results.title);
    surface.setFontName(fonts::arial);
    surface.setFontSize(16);
    surface.setBold(true);
    surface.print(QStringLiteral("Results: ") + results.title);
    surface.setFontSize(11);
    surface.setBold(false);
    surface.print(results.summary());
    surface.printBlankLine();

    const double width = surface.pageWidth();
    const QSizeF chartTwips(width, width * 0.55);
    const QImage chart = sharechart::image(results, chartTwips / twipsPerInch, chartDotsPerInch);
    surface.printPicture(Picture(chart, chartTwips));
    surface.printBlankLine();

    const double whenAt = width * 0.5;
    const double scoreAt = width * 0.8;
    const auto row = [&](const QString &pupil, const QString &when, const QString &score) {
        surface.print(pupil, PrintSurface::KeepLine);
        surface.setX(whenAt);
        surface.print(when, PrintSurface::KeepLine);
        surface.setX(scoreAt);
        surface.print(score);
    };
    surface.setBold(true);
    row(QStringLiteral("Pupil"), QStringLiteral("Finished"), QStringLiteral("Score"));
    surface.setBold(false);
    for (const Attempt &attempt : results.attempts)
        row(attempt.pupil, attempt.finishedShown(),
            QStringLiteral("%1 out of %2").arg(attempt.score).arg(Attempt::outOf));
    return surface.endDoc();
}

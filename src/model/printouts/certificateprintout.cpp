#include "printouts/certificateprintout.h"

#include "printing/printsurface.h"
#include "quiz/scoretext.h"

#include <QColor>
#include <QLineF>

namespace {
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor darkBlue(0, 0, 128);
const QColor black(0, 0, 0);
const QString banner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

void setFont(PrintSurface &surface, double points, const QColor &colour)
{
    surface.setFontSize(points);
    surface.setColour(colour);
}

void printBlankLines(PrintSurface &surface, int count)
{
    for (int i = 0; i < count; ++i)
        surface.printBlankLine();
}

void printBanner(PrintSurface &surface)
{
    surface.print(banner, PrintSurface::KeepLine);
    surface.print(banner, PrintSurface::KeepLine);
}

// Four lines in the order top, left side, right side, bottom.
void drawFrame(PrintSurface &surface, double left, double top, double right, double bottom)
{
    surface.line({left, top}, {right, top});
    surface.line({left, top}, {left, bottom});
    surface.line({right, top}, {right, bottom});
    surface.line({left, bottom}, {right, bottom});
}

void drawOuterFrame(PrintSurface &surface, int k)
{
    const double side = 45.0 * (k + 1);
    const double edge = 270.0 + 45 * k;
    drawFrame(surface, side, edge, surface.pageWidth() - side, surface.pageHeight() - edge);
}

void drawInnerBox(PrintSurface &surface, int k)
{
    const double inset = 45.0 * k;
    drawFrame(surface, 645 + inset, 7320 + inset, surface.pageWidth() - 645 - inset,
              surface.pageHeight() - 4020 - inset);
}

void drawFrames(PrintSurface &surface)
{
    for (int k = 0; k < 5; ++k) {
        drawOuterFrame(surface, k);
        if (k < 3)
            drawInnerBox(surface, k);
    }
}
} // namespace

bool printCertificate(PrintSurface &surface, const Certificate &certificate)
{
    surface.setFontName(QStringLiteral("Times New Roman"));
    setFont(surface, 25, blue);
    surface.printBlankLine();
    printBanner(surface);
    surface.print(QStringLiteral(" "));
    printBlankLines(surface, 2);

    setFont(surface, 36, red);
    surface.printCentred(QStringLiteral("Zorvanel"));
    surface.printBlankLine();

    const bool wide = certificate.headingScreenWidth > surface.pageWidth() / 4;
    setFont(surface, wide ? 28 : 36, blue);
    surface.printCentred(certificate.heading);
    surface.printBlankLine();
    surface.setFontSize(36);
    printBlankLines(surface, 3);

    setFont(surface, 28, darkBlue);
    surface.printCentred(QStringLiteral("Excellent Work"));
    surface.printBlankLine();
    surface.printCentred(certificate.pupilName);
    surface.printBlankLine();
    surface.printCentred(
        scoreMessage(QStringLiteral("You have scored"), certificate.score, certificate.outOf));
    surface.printBlankLine();
    surface.setFontSize(36);
    printBlankLines(surface, 2);

    setFont(surface, 25, blue);
    surface.printBlankLine();
    surface.setColour(black);
    printBanner(surface);

    drawFrames(surface);
    return surface.endDoc();
}

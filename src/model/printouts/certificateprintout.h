#pragma once

#include <QString>

class PrintSurface;

// What a full-marks certificate says.
struct Certificate
{
    QString heading;   // the quiz's heading when it was scored
    QString pupilName; // as typed, possibly empty
    int score = 0;
    int outOf = 0;
    // The heading's width in the results screen's own font, in twips: a heading wider than
    // a quarter of the page is printed smaller.
    double headingScreenWidth = 0;
};

// Prints the one-page certificate, text lines in the order and sizes the design gives, then
// five frames and three boxes. True when the document went to the printer.
bool printCertificate(PrintSurface &surface, const Certificate &certificate);

#pragma once

class PrintSurface;
struct ClassResults;

// The teacher's page of a set's results: the heading, the class's figures, the chart of the
// questions, then every attempt, newest first. True when the document went to the printer.
bool printClassResults(PrintSurface &surface, const ClassResults &results);

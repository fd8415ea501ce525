#pragma once

#include "printouts/worksheetprintout.h"

#include <QByteArray>
#include <QString>

#include <optional>

class BrailleTranslator;
struct QuestionSet;

// A worksheet or its answer key as a Braille Ready File, for a school's embosser: lines of
// at most 40 cells ended by CR LF, pages of at most 25 lines each ended by a form feed, the
// page's number at the right of its first line as embossed pages carry it.
namespace braillefile {

constexpr int cellsPerLine = 40;
constexpr int linesPerPage = 25;

// The file's bytes; nothing when some text cannot be put in Braille, with the reason, which
// names the question the text is in, in *problem.
std::optional<QByteArray> make(const QuestionSet &set, WorksheetCopy copy,
                               BrailleTranslator &translator, QString *problem);

// Makes the file and writes it whole, or writes nothing; false with the reason in *problem.
bool write(const QString &path, const QuestionSet &set, WorksheetCopy copy,
           BrailleTranslator &translator, QString *problem);

// The file's suffix, and the name a file for the copy of a worksheet is first offered under.
extern const QString suffix;
QString fileName(const QuestionSet &set, WorksheetCopy copy);

} // namespace braillefile

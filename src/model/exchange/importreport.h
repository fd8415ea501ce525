#pragma once

#include "exchange/worksheetimport.h"

#include <QStringList>

// An import's report in the teacher's words, one line for each worksheet saved, each
// question skipped or to be rewritten, each change made, and what was left over. Why an import
// stopped, when it did, is the report's problem, for the caller to show as it shows failures.
namespace importreport {

// What happens to the questions left over: the program opens them in the wizard; the
// command line only counts them.
enum class LeftOver { OpenInWizard, NotSaved };

QStringList lines(const worksheetimport::Report &report, LeftOver leftOver);

} // namespace importreport

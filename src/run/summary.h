// The end of a successful run: the message box that lists the written files
// with the unit of each, the "Output file: " lines of the main window, and
// the message about non-elementary reactions when the run found any.
#ifndef KESTRELON_RUN_SUMMARY_H_
#define KESTRELON_RUN_SUMMARY_H_

#include <string>

#include "model/run_record.h"
#include "model/ui_services.h"

namespace kestrelon {

void ShowSummary(UiServices& ui, const RunRecord& run);

// The text of the "Output file: " lines; `cwd` is the current directory,
// whose root stands in shortened lines.
std::string OutputFileLines(const RunRecord& run, const std::string& cwd);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_SUMMARY_H_

// The comparison report as text for a reader: the two files, the Ea unit
// and the tolerance, the counts of every kind of difference, a verdict
// line, then the differences grouped by kind (groups without any are left
// out). Lines end with a line feed (the text goes to a terminal). Never
// throws.
#ifndef KESTRELON_COMPARE_REPORT_TEXT_H_
#define KESTRELON_COMPARE_REPORT_TEXT_H_

#include <optional>
#include <string>

#include "compare/compare_report.h"

namespace kestrelon {

std::string RenderReportText(const CompareReport& report);

// A ratio of rate constants as the reports print it: four significant
// digits, "undefined" for none.
std::string FormatRatio(std::optional<double> ratio);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_REPORT_TEXT_H_

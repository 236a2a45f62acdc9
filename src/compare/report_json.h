// The comparison report as JSON for scripts: the same content as the text
// report, in one object (see RenderReportJson for its members). Always
// valid JSON (see json_writer.h); ends with a line feed. Never throws.
#ifndef KESTRELON_COMPARE_REPORT_JSON_H_
#define KESTRELON_COMPARE_REPORT_JSON_H_

#include <string>

#include "compare/compare_report.h"

namespace kestrelon {

// {"file_a", "file_b", "ea_unit", "ea_unit_from_names", "tolerance":
// {"kind": "printed_digits"} or {"kind": "relative", "value"}, "same",
// "elements" and "species": {"only_in_a": [names], "only_in_b": [names]},
// "reactions" and "non_elementary": {"matched", "matched_other_way_round",
// "only_in_a" and "only_in_b": [{"line", "text"}], "rate_differences":
// [{"a", "b", "other_way_round", "fields": [{"name", "a", "b"}],
// "k_ratio_1000", "k_ratio_2000"}], "auxiliary_differences": [{"a", "b",
// "other_way_round", "items": [{"name", "kind": "keyword" or "efficiency",
// "a", "b"}]}]}}. A reaction "a"/"b" is {"line", "text", "equation"}; an
// item missing from a file is null; an undefined ratio is null.
std::string RenderReportJson(const CompareReport& report);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_REPORT_JSON_H_

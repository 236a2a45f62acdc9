// The comparison report as JSON for scripts: the same content as the text
// report, in one object (see RenderReportJson for its members), written by
// nlohmann::json with two blanks of indent and ended by a line feed.
//
// The output is always valid JSON, whatever the bytes of the files: text
// that is valid UTF-8 is kept as it is, and each byte that is not part of
// valid UTF-8 (mechanism files are not always UTF-8) stands for the
// character of the same code, U+0080 to U+00FF, so that no byte is lost.
// Ratios and the tolerance are given to six significant digits; a number
// that is not finite is null. Never throws but std::bad_alloc.
#ifndef KESTRELON_COMPARE_REPORT_JSON_H_
#define KESTRELON_COMPARE_REPORT_JSON_H_

#include <string>
#include <string_view>

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

// `text` as valid UTF-8: each byte outside a valid UTF-8 sequence becomes
// the character of its code (so "\xe9" becomes "\xc3\xa9").
std::string AsUtf8(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_REPORT_JSON_H_

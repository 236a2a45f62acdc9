// How `kestrelon compare` shows a comparison of two thermo files.
//
// Text:
//   A: a.dat
//   B: b.dat
//   Cp/R, H/RT and S/R at 300, 1000, 2000 K; tolerance 0.001 (relative
//   above 1 in size, absolute below)
//   Species matched: 52
//   Species only in A: 1, only in B: 0
//   Species with different values: 1
//   The files differ.            (or "The files are the same.")
// then, where not empty, the lists: "Species only in A (1):" with
// "  line 12: CH4" items, and "Species with different values (1):" with
// "  CH4 (A line 5, B line 5)" followed by one line per value,
// "    Cp/R at 300 K: 4.1 -> 4.2".
//
// JSON: {"file_a", "file_b", "temperatures", "tolerance", "matched",
// "same", "only_in_a": [{"name", "line"}], "only_in_b", "differences":
// [{"species", "line_a", "line_b", "values": [{"quantity",
// "temperature", "a", "b"}]}]}. Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_THERMO_COMPARE_OUTPUT_H_
#define KESTRELON_CHECK_THERMO_COMPARE_OUTPUT_H_

#include <string>

#include "check/thermo_compare.h"

namespace kestrelon {

std::string RenderThermoCompareText(const ThermoCompareReport& report);
std::string RenderThermoCompareJson(const ThermoCompareReport& report);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_COMPARE_OUTPUT_H_

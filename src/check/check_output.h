// How `kestrelon check` shows what it found.
//
// Text: one line per finding in the order given,
//   kestrelon: FILE:LINE: error: text      (FILE: alone when LINE is 0)
// then the summary line
//   FILE: 325 reactions, 53 species: 2 errors, 5 warnings
// followed, where it applies, by "; no thermo data: coverage and balance
// not judged" or "; balance not judged for 4 reactions (species without
// thermo data)".
//
// JSON: {"file", "thermo_file" (or null), "reactions", "species",
// "thermo_data", "balance_not_judged", "errors", "warnings", "findings":
// [{"file", "line", "severity", "message"}]}. Nothing here throws but
// std::bad_alloc.
#ifndef KESTRELON_CHECK_CHECK_OUTPUT_H_
#define KESTRELON_CHECK_CHECK_OUTPUT_H_

#include <string>
#include <vector>

#include "check/finding.h"
#include "check/mechanism_check.h"

namespace kestrelon {

// `files[f.file]` names the file of a finding; files[0] is the mechanism.
std::string FindingLine(const Finding& f,
                        const std::vector<std::string>& files);

std::string RenderCheckText(const CheckResult& result,
                            const std::vector<std::string>& files);
std::string RenderCheckJson(const CheckResult& result,
                            const std::vector<std::string>& files);

int CountErrors(const Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_CHECK_OUTPUT_H_

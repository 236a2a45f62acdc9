// Why the sections of a mechanism were not found: the lines the command line
// prints after the unreadable-file message or a failed section search.
// Reads the text of the input file (lines end at CR LF, CR or LF) as the run
// reads it: upper-cased, TABs as blanks, a comment ("!" to the end of the
// line) left out. Nothing here throws but std::bad_alloc.
//
// Two kinds of lines are named, in input order:
//   - a SPECIES, THERMO or REACTIONS keyword with blanks in front of it,
//     which opens no section (only ELEMENTS is found after blanks);
//   - a section whose keyword opens it but which has no line reading
//     exactly END before the next keyword or the end of the file, with a
//     word on END standing on the keyword line ("SPECIES H O END"), which
//     closes nothing.
// A section with a line near END ("END  ") is not named: that line is.
// Lines near END ("END  ") are named by end_diagnostics.h.
#ifndef KESTRELON_CLI_SECTION_HINTS_H_
#define KESTRELON_CLI_SECTION_HINTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Whole lines, "kestrelon: FILE:N: ...", `file` as named by the user, each
// ending with `advice`.
std::vector<std::string> SectionHints(const std::string& file,
                                      std::string_view text,
                                      std::string_view advice = {});

}  // namespace kestrelon

#endif  // KESTRELON_CLI_SECTION_HINTS_H_

// The lines the command line prints about keyword lines that open no
// section and sections without an END (found by run/unreadable_causes.h),
// after the unreadable-file message or a failed section search. Nothing
// here throws but std::bad_alloc.
#ifndef KESTRELON_CLI_SECTION_HINTS_H_
#define KESTRELON_CLI_SECTION_HINTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Whole lines, "kestrelon: FILE:N: ...", `file` as named by the user.
std::vector<std::string> SectionHints(const std::string& file,
                                      std::string_view text,
                                      std::string_view advice = {});

}  // namespace kestrelon

#endif  // KESTRELON_CLI_SECTION_HINTS_H_

// Why the sections of a mechanism were not found: the causes the command
// line prints after the unreadable-file message or a failed section search,
// and the first of them, which the window shows. Reads the text of the input
// file (lines end at CR LF, CR or LF) as the run reads it: upper-cased, TABs
// as blanks, a comment ("!" to the end of the line) left out. Writes
// nothing. Nothing here throws but std::bad_alloc.
//
// Three kinds of lines are named:
//   - a line near END: its text with the comment and the blanks and TABs
//     around it taken away is END in any case, while the line itself,
//     upper-cased with its TABs as blanks, is not exactly END ("END  "), so
//     it closes nothing;
//   - a SPECIES, THERMO or REACTIONS keyword with blanks in front of it,
//     which opens no section (only ELEMENTS is found after blanks);
//   - a section whose keyword opens it but which has no line reading
//     exactly END before the next keyword or the end of the file, with a
//     word END on the keyword line ("SPECIES H O END") named too. A section
//     closed by a line near END is not named: that line is.
#ifndef KESTRELON_RUN_UNREADABLE_CAUSES_H_
#define KESTRELON_RUN_UNREADABLE_CAUSES_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct NearEnd {
  int line = 0;      // 1-based
  std::string text;  // the line as written
};

// A line of the input and what is wrong with it, without the file's name.
struct LineCause {
  int line = 0;  // 1-based
  std::string reason;
};

std::vector<NearEnd> FindNearEnds(std::string_view text);

// `"END  " is not counted: only a line reading exactly END closes a
// section`, the line quoted as written, a TAB shown as \t.
std::string NearEndReason(const NearEnd& near);

// The keyword lines that open no section and the sections without an END,
// in input order.
std::vector<LineCause> FindSectionCauses(std::string_view text);

// `END closes 2 sections; ELEMENTS, SPECIES and REACTIONS each need one`,
// for the count of lines reading exactly END the run made.
std::string EndCountReason(int endcount);

// The first cause in the order the command line lists them, as
// `line 23: "  END" is not counted: ...`: the first line near END, else the
// first section cause, else EndCountReason(endcount).
std::string FirstUnreadableCause(int endcount, std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_UNREADABLE_CAUSES_H_

// Where the reverse reaction of a REV line goes in a cleaned file. Reads the
// text of one cleaned file; writes its reordered text.
//
// In CHEMKIN every auxiliary line after a reaction belongs to it, in any
// order; the layout pass writes a "REV" line as the reaction line of the
// reverse direction, so lines after it would seem to belong to the reverse.
// Each reaction block of the file (a reaction line, a line from "REACTIONS"
// on that holds "=", and the lines after it up to the next reaction line or
// "END") that holds a REV line is therefore reordered:
//
//   H2+M<=>H+H+M 4.577E+19 -1.4000 104400.0     H2+M<=>H+H+M 4.577E+19 ...
//   REV /1.145E+20 -1.676 820.0/           ->   H2/2.5/ H2O/12/
//   H2/2.5/ H2O/12/                             DUP
//   DUP                                         REV /1.145E+20 -1.676 820.0/
//                                               H2/2.5/ H2O/12/
//                                               DUP
//
// The REV line moves after the block's last line and is followed by copies
// of the block's third-body efficiency lines and DUP line: the reverse of a
// third-body reaction has the same third body, and the reverses of two
// duplicate reactions are duplicates too. LOW, TROE, SRI, PLOG and other
// keyword lines are not copied (CHEMKIN does not combine them with REV). A
// block whose REV line is its only auxiliary line is left as it is.
//
// Lines are closed by CR LF in the result. Never throws.
#ifndef KESTRELON_OUTPUT_REVERSE_BLOCK_H_
#define KESTRELON_OUTPUT_REVERSE_BLOCK_H_

#include <string>
#include <string_view>

namespace kestrelon {

// The reordered text into `out`; false, with `out` untouched, when no block
// needs to change.
bool MoveReverseLinesLast(std::string_view text, std::string& out);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_REVERSE_BLOCK_H_

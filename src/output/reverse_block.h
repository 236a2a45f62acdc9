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
// ReorderedLines hands out the lines of a text in that order, one block at
// a time, as views into the text (a copied line views its first place):
// the text is never copied. Never throws.
#ifndef KESTRELON_OUTPUT_REVERSE_BLOCK_H_
#define KESTRELON_OUTPUT_REVERSE_BLOCK_H_

#include <span>
#include <string_view>
#include <vector>

#include "platform/text_ops.h"

namespace kestrelon {

class ReorderedLines {
 public:
  // `in_reactions`: the text goes on a file from within its reaction
  // section (after the "REACTIONS" line).
  explicit ReorderedLines(std::string_view text, bool in_reactions = false)
      : reader_(text),
        any_rev_(StartsWith(text, "REV") || Contains(text, "\nREV")),
        in_reactions_(in_reactions) {}

  // The next line; false when the text is used up.
  bool Next(std::string_view& line);

  // The lines still to come from the block of the line Next gave last: for
  // a reaction line, its auxiliary lines in their new order.
  std::span<const std::string_view> BlockRest() const {
    return std::span<const std::string_view>(block_).subspan(next_);
  }

 private:
  void TakeBlock(std::string_view reaction);

  LineReader reader_;
  bool any_rev_;  // most files have no REV line: no block is looked at
  bool in_reactions_;
  std::vector<std::string_view> block_;  // the current block, reordered
  size_t next_ = 0;                      // in block_
  std::vector<std::string_view> aux_;    // read aside
  std::string_view held_;                // the line after the block, read ahead
  bool holding_ = false;
};

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_REVERSE_BLOCK_H_

// A cleaned mechanism file read back, as the writer lays it out: the element
// and species names, the reaction lines with their auxiliary lines, and the
// list of non-elementary reactions that may follow the reaction section.
// Compare, the rename checks and whatever else reads a cleaned file read it
// here; what a reader makes of the lines (reaction keys, auxiliary items)
// is its own business.
//
// The layout: "ELEMENTS" and "SPECIES" lists closed by "END" (names
// separated by blanks; a word that begins with "/", such as the atomic
// weight in "D /2.014/", stays with the name before it), any other lines up
// to "REACTIONS", one reaction per line ("EQUATION A n Ea") each followed by
// its auxiliary lines, "END", then optionally the list heading with
// reactions and auxiliary lines in the same form. A line holding "=" is a
// reaction line. A reversible reaction line ("<=>") that reads as the exact
// reverse of the reversible reaction above it is that reaction's
// reverse-rate line, made from "REV", and is kept as the reaction's
// `reverse_rate`, not as a reaction of its own, when it directly follows
// the reaction line, or when it follows the reaction's auxiliary lines and
// is followed by copies of the reaction's efficiencies and DUP and nothing
// else (how the layout of REV lines writes it); the copies are then not
// read again.
//
// Lines end at CR LF, CR or LF; blanks and TABs at either end of a line are
// ignored. The file keeps its text; the lines hold views into it, valid as
// long as the CleanedFile lives (moving it keeps them valid). The numbers
// of the reaction lines are read once, here; the file is read in one pass,
// with no allocation per reaction line.
//
// ReadCleanedFile throws RunError(reason, file, line) for a file that does
// not have this layout: no "REACTIONS" line, a list not closed by "END", a
// reaction line without exactly three numbers after its equation. An
// auxiliary line before the first reaction of a list belongs to no reaction:
// it is kept in `unattached_aux`, which the reaction-by-reaction comparison
// does not look at. The first fault in
// the order of the file is the one reported. CleanedSpecies never throws.
#ifndef KESTRELON_MODEL_CLEANED_FILE_H_
#define KESTRELON_MODEL_CLEANED_FILE_H_

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/number_reading.h"  // ParseNumberText
#include "model/reaction_markers.h"

namespace kestrelon {

struct CleanedReactionLine {
  int line = 0;           // 1-based
  std::string_view text;  // the reaction line, blank-trimmed
  std::string_view equation;
  std::string_view a, n, ea;  // the coefficient texts
  double a_value = 0, n_value = 0, ea_value = 0;
  // "A n Ea" of the reverse-rate line after it; empty when there is none.
  std::string_view reverse_rate;
  // Blank-trimmed, in file order; held by the file's `aux_lines`.
  std::span<const std::string_view> aux_lines;
};

struct CleanedFile {
  std::unique_ptr<const std::string> source;  // the file's text
  std::vector<std::string> elements;
  std::vector<std::string> species;
  std::vector<CleanedReactionLine> reactions;       // the reaction section
  std::vector<CleanedReactionLine> non_elementary;  // the list after it
  // The auxiliary lines of the reactions of each list, one reaction's after
  // another's.
  std::vector<std::string_view> aux_lines, non_elementary_aux_lines;
  // Auxiliary lines before the first reaction of a list, in file order.
  std::vector<std::string_view> unattached_aux;
};

// `file` names the file in error messages.
CleanedFile ReadCleanedFile(std::string text, const std::string& file);

// The SPECIES list of a cleaned file's text, read as ReadCleanedFile reads
// it; the rest of the file is not looked at, so a file that is not quite
// in the layout still gives its names.
std::vector<std::string> CleanedSpecies(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_CLEANED_FILE_H_

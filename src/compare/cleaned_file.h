// A cleaned mechanism file read back: its element and species names, its
// reactions with their auxiliary items, and the list of non-elementary
// reactions that may follow the reaction section.
//
// The file is the writer's layout: "ELEMENTS" and "SPECIES" lists closed by
// "END" (names separated by blanks; an atomic weight "/2.014/" stays with
// its element), any other lines up to "REACTIONS", one reaction per line
// ("EQUATION A n Ea") each followed by its auxiliary lines, "END", then
// optionally "****List of non-elementary reactions****" with reactions and
// auxiliary lines in the same form. A line holding "=" is a reaction line.
// A reversible reaction line that reads as the exact reverse (products
// "<=>" reactants) of the reversible reaction above it is that reaction's
// reverse-rate line, made from "REV", and becomes a "REV" item of it, not a
// reaction of its own, when it directly follows the reaction line, or when
// it follows the reaction's auxiliary lines and is followed by copies of
// the reaction's efficiencies and DUP and nothing else (the layout of
// output/reverse_block.h); the copies are then not read again.
//
// Lines end at CR LF, CR or LF; blanks at either end of a line are ignored.
// The mechanism keeps the file's text; the reactions and their items hold
// views into it, valid as long as the mechanism lives.
// Throws RunError(reason, file, line) for a file that does not have this
// layout: no "REACTIONS" line, a list not closed by "END", a reaction line
// without exactly three numbers after its equation, an auxiliary line before
// the first reaction of a list.
#ifndef KESTRELON_COMPARE_CLEANED_FILE_H_
#define KESTRELON_COMPARE_CLEANED_FILE_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compare/aux_line.h"
#include "compare/reaction_key.h"

namespace kestrelon {

struct CleanedReaction {
  int line = 0;           // 1-based line of the reaction line
  std::string_view text;  // the reaction line as written, blank-trimmed
  std::string_view equation;
  std::string_view a, n, ea;  // coefficient texts
  double a_value = 0, n_value = 0, ea_value = 0;
  std::string key;
  bool reversible = false;
  bool swapped = false;  // see ReactionKey
  std::vector<AuxItem> aux;
};

struct CleanedMechanism {
  std::unique_ptr<const std::string> source;  // the file's text
  std::vector<std::string> elements;
  std::vector<std::string> species;
  std::vector<CleanedReaction> reactions;       // the reaction section
  std::vector<CleanedReaction> non_elementary;  // the list after it
};

inline constexpr std::string_view kNonElementaryHeading =
    "****List of non-elementary reactions****";

// `file` names the file in error messages.
CleanedMechanism ParseCleanedFile(std::string text, const std::string& file);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_CLEANED_FILE_H_

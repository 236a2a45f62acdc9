// A cleaned mechanism file (model/cleaned_file.h) made ready for
// comparison: each reaction gets the key under which it meets the same
// reaction of another file, and its auxiliary lines are read as items, the
// reverse-rate line first as a "REV" item.
//
// The reactions and their items hold views into the file's text, which the
// mechanism keeps; they are valid as long as the mechanism lives. Throws
// RunError as ReadCleanedFile does, and nothing else.
#ifndef KESTRELON_COMPARE_KEYED_MECHANISM_H_
#define KESTRELON_COMPARE_KEYED_MECHANISM_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compare/aux_line.h"
#include "model/cleaned_file.h"

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

CleanedMechanism KeyMechanism(CleanedFile file);

// ReadCleanedFile, then KeyMechanism. `file` names the file in errors.
CleanedMechanism ParseCleanedFile(std::string text, const std::string& file);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_KEYED_MECHANISM_H_

// The key under which a reaction of one cleaned file meets the same
// reaction of another, and the sides of an equation as species lists.
//
// Species on a side are read between "+" signs; a fall-off third body
// "(+M)" or "(+AR)" is one item of its side, so the key tells "+M", "(+M)"
// and "(+AR)" apart. A "+" at the end of a side or before another "+"
// belongs to the name before it (ions such as "H3O+"). An item that begins
// with "2" (and not "2,") stands for two of the species named by the rest,
// so "2OH" and "OH+OH" are the same side. The order of the items on a side
// does not matter; for a reversible reaction ("<=>", or a bare "=") the
// side written first does not matter either; an irreversible one ("=>")
// keeps its direction. Reads only; never throws.
#ifndef KESTRELON_COMPARE_REACTION_KEY_H_
#define KESTRELON_COMPARE_REACTION_KEY_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct ReactionKey {
  bool valid = false;       // the equation holds an arrow
  bool reversible = false;  // "<=>" or "="
  // The key lists the right-hand side first (a reversible reaction whose
  // sides sort the other way round).
  bool swapped = false;
  std::string key;
  std::string_view left;  // the two sides as written
  std::string_view right;
};

// The items of one side as written, without the "+" that join them.
std::vector<std::string_view> SplitSide(std::string_view side);

// `equation` must outlive the result's `left` and `right`.
ReactionKey MakeReactionKey(std::string_view equation);

// As MakeReactionKey, but appends the key to `*keys` (nothing for an
// equation without an arrow) and leaves the result's `key` empty, so that
// the keys of a whole list can share one buffer.
ReactionKey AppendReactionKey(std::string_view equation, std::string* keys);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_REACTION_KEY_H_

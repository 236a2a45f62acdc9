// The sides of an equation in the canonical form of the analysis (no
// blanks, arrow "<=>" or "|=>", a pressure-dependent third body held as
// "+(M)"), read into a Reaction: its terms, its arrow, its third body.
//
// A side is cut at its "+" signs, but a run of pieces joined again that
// names a declared species is taken whole (longest first), so ions such as
// "H3O+" or "O2-" stay one name: "H3O++E" is H3O+ and E. A leading number
// is a coefficient ("2OH") unless the whole word is a declared name.
// "+(M)" or "+(X)" at the end of a side, X a declared species, is the
// falloff third body; a term M that is not declared is the third body M; a
// term HV that is not declared is a photon and not a species. Other names
// are kept as written, declared or not. Nothing here throws but
// std::bad_alloc.
#ifndef KESTRELON_CHECK_EQUATION_TERMS_H_
#define KESTRELON_CHECK_EQUATION_TERMS_H_

#include <string>
#include <string_view>
#include <unordered_set>

#include "check/reaction.h"

namespace kestrelon {

// The declared species by upper-cased name.
struct DeclaredKeys {
  std::unordered_set<std::string> keys;
  // Whether any name holds a "+": only then can pieces join into a name.
  bool names_with_plus = false;

  void Insert(const std::string& key) {
    keys.insert(key);
    names_with_plus = names_with_plus || key.find('+') != std::string::npos;
  }
  bool Has(const std::string& key) const { return keys.count(key) > 0; }
};

// Reads `equation` into `reaction` (sides, arrow, third body); false when
// it holds no arrow.
bool ReadEquation(std::string_view equation, const DeclaredKeys& declared,
                  Reaction& reaction);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_EQUATION_TERMS_H_

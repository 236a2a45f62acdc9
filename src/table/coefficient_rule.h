// When a species slot of an equation holds the coefficient 2 in front of a
// name. Reads the SPECIES rows of the working table (column 1, names
// separated by blanks) and slot texts; writes nothing.
//
// A slot is the coefficient 2 and a name when it begins with "2" followed by
// a character other than a digit, "." or ";" (a held comma), and the whole
// slot is not a species declared in the SPECIES section: "2OH" is two OH,
// but "2.5H2", "2.H2", "20H2", "2;5-X" and a declared "2-C4H8" are kept as
// written, since reading them as 2 would change the reaction. A lone "2" is
// no coefficient either (there is no name after it).
//
// Never throws; a table without a SPECIES section declares nothing.
#ifndef KESTRELON_TABLE_COEFFICIENT_RULE_H_
#define KESTRELON_TABLE_COEFFICIENT_RULE_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

// The declared species whose names begin with "2", the only ones the rule
// asks about.
class DeclaredSpecies {
 public:
  DeclaredSpecies() = default;
  // From the names in `text`, separated by blanks or TABs.
  void AddNames(std::string_view text);
  bool Contains(std::string_view name) const;

 private:
  std::vector<std::string> names_;
};

// The species of rows specrow+1 to specend-1.
DeclaredSpecies ReadDeclaredSpecies(const WorkingTable& table,
                                    const SectionIndex& index);

bool IsCoefficientTwo(std::string_view slot, const DeclaredSpecies& declared);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_COEFFICIENT_RULE_H_

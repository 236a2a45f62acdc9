// The rule for a species name a user types as the new name of a rename.
// Names already in a mechanism (ions such as "HCO+" among them) are read as
// they are; a new name must keep every file of the run readable, so it may
// not be empty nor hold a blank, TAB, CR, LF, "+", "=", "<", ">", "!", "/"
// or any other byte below 0x20: each would split a reaction line, read as
// an arrow, a comment or an efficiency, or join two species. Never throws.
#ifndef KESTRELON_MODEL_SPECIES_NAME_H_
#define KESTRELON_MODEL_SPECIES_NAME_H_

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// Why `name` cannot be the new name of a species, or nothing when it can:
// "a species name cannot be empty", "a species name cannot hold a blank",
// "a species name cannot hold \"+\"", ...
std::optional<std::string> NewSpeciesNameProblem(std::string_view name);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_SPECIES_NAME_H_

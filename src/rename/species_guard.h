// Whether a species rename may go ahead, judged from the SPECIES list of
// the joule file a run wrote (read with CleanedSpecies): a former name that
// is not a species would rename nothing, and a new name that already is one
// would make two species one, so the rename is refused. Renaming a species
// to its own name is not a collision.
//
// Reads the file; writes nothing. Throws RunError when it cannot be read.
#ifndef KESTRELON_RENAME_SPECIES_GUARD_H_
#define KESTRELON_RENAME_SPECIES_GUARD_H_

#include <string>
#include <string_view>

namespace kestrelon {

enum class RenameVerdict { kGoAhead, kNoSuchSpecies, kNameTaken };

// `former` and `new_name` upper-cased, as a RenameSession matches names.
RenameVerdict JudgeRename(const std::string& joule_path,
                          std::string_view former, std::string_view new_name);

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_SPECIES_GUARD_H_

// The --rename options judged before a cleaning run writes anything, so
// that a rename the run would refuse costs no file at all.
//
// InputSpecies reads the names of the SPECIES list of a mechanism's text as
// the run will clean them: a UTF-8 byte-order mark skipped, ASCII letters
// upper-cased, TABs as blanks, everything from "!" on a comment. The list
// starts at a line that begins with SPEC (names after its keyword word
// count) and ends at the word END. No list gives no names.
//
// RefusedRename applies the renames in order to those names: a former name
// that is not a species renames nothing (the run warns about it later); a
// new name that already is a species, other than the former one itself, is
// refused. Returns the reason for the first refused rename, or nothing.
// Neither function throws but std::bad_alloc.
#ifndef KESTRELON_CLI_RENAME_CHECK_H_
#define KESTRELON_CLI_RENAME_CHECK_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrelon {

std::vector<std::string> InputSpecies(std::string_view text);

std::optional<std::string> RefusedRename(
    std::vector<std::string> species,
    const std::vector<std::pair<std::string, std::string>>& renames);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_RENAME_CHECK_H_

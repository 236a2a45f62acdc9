// Renaming one species in the thermodynamic database file a run wrote.
//
// Reads: the lines of the file. Writes: each line with the species name
// replaced only where it opens a record, that is where the line begins with
// the former name followed by a blank; "THERMO", "END" and every other line
// pass unchanged, and so does the rest of a record's first line (the same
// letters in its composition field are element symbols, not the name).
// Promises: the name field keeps its width, so every column after it stays
// in place: a longer new name takes the place of the blanks that followed
// the former one (with too few blanks the line stays unchanged), a shorter
// one is padded with blanks. Names are compared exactly: callers pass them
// upper-cased. Throws only std::bad_alloc.
#ifndef KESTRELON_RENAME_THERMO_RULES_H_
#define KESTRELON_RENAME_THERMO_RULES_H_

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// One line of the file renamed. `former` must not be empty.
std::string RenameThermoLine(std::string_view line, std::string_view former,
                             std::string_view renamed);

// The whole text renamed, every line ended by CR LF; nothing when no line
// changes (the file can stay as it is).
std::optional<std::string> RenameInThermo(std::string_view text,
                                          std::string_view former,
                                          std::string_view renamed);

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_THERMO_RULES_H_

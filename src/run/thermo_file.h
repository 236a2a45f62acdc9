// A thermodynamic database kept in a file of its own beside the mechanism
// (the command line's `clean MECH --thermo FILE`), cleaned into the run's
// thermodynamic file as a THERMO section of the mechanism would be, so that
// the cleaned mechanism and its database keep matching by name: upper case,
// TABs as blanks, comments cut, "THERMO" and "END" as keyword lines.
//
// The database runs from the file's THERMO line (the first line that begins
// with THERM in any case) to its first line from there on that begins with
// END (some files end in "ENDOFDATA"), or to its last line. A file without a
// THERMO line is read from its first line. The lines are written between a
// "THERMO" and an "END" line, whatever their own keyword lines said.
//
// The run writes the cleaned text as its thermodynamic file, under the
// name asked for an embedded section; the summary names it and a rename
// rewrites it. Never throws.
#ifndef KESTRELON_RUN_THERMO_FILE_H_
#define KESTRELON_RUN_THERMO_FILE_H_

#include <string>
#include <string_view>

namespace kestrelon {

// The lines of the cleaned database, each closed by CR LF.
std::string CleanThermoText(std::string_view text);

// Whether a mechanism's text holds a THERMO section of its own: a line that
// begins with THERM in any case, as the section tagging reads it.
bool HasThermoSection(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_THERMO_FILE_H_

// The third pass of a cleaning run. It reads the tagged copy "tempo2.int"
// and writes "tempo3.int", the file the working table is loaded from: the
// same lines in the same order without the empty ones (a line of blanks is
// not empty), every "," turned into ";". Every line written ends with CR LF,
// and ctx.origin is rewritten so that entry i is the input line of line i+1
// of "tempo3.int" (of table row i+1 once the table is loaded).
//
// ExtractThermo is called when "tempo2.int" has a "THERMO" line
// (vars.nothermo is 0). It asks for the name of the thermodynamic database
// file (re-asking on an empty answer, and on a name whose file would be the
// input file or a working file), sets ctx.thermoname and vars.thermopath
// (vars.inputdir + name + "." + ctx.thermoext) and writes there the lines
// from the first "THERMO" line to the first "END" line after it, empty lines
// included and commas untouched; these lines are left out of "tempo3.int".
// With ctx.check_only it asks nothing and writes no database file.
//
// CopyWithoutThermo is called otherwise; it only writes "tempo3.int".
//
// WriteThermoDatabase is the naming and writing step of ExtractThermo on
// its own: it asks for the name, sets ctx.thermoname and vars.thermopath and
// writes `lines` (each closed by CR LF) there.
//
// Both throw RunError when a file cannot be read or written; ExtractThermo
// also when the THERMO section has no END line, naming the input line of
// "THERMO", before anything is asked or written.
#ifndef KESTRELON_RUN_EXTRACT_THERMO_H_
#define KESTRELON_RUN_EXTRACT_THERMO_H_

#include <string_view>

#include "run/run_context.h"

namespace kestrelon {

void ExtractThermo(RunContext& ctx);
void CopyWithoutThermo(RunContext& ctx);
void WriteThermoDatabase(RunContext& ctx, std::string_view lines);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_EXTRACT_THERMO_H_

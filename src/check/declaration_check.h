// Declarations: whether the species the reactions use are the species the
// SPECIES section declares, and whether the thermo data covers them. Names
// match whatever their case, and are shown as written.
//
// Errors: a species in a reaction, or given an efficiency, that is not
// declared (once per line and name); with thermo data, a declared species
// without an entry (at its declaration). Warnings: a species declared again
// (at the repeat); a declared species no reaction uses, as a term, a third
// body "(+X)" or an efficiency; with thermo data, an entry of a species not
// declared, and a further entry of a declared species (the first read is the
// one a run uses; the warning says whether the two hold the same data). Hash
// lookups only; nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_DECLARATION_CHECK_H_
#define KESTRELON_CHECK_DECLARATION_CHECK_H_

#include <string>
#include <vector>

#include "check/finding.h"
#include "check/mechanism_reader.h"
#include "check/nasa7.h"

namespace kestrelon {

// `thermo` is every entry read, in reading order; `files` names the files
// of the check by their index (for the place of a first entry).
// `with_thermo` tells whether thermo data was available at all.
void CheckDeclarations(const MechanismReading& mechanism,
                       const std::vector<ThermoEntry>& thermo, bool with_thermo,
                       const std::vector<std::string>& files,
                       Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_DECLARATION_CHECK_H_

// Reads a CHEMKIN mechanism for the checks: the species the SPECIES section
// declares, where its THERMO section lies, and its reactions with their
// auxiliary lines.
//
// `lines` are the lines of the input (index 0 is line 1). Comments ("!" to
// the end of a line) are cut off as the run cuts them, and TABs are blanks.
// Sections open with a word beginning ELEM, SPEC, THER or REAC (any case)
// and close with END; names may stand on the keyword line and END on the
// last names line. In the reaction section, a line is put into the
// analysis's canonical form (table/reaction_lines.h): one that holds an
// equation then is a reaction, any other an auxiliary line of the reaction
// before it: keywords with or without "/values/" (LOW, HIGH, PLOG, CHEB set
// the rate form, DUP or DUPLICATE the DUP mark) and, for any other name
// with a value, a third-body efficiency. A REACTIONS section without END
// runs to the end of the file. Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_MECHANISM_READER_H_
#define KESTRELON_CHECK_MECHANISM_READER_H_

#include <string_view>
#include <vector>

#include "check/reaction.h"

namespace kestrelon {

struct MechanismReading {
  bool has_species = false;
  bool has_reactions = false;
  std::vector<NamedSpecies> species;  // in declaration order, repeats too
  bool has_thermo = false;
  size_t thermo_begin = 0;  // index of the line after the THERMO line
  size_t thermo_end = 0;    // index of its END line (or of the end)
  std::vector<Reaction> reactions;
};

MechanismReading ReadMechanism(const std::vector<std::string_view>& lines);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_MECHANISM_READER_H_

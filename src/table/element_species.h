// The element and species lists of the working table, rewritten with one
// separator: in column 1 of the element rows (elemrow+1 to elemend-1), then
// of the species rows (specrow+1 to specend-1), every run of k blanks
// becomes 3 * ceil(k / 18) blanks (one to 18 blanks give three), and a ","
// becomes three blanks. Other characters, line breaks and the rows outside
// the two ranges are untouched. Sets the progress bar to 60 after the
// elements and to 70 after the species.
//
// Never fails on any cell text; an empty range is skipped. Throws only what
// the table throws for an index outside it.
#ifndef KESTRELON_TABLE_ELEMENT_SPECIES_H_
#define KESTRELON_TABLE_ELEMENT_SPECIES_H_

#include <string>
#include <string_view>

#include "run/run_context.h"

namespace kestrelon {

void NormaliseElementsAndSpecies(RunContext& ctx);

// `text` with its name separators widened as above.
std::string WidenSeparators(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_ELEMENT_SPECIES_H_

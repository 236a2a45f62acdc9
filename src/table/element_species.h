// The element and species lists of the working table, rewritten with one
// separator: in column 1 of the rows given (the element rows, then the
// species rows), every run of k blanks becomes 3 * ceil(k / 18) blanks (one
// to 18 blanks give three), and a "," becomes three blanks. Other
// characters, line breaks and the rows outside the range are untouched.
//
// Never fails on any cell text; an empty range is skipped. Throws only what
// the table throws for an index outside it.
#ifndef KESTRELON_TABLE_ELEMENT_SPECIES_H_
#define KESTRELON_TABLE_ELEMENT_SPECIES_H_

#include <string>
#include <string_view>

#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

void NormaliseNameRows(WorkingTable& table, RowRange rows);

// `text` with its name separators widened as above.
std::string WidenSeparators(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_ELEMENT_SPECIES_H_

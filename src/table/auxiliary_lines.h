// Which lines of the reaction section the analysis keeps as auxiliary data
// without knowing them. Reads the line column of the reaction rows as the
// reaction passes leave it (table/reaction_passes.h) and the input line of
// each row; writes nothing, so the cleaned files stay as they are.
//
// A known auxiliary line is one whose first word (up to a blank or "/") is
// a keyword of auxiliary lines (model/auxiliary_words.h: LOW, HIGH, TROE,
// SRI, REV, PLOG, CHEB, DUP, UNITS, ...), or a line of third-body
// efficiencies: one or more NAME/value/ pairs, blanks allowed around the
// slashes. An empty line is
// neither known nor reported.
//
// UnknownAuxiliaryLines promises one warning per other auxiliary row, in row
// order: "neither a reaction nor a known auxiliary line: kept as auxiliary
// data of the reaction on line M" (M the input line of the reaction row
// above it), one per known auxiliary row with no reaction row above it
// ("auxiliary line with no reaction before it: kept as it stands, belonging
// to no reaction"), and one per reaction whose equation has no reactants
// ("=> B").
// Throws nothing but std::bad_alloc.
#ifndef KESTRELON_TABLE_AUXILIARY_LINES_H_
#define KESTRELON_TABLE_AUXILIARY_LINES_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/run_warning.h"
#include "model/working_table.h"

namespace kestrelon {

// `text` is the line without its "#DATAUX#".
bool IsKnownAuxiliaryLine(std::string_view text);

// The warnings name the input file and line of each row (`input`). The two
// halves of a large section are looked at side by side, the second on a
// kept thread (platform/side_task.h); the table is only read.
std::vector<RunWarning> UnknownAuxiliaryLines(const WorkingTable& table,
                                              RowRange rows,
                                              const InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_AUXILIARY_LINES_H_

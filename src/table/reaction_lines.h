// The first four reaction passes, which bring the line column (column 1) of
// every row of the reaction section to its canonical form:
//   1. arrow spacing: " = ", then "= ", then " =" become "=";
//   2. arrow form: a line with "=" but without "<=>" has every "=" made
//      "<=>" (so "=>" becomes "<=>>" until step 4);
//   3. auxiliary tagging: a line that now holds no "<=>" gets "#DATAUX#" in
//      front (a data line of the reaction before it, not a reaction);
//   4. spacing: every run of blanks becomes one blank; then, in this order,
//      " <" -> "<", "> " -> ">", "<=>>" -> "|=>", " +" -> "+", "+ " -> "+",
//      "(+" -> "+(", " +" -> "+", "+ " -> "+". Tagged rows too.
// Before step 1 a coefficient written apart from its species ("2 OH") is
// joined to it, and in step 4 a "+" that signs a number ("+5.08E+04") keeps
// the blank before it (table/written_forms.h).
// A reaction line then reads: equation without blanks (arrow "<=>" or, for
// an irreversible reaction, "|=>"; a pressure-dependent "(+M)" held as
// "+(M)"), then its fields separated by single blanks.
//
// The steps never fail and read nothing but the row's own line, so one pass
// over the rows in ascending order takes each line through all four.
#ifndef KESTRELON_TABLE_REACTION_LINES_H_
#define KESTRELON_TABLE_REACTION_LINES_H_

#include <string>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

// One line through one step.
void SpaceArrow(std::string& line);
void FormArrow(std::string& line);
void TagAuxiliary(std::string& line);
void NormaliseSpacing(std::string& line);
// The four steps in their order.
void NormaliseReactionLine(std::string& line);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_REACTION_LINES_H_

// Loading the working table and finding the sections of the mechanism.
//
// LoadTable reads the working file "tempo3.int" of the input directory, the
// last file of the input stage, and puts line r into column 1 of row r,
// read as a text item: blanks at its start and end dropped; an item that
// begins with a double quote runs to the next double quote, which is not
// kept, and anything after it on the line is dropped (an unclosed quote runs
// to the end of its line). A line fills exactly one row whatever it holds.
// It then sets the progress bar to 40, deletes "tempo.int" and "tempo2.int",
// finds the six section rows (ELEMENTS, END, SPECIES, END, REACTIONS, END:
// whole lines compared exactly, each search starting after the previous
// find) into ctx.vars.index, deletes "tempo3.int" and sets the progress bar
// to 50.
//
// Throws RunError naming the input file and line when the file holds more
// than 25,999 lines (the table is full) or a section keyword or its END is
// missing; file errors (a missing working file) come through as RunError
// from the file layer.
#ifndef KESTRELON_TABLE_LOAD_TABLE_H_
#define KESTRELON_TABLE_LOAD_TABLE_H_

#include <string_view>
#include <vector>

#include "run/run_context.h"

namespace kestrelon {

void LoadTable(RunContext& ctx);

// The text item that a working-file line puts into its row.
std::string_view ReadTableItem(std::string_view line);

// The section index of `lines` (line 1 is lines[0], and equals table row 1).
SectionIndex LocateSections(const RunContext& ctx,
                            const std::vector<std::string_view>& lines);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_LOAD_TABLE_H_

// Loading the working table and finding the sections of the mechanism.
//
// FillTable puts line r of the last working file into column 1 of row r,
// read as a text item: blanks at its start and end dropped; an item that
// begins with a double quote runs to the next double quote, which is not
// kept, and anything after it on the line is dropped (an unclosed quote runs
// to the end of its line). A line fills exactly one row whatever it holds.
// LocateSections finds the six section rows (ELEMENTS, END, SPECIES, END,
// REACTIONS, END: whole lines compared exactly, each search starting after
// the previous find).
//
// Both throw RunError naming the input file and line (through `input`):
// FillTable when there are more than 25,999 lines (the table is full),
// LocateSections when a section keyword or its END is missing, or when
// reactions stand after the END of the REACTIONS section (a second
// REACTIONS section, or a line that reads as a reaction), which the cleaned
// files would leave out. A permissive
// FillTable first grows the table to the number of lines, and is never
// full; the refusals that a permissive run does not make (a full table, a
// section without END) are marked so (RunError::permissive_cleans).
#ifndef KESTRELON_TABLE_LOAD_TABLE_H_
#define KESTRELON_TABLE_LOAD_TABLE_H_

#include <string_view>
#include <vector>

#include "model/run_record.h"
#include "model/run_warning.h"
#include "model/working_table.h"

namespace kestrelon {

// Rows in `lend` read their items from `lines` without a copy
// (WorkingTable::Lend): the caller keeps the lines' text until those rows
// are written again or the loans end.
void FillTable(WorkingTable& table, const std::vector<std::string_view>& lines,
               const InputLines& input, bool permissive = false,
               RowRange lend = {1, 0});
// FillTable's check alone, which lets a permissive table hold the lines.
void CheckTableRoom(WorkingTable& table,
                    const std::vector<std::string_view>& lines,
                    const InputLines& input, bool permissive);

// The text item that a working-file line puts into its row.
std::string_view ReadTableItem(std::string_view line);

// Lines between the END of one section and the keyword of the next are
// written as they stand, outside every section; each one that holds text
// (names put after an END by mistake, or a note) is named in a warning, so
// that nothing stands there without a word. Lines before ELEMENTS and after
// the reactions are not looked at.
std::vector<RunWarning> TextBetweenSections(
    const std::vector<std::string_view>& lines, const SectionIndex& index,
    const InputLines& input);

// The section index of `lines` (line 1 is lines[0], and equals table row 1).
SectionIndex LocateSections(const std::vector<std::string_view>& lines,
                            const InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_LOAD_TABLE_H_

#include "table/reaction_passes.h"

#include <string>
#include <string_view>

#include "model/reaction_markers.h"
#include "table/field_split.h"
#include "table/non_elementary.h"
#include "table/reaction_lines.h"
#include "table/species_slots.h"

namespace kestrelon {

void NormaliseAndFlag(WorkingTable& table, RowRange rows,
                      const InputLines& input) {
  // A reaction line that already begins with a mark the passes put in front
  // of lines would be taken for what the mark says, and written as something
  // else; a line without "=" is kept as auxiliary data whatever it begins
  // with.
  for (int row = rows.first; row <= rows.last; ++row) {
    const std::string_view line = table.Get(row, kLineColumn);
    for (std::string_view mark : {kAuxTag, kNerTag, kSkipMark}) {
      if (StartsWith(line, mark) && Contains(line, "=")) {
        input.FailAtRow(row, "line begins with \"" + std::string(mark) +
                                 "\", a mark the cleaner gives lines of its "
                                 "own; remove it");
      }
    }
  }
  // The line steps never fail: when flagging fails at a row, the rows after
  // it still go through them before the failure goes on, so the table is
  // left as two separate passes would leave it.
  std::string line;
  for (int row = rows.first; row <= rows.last; ++row) {
    line.assign(table.Get(row, kLineColumn));
    NormaliseReactionLine(line);
    try {
      FlagNonElementaryLine(line, row, input);
    } catch (...) {
      table.Set(row, kLineColumn, line);
      for (int rest = row + 1; rest <= rows.last; ++rest) {
        table.Edit(rest, kLineColumn, line, NormaliseReactionLine);
      }
      throw;
    }
    table.Set(row, kLineColumn, line);
  }
}

void SplitAndFillSlots(WorkingTable& table, RowRange rows,
                       const Patterns& patterns,
                       const DeclaredSpecies& declared,
                       const InputLines& input) {
  SplitFields(table, rows, patterns, input);
  BuildSpeciesSlots(table, rows, declared, input);
}

}  // namespace kestrelon

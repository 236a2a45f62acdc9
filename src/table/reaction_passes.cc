#include "table/reaction_passes.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "model/reaction_markers.h"
#include "platform/side_task.h"
#include "table/field_split.h"
#include "table/non_elementary.h"
#include "table/reaction_lines.h"
#include "table/species_slots.h"

namespace kestrelon {

namespace {

// A reaction line that already begins with a mark the passes put in front
// of lines would be taken for what the mark says, and written as something
// else; a line without "=" is kept as auxiliary data whatever it begins
// with.
void CheckNoMark(std::string_view line, int row, const InputLines& input) {
  for (std::string_view mark : {kAuxTag, kNerTag, kSkipMark}) {
    if (StartsWith(line, mark) && Contains(line, "=")) {
      input.FailAtRow(row, "line begins with \"" + std::string(mark) +
                               "\", a mark the cleaner gives lines of its "
                               "own; remove it");
    }
  }
}

void CheckNoMarks(const WorkingTable& table, RowRange rows,
                  const InputLines& input) {
  for (int row = rows.first; row <= rows.last; ++row) {
    CheckNoMark(table.Get(row, kLineColumn), row, input);
  }
}

void NormaliseAndFlagLines(WorkingTable& table, RowRange rows,
                           const InputLines& input) {
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

// The first failure met in some rows: at which step (-1 the check for
// marks, 0 the line steps, 1 the field split, 2 the slots; 3 none) and row.
struct Failure {
  int step = 3;
  int row = 0;
  std::exception_ptr what;

  // Done one pass after the other, a step goes over all the rows before
  // the next step begins.
  bool Before(const Failure& other) const {
    return step < other.step || (step == other.step && row < other.row);
  }
};

// What the steps did to some rows.
struct RowsDone {
  Failure first;
  std::vector<int> non_elementary;  // the rows of such reactions, in order
};

// What the steps of one row keep from row to row.
struct RowBuffers {
  std::string line;
  SplitCells split;
  SlotCells spread;
  std::vector<char*> released;  // the rows' old blocks
  WorkingTable::RowPool pool;   // the rows' new blocks
};

// Takes `row` through every step and writes its cells 1 to 12 at once.
// Returns the step that failed (3: none), the row left as it was.
int RunRowSteps(WorkingTable& table, int row, const Patterns& patterns,
                const DeclaredSpecies& declared, const InputLines& input,
                RowBuffers& b, std::exception_ptr& failure) {
  int step = -1;
  bool split = false;
  try {
    CheckNoMark(table.Get(row, kLineColumn), row, input);
    step = 0;
    b.line.assign(table.Get(row, kLineColumn));
    NormaliseReactionLine(b.line);
    FlagNonElementaryLine(b.line, row, input);
    step = 1;
    input.AtRow(row,
                [&] { split = SplitReactionLine(b.line, patterns, b.split); });
    step = 2;
    if (split) {
      input.AtRow(
          row, [&] { SpreadEquation(b.split.equation, declared, b.spread); });
    }
  } catch (...) {
    failure = std::current_exception();
    return step;
  }
  static_assert(kEquationColumn == kLineColumn + 1 &&
                kFirstSlotColumn == kEquationColumn + 1 &&
                kAColumn == kFirstSlotColumn + 6 &&
                kFlagColumn == kAColumn + 3 &&
                kFlagColumn == WorkingTable::kColumns - 1);
  const auto& slots = b.spread.slots;
  // A row skipped as a reaction keeps its cells from A on.
  const std::string_view cells[] = {
      b.line,
      split ? std::string_view(b.spread.rebuilt) : kSkippedEquation,
      split ? slots[0] : kSkipMark,
      split ? slots[1] : kSkipMark,
      split ? slots[2] : kSkipMark,
      split ? slots[3] : kSkipMark,
      split ? slots[4] : kSkipMark,
      split ? slots[5] : kSkipMark,
      split ? std::string_view(b.split.a) : table.Get(row, kAColumn),
      split ? std::string_view(b.split.n) : table.Get(row, kNColumn),
      split ? b.split.ea : table.Get(row, kEaColumn),
      split && b.spread.irreversible ? kIrreversibleFlag
                                     : table.Get(row, kFlagColumn)};
  table.ReplaceRow(row, cells, b.released, b.pool);
  return 3;
}

// Each thread lets go of the old blocks of the rows it writes, row by row.
// A table nobody looks at has its reaction rows lent from the text
// (WorkingTable::Lend), which leaves no block to let go; a block another
// thread took would make the two threads take turns at the allocator.
RowsDone RunRows(WorkingTable& table, RowRange rows, const Patterns& patterns,
                 const DeclaredSpecies& declared, const InputLines& input,
                 RowBuffers& buffers) {
  RowsDone done;
  Failure& first = done.first;
  std::exception_ptr failure;
  for (int row = rows.first; row <= rows.last; ++row) {
    const int step =
        RunRowSteps(table, row, patterns, declared, input, buffers, failure);
    WorkingTable::Release(buffers.released);
    if (step == 3) {
      if (IsNonElementaryLine(buffers.line)) done.non_elementary.push_back(row);
      continue;
    }
    const Failure here{step, row, failure};
    if (here.Before(first)) first = here;
    if (step > 0) continue;
    // No later row can fail before this one but at the check for marks.
    for (int later = row + 1; step == 0 && later <= rows.last; ++later) {
      try {
        CheckNoMark(table.Get(later, kLineColumn), later, input);
      } catch (...) {
        first = {-1, later, std::current_exception()};
        break;
      }
    }
    break;
  }
  return done;
}

}  // namespace

void NormaliseAndFlag(WorkingTable& table, RowRange rows,
                      const InputLines& input) {
  CheckNoMarks(table, rows, input);
  NormaliseAndFlagLines(table, rows, input);
}

void SplitAndFillSlots(WorkingTable& table, RowRange rows,
                       const Patterns& patterns,
                       const DeclaredSpecies& declared,
                       const InputLines& input) {
  SplitFields(table, rows, patterns, input);
  BuildSpeciesSlots(table, rows, declared, input);
}

std::vector<int> RunReactionPasses(WorkingTable& table, RowRange rows,
                                   const Patterns& patterns,
                                   const DeclaredSpecies& declared,
                                   const InputLines& input) {
  // A second thread costs more than it saves on a small section.
  constexpr int kFewRows = 4000;
  if (rows.last - rows.first < kFewRows) {
    RowBuffers buffers;
    RowsDone all = RunRows(table, rows, patterns, declared, input, buffers);
    if (all.first.what) std::rethrow_exception(all.first.what);
    return std::move(all.non_elementary);
  }
  // The two threads take blocks of rows in turn, so that they end together
  // whichever rows cost more.
  constexpr int kBlockRows = 512;
  const auto blocks =
      static_cast<size_t>((rows.last - rows.first) / kBlockRows + 1);
  std::vector<RowsDone> done(blocks);
  std::atomic<size_t> next{0};
  const auto run_blocks = [&] {
    RowBuffers buffers;
    for (size_t b = next++; b < blocks; b = next++) {
      const int first = rows.first + static_cast<int>(b) * kBlockRows;
      const RowRange block{first, std::min(rows.last, first + kBlockRows - 1)};
      done[b] = RunRows(table, block, patterns, declared, input, buffers);
    }
  };
  SideTask helper(run_blocks);
  run_blocks();
  helper.Wait();
  const Failure* first = &done.front().first;
  std::vector<int> non_elementary;
  for (const RowsDone& block : done) {
    if (block.first.Before(*first)) first = &block.first;
    non_elementary.insert(non_elementary.end(), block.non_elementary.begin(),
                          block.non_elementary.end());
  }
  if (first->what) std::rethrow_exception(first->what);
  return non_elementary;
}

}  // namespace kestrelon

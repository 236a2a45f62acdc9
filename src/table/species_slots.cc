#include "table/species_slots.h"

#include <algorithm>
#include <string_view>

#include "model/run_error.h"
#include "platform/text_ops.h"
#include "table/coefficient_rule.h"

namespace kestrelon {
namespace {

constexpr size_t kNone = std::string::npos;

// Index of the first '+' after index `after`; kNone when there is none or
// `after` is kNone.
size_t PlusAfter(std::string_view text, size_t after) {
  return after == kNone ? kNone : text.find('+', after + 1);
}

// The filling rules are stated on 1-based positions with 0 for "absent":
// the 1-based position of the first `c` after position `after`.
size_t Position(std::string_view text, char c, size_t after = 0) {
  const size_t found = text.find(c, after);
  return found == std::string_view::npos ? 0 : found + 1;
}

bool IsSkipped(std::string_view cell) { return StartsWith(cell, kSkipMark); }

bool IsEmptySlot(std::string_view slot) { return slot == kEmptySlot; }

[[noreturn]] void CannotSplit() {
  throw RunError("cannot split the equation into its species");
}

// Removes every `find` from `text`, scanning once from the left like
// EraseAll, but in place: nearly every equation has an empty slot to drop.
void EraseInPlace(std::string& text, std::string_view find) {
  size_t from = text.find(find);
  if (from == std::string::npos) return;
  size_t out = from;
  while (from != std::string::npos) {
    const size_t next = text.find(find, from + find.size());
    const size_t keep_from = from + find.size();
    const size_t keep_to = next == std::string::npos ? text.size() : next;
    std::copy(text.begin() + keep_from, text.begin() + keep_to,
              text.begin() + out);
    out += keep_to - keep_from;
    from = next;
  }
  text.resize(out);
}

using SlotViews = std::array<std::string_view, 6>;

template <typename SlotArray>
void AppendEquation(std::string& out, const SlotArray& slots,
                    bool irreversible) {
  size_t size = 8;
  for (const auto& slot : slots) size += slot.size();
  out.reserve(out.size() + size);
  for (int i = 0; i < 6; ++i) {
    if (i == 3) {
      out.append(irreversible ? "=>" : "<=>");
    } else if (i > 0) {
      out.push_back('+');
    }
    out.append(slots[i]);
  }
}

// The slots of a filled equation, as views into it.
SlotViews SplitSlotViews(std::string_view t, bool& irreversible) {
  const size_t bar = t.find('|');
  const size_t less = t.find('<');
  irreversible = bar != kNone;
  const size_t arrow = irreversible ? bar : less;
  const size_t p1 = t.find('+');
  const size_t p2 = PlusAfter(t, p1);
  const size_t g = t.find('>');
  const size_t p3 = PlusAfter(t, g);
  const size_t p4 = PlusAfter(t, p3);
  // Every piece must lie in its place: two "+" before the arrow, two after.
  if (arrow == kNone || p2 == kNone || p2 > arrow || g == kNone || g < arrow ||
      p4 == kNone) {
    CannotSplit();
  }
  return {t.substr(0, p1),
          t.substr(p1 + 1, p2 - p1 - 1),
          t.substr(p2 + 1, arrow - p2 - 1),
          t.substr(g + 1, p3 - g - 1),
          t.substr(p3 + 1, p4 - p3 - 1),
          t.substr(p4 + 1)};
}

// Spells coefficients of 2 out; the slots stay views into the same text.
// Returns false when no slot has a coefficient of 2 (nothing changes).
bool ExpandCoefficientViews(SlotViews& slots, const DeclaredSpecies& declared) {
  auto HasCoefficientTwo = [&declared](std::string_view slot) {
    return IsCoefficientTwo(slot, declared);
  };
  if (std::none_of(slots.begin(), slots.end(), HasCoefficientTwo)) {
    return false;
  }
  // Every test reads the slots as they were before this row's first rule.
  const SlotViews read = slots;
  const std::string_view r1 = read[0];
  const std::string_view r2 = read[1];
  const std::string_view r3 = read[2];
  const std::string_view p1 = read[3];
  const std::string_view p2 = read[4];
  const std::string_view p3 = read[5];
  // A slot filled by an earlier rule of the row is not filled again: with
  // two coefficients of 2 and one free slot on a side (2A+2B), the second
  // rule would overwrite the first one's species and change the reaction.
  bool filled[6] = {};
  auto spell_out = [&](std::string_view from, int a, int b) {
    if (filled[a] || filled[b]) return;
    slots[a] = from.substr(1);
    slots[b] = from.substr(1);
    filled[a] = filled[b] = true;
  };
  if (HasCoefficientTwo(r3) && IsEmptySlot(r1) && IsEmptySlot(r2)) {
    spell_out(r3, 2, 1);
  }
  if (HasCoefficientTwo(r3) && IsEmptySlot(r1) && !IsEmptySlot(r2)) {
    spell_out(r3, 2, 0);
  }
  if (HasCoefficientTwo(r2) && IsEmptySlot(r1)) spell_out(r2, 1, 0);
  if (HasCoefficientTwo(p1) && IsEmptySlot(p2) && IsEmptySlot(p3)) {
    spell_out(p1, 3, 4);
  }
  if (HasCoefficientTwo(p1) && IsEmptySlot(p3) && !IsEmptySlot(p2)) {
    spell_out(p1, 3, 5);
  }
  if (HasCoefficientTwo(p2) && IsEmptySlot(p3)) spell_out(p2, 4, 5);
  return true;
}

void FillToTwoPerSide(std::string& equation) {
  const size_t e = Position(equation, '=');
  const size_t p = Position(equation, '+');
  const size_t q = Position(equation, '+', e);
  if (p == 0) {
    equation.insert(0, "///+");
    equation.append("+///");
  } else if (p > e) {
    equation.insert(0, "///+");
  } else if (q == 0) {
    equation.append("+///");
  }
}

void FillToThreePerSide(std::string& equation) {
  const size_t e = Position(equation, '=');
  const size_t p1 = Position(equation, '+');
  const size_t p2 = p1 == 0 ? 0 : Position(equation, '+', p1);
  const size_t p3 = p2 == 0 ? 0 : Position(equation, '+', p2);
  const size_t p4 = p3 == 0 ? 0 : Position(equation, '+', p3);
  if (p2 > e && p3 == 0) {
    equation.insert(0, "///+");
    equation.append("+///");
  } else if (p2 < e && p3 > e && p4 == 0) {
    equation.append("+///");
  } else if (p2 > e && p3 > e && p4 == 0) {
    equation.insert(0, "///+");
  }
}

void RemoveEmptySlots(std::string& equation) {
  EraseInPlace(equation, "///+");
  EraseInPlace(equation, "+///");
}

// The six steps for one row. They read nothing but the row itself and only
// the split can fail, so taking each row through all six in one pass over
// the rows fails on the same row as six passes would.
void BuildRowSlots(WorkingTable& table, int row,
                   const DeclaredSpecies& declared, SlotCells& spread) {
  const std::string_view equation = table.Get(row, kEquationColumn);
  if (IsSkipped(equation)) {
    const std::string_view skipped[] = {kSkippedEquation, kSkipMark, kSkipMark,
                                        kSkipMark,        kSkipMark, kSkipMark,
                                        kSkipMark};
    table.SetRange(row, kEquationColumn, skipped);
    return;
  }
  try {
    SpreadEquation(equation, declared, spread);
  } catch (const RunError&) {
    // The filling is done on the column itself, as the passes leave it.
    table.Set(row, kEquationColumn, spread.filled);
    throw;
  }
  // The equation and its six slots are side by side in the row.
  static_assert(kFirstSlotColumn == kEquationColumn + 1);
  const auto& slots = spread.slots;
  const std::string_view cells[] = {spread.rebuilt, slots[0], slots[1],
                                    slots[2],       slots[3], slots[4],
                                    slots[5]};
  table.SetRange(row, kEquationColumn, cells);
  if (spread.irreversible) table.Set(row, kFlagColumn, kIrreversibleFlag);
}

}  // namespace

// The equation is filled in `filled` and rebuilt in `rebuilt`; the slots
// are views into `filled`.
void SpreadEquation(std::string_view equation, const DeclaredSpecies& declared,
                    SlotCells& cells) {
  std::string& filled = cells.filled;
  filled.assign(equation);
  FillToTwoPerSide(filled);
  FillToThreePerSide(filled);
  cells.slots = SplitSlotViews(filled, cells.irreversible);
  ExpandCoefficientViews(cells.slots, declared);
  // Built aside: with its empty slots the equation is longer than the
  // cell's buffer, without them it fits again.
  cells.rebuilt.clear();
  AppendEquation(cells.rebuilt, cells.slots, cells.irreversible);
  RemoveEmptySlots(cells.rebuilt);
}

void BuildSpeciesSlots(WorkingTable& table, RowRange rows,
                       const DeclaredSpecies& declared,
                       const InputLines& input) {
  SlotCells spread;
  for (int row = rows.first; row <= rows.last; ++row) {
    input.AtRow(row, [&] { BuildRowSlots(table, row, declared, spread); });
  }
}

}  // namespace kestrelon

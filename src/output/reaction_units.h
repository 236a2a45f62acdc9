// A reaction's own UNITS line, as far as Ea is concerned. Reads lines and
// working-table rows; writes nothing.
//
// A UNITS line ("UNITS / KCAL/MOLE /", first word UNITS followed by a blank,
// "/" or its end) names the units of the numbers of the reaction above it.
// Its energy word says in what unit the reaction's Ea, and the Ea of its
// LOW, HIGH, PLOG and REV lines, are written. The words read as an energy
// unit the run can convert are those of a REACTIONS line with their short
// forms, upper case:
//   CAL, CALS, CALORIE, CALORIES          alone or with /MOL or /MOLE
//   KCAL, KCALS, KCALORIE, KCALORIES      alone or with /MOL or /MOLE
//   J, JOUL, JOULE, JOULES                alone or with /MOL or /MOLE
//   KJ, KJOU, KJOUL, KJOULE, KJOULES      alone or with /MOL or /MOLE
//   K, KELV, KELVIN, KELVINS
// Anything else (MOLE, MOLECULES, EVOLTS, ...) is not such a word.
//
// The cleaned files give every Ea in the file's unit, so the energy word
// goes from the line: "UNITS / KCAL MOLEC /" becomes "UNITS / MOLEC /", and
// a line left without a word goes altogether. Never throws.
#ifndef KESTRELON_OUTPUT_REACTION_UNITS_H_
#define KESTRELON_OUTPUT_REACTION_UNITS_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/ui_services.h"
#include "model/working_table.h"

namespace kestrelon {

struct UnitsLineReading {
  // The first convertible energy unit the line names; nothing when none.
  std::optional<EaUnit> energy;
  // The line without its energy words; empty when no other word is left.
  // The line as given when it names no energy unit.
  std::string rest;
};

// Nothing when `line` (upper case) is not a UNITS line.
std::optional<UnitsLineReading> ReadUnitsLine(std::string_view line);

// `word` (upper case, without slashes around it) as an energy unit.
std::optional<EaUnit> UnitsLineEnergy(std::string_view word);

// The unit the Ea of reaction row `row` is written in: the energy unit of a
// UNITS line among its auxiliary rows (the "#DATAUX#" rows after it, before
// row `end`), otherwise `run_unit`.
EaUnit ReactionUnitOfRow(const WorkingTable& table, int row, int end,
                         EaUnit run_unit);

// The same for a reaction line of a cleaned file whose auxiliary lines are
// `aux`.
EaUnit ReactionUnitOfBlock(std::span<const std::string_view> aux,
                           EaUnit run_unit);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_REACTION_UNITS_H_

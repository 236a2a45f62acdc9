// The units a mechanism declares on its REACTIONS line, and what the command
// line does about them.
//
// ReadReactionsLine reads the text of an input file (lines end at CR LF, CR
// or LF) and finds the first line whose text, after leading blanks and TABs,
// begins with REAC in any case; a comment ("!" to the end of the line) is not
// part of it. The words after the keyword that name units are kept, upper-
// cased as written; other words (BASE, M=N2, ...) are passed over.
//
// A word names an energy unit when it is one of the words of a reaction's
// own UNITS line (output/reaction_units.h: CAL, KCAL, JOUL, KJOU, KELV and
// their longer forms, alone or followed by /MOL or /MOLE; CHEMKIN itself
// reads the four-letter forms), CAL/ (cal/mol), or
//   EV, EVOL, EVOLT, EVOLTS                                        (eV)
// and the unit of A when it is MOLE or MOLES (per mole) or MOLEC, MOLECULE or
// MOLECULES (per molecule). Nothing else is taken for a unit: a word must be
// one of these whole.
//
// After the REACTIONS line, a line whose first word is UNITS (any case,
// followed by a blank, "/" or its end) gives one reaction units of its own.
// The run converts Ea from the energy unit it names and drops that word
// (output/reaction_units.h); a line that names anything else (MOLECULES,
// EVOLTS) is kept as it stands, so each such line is reported.
//
// DecideUnit settles the unit a run cleans with: the declared one under
// --unit auto (cal/mol when none is declared), the one given otherwise, with
// warnings where the file says something else. Nothing here throws.
#ifndef KESTRELON_RUN_REACTIONS_UNIT_H_
#define KESTRELON_RUN_REACTIONS_UNIT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/energy_unit.h"

namespace kestrelon {

enum class EnergyUnit { kCal, kKcal, kJ, kKj, kKelvin, kEvolts };
enum class AmountUnit { kMoles, kMolecules };

template <typename Unit>
struct DeclaredWord {
  Unit unit;
  std::string word;  // upper-cased, as written in the file
};

// A reaction's own "UNITS /.../" line after the REACTIONS line.
struct UnitsLineSeen {
  int line;
  std::string text;  // as written, blanks around it and comment cut off
};

struct ReactionsLine {
  int line = 0;  // 1-based line of the input; 0 when there is none
  std::vector<DeclaredWord<EnergyUnit>> energies;  // in the order written
  std::vector<DeclaredWord<AmountUnit>> amounts;
  std::vector<UnitsLineSeen> units_lines;  // those the run keeps
};

// `word` upper-cased.
std::optional<EnergyUnit> EnergyUnitOfWord(std::string_view word);
std::optional<AmountUnit> AmountUnitOfWord(std::string_view word);

ReactionsLine ReadReactionsLine(std::string_view text);

// The unit the tool converts from, or nothing for electron volts.
std::optional<EaUnit> ConvertibleUnit(EnergyUnit unit);

struct UnitDecision {
  EaUnit unit = EaUnit::kCal;
  // Whole lines, "kestrelon: FILE:N: warning: ...".
  std::vector<std::string> warnings;
  // Set when the run must not start (a usage error): "kestrelon: ...".
  std::optional<std::string> error;
};

// `file` is the input as named on the command line; `given` the unit of
// --unit (cal/mol when the option is absent), unused when `automatic`.
UnitDecision DecideUnit(const ReactionsLine& declared, bool automatic,
                        EaUnit given, const std::string& file);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_REACTIONS_UNIT_H_

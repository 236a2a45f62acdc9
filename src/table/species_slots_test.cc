#include "table/species_slots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

TEST(SpeciesSlotsTest, EquationsSpreadOverTheSixSlots) {
  struct Case {
    const char* equation;  // as the field split leaves it
    const char* slots;     // R1|R2|R3|P1|P2|P3
    const char* rebuilt;
  } cases[] = {
      // A coefficient of 2 fills the side's free slot.
      {"2OH<=>H2O2", "///|OH|OH|H2O2|///|///", "OH+OH<=>H2O2"},
      {"H2O2<=>2OH", "///|///|H2O2|OH|OH|///", "H2O2<=>OH+OH"},
      {"2A+B<=>C+2D", "A|A|B|C|D|D", "A+A+B<=>C+D+D"},
      {"C<=>2D+E", "///|///|C|D|E|D", "C<=>D+E+D"},
      {"2A|=>B", "///|A|A|B|///|///", "A+A=>B"},
      // Full sides keep their coefficients.
      {"A+B+C|=>2D+F+2D", "A|B|C|2D|F|2D", "A+B+C=>2D+F+2D"},
      // "2;" begins a name, not a coefficient.
      {"2;A<=>2;B", "///|///|2;A|2;B|///|///", "2;A<=>2;B"},
      {"A+2;B<=>C", "///|A|2;B|C|///|///", "A+2;B<=>C"},
      // One free slot, two coefficients: the first rule spells its species
      // out, the other coefficient stays, and no species is lost.
      {"2A+2B<=>C", "B|2A|B|C|///|///", "B+2A+B<=>C"},
      {"C<=>2D+2E", "///|///|C|D|2E|D", "C<=>D+2E+D"},
      {"H+O2+M<=>HO2+M", "H|O2|M|HO2|M|///", "H+O2+M<=>HO2+M"},
  };
  testing_support::TestRun run;
  std::vector<std::string> lines;
  for (const Case& c : cases) lines.push_back(c.equation);
  run.SetReactionSection(lines);
  for (int row = 2; row < 2 + static_cast<int>(lines.size()); ++row) {
    run.table.Set(row, kEquationColumn, run.Cell(row, kLineColumn));
  }
  BuildSpeciesSlots(run.table, run.Reactions(), DeclaredSpecies(),
                    run.run.input);
  int row = 2;
  for (const Case& c : cases) {
    std::string joined = run.Cell(row, kFirstSlotColumn);
    for (int i = 1; i < 6; ++i) {
      joined += "|" + run.Cell(row, kFirstSlotColumn + i);
    }
    EXPECT_EQ(joined, c.slots) << c.equation;
    EXPECT_EQ(run.Cell(row++, kEquationColumn), c.rebuilt) << c.equation;
  }
}

}  // namespace
}  // namespace kestrelon

#include "table/species_slots.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

TEST(SpeciesSlotsTest, OneEquationThroughEveryPass) {
  struct Case {
    const char* equation;  // as the field split leaves it
    const char* slots;     // R1|R2|R3|P1|P2|P3 after the expansion
    const char* rebuilt;
  } cases[] = {
      // Rule 1 and rule 4.
      {"2OH<=>H2O2", "///|OH|OH|H2O2|///|///", "OH+OH<=>H2O2"},
      {"H2O2<=>2OH", "///|///|H2O2|OH|OH|///", "H2O2<=>OH+OH"},
      // Rule 2: the name fills the empty first slot; rules 3 and 6; rule 5:
      // the name fills the empty last slot.
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
  for (const Case& c : cases) {
    std::string equation = c.equation;
    FillToTwoPerSide(equation);
    FillToThreePerSide(equation);
    bool irreversible = false;
    Slots slots = SplitSlots(equation, irreversible);
    ExpandCoefficients(slots);
    std::string joined = slots[0];
    for (int i = 1; i < 6; ++i) joined += "|" + slots[i];
    EXPECT_EQ(joined, c.slots) << c.equation;
    std::string rebuilt = RebuildEquation(slots, irreversible);
    RemoveEmptySlots(rebuilt);
    EXPECT_EQ(rebuilt, c.rebuilt) << c.equation;
  }
}

}  // namespace
}  // namespace kestrelon

#include "table/species_slots.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/run_error.h"
#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

struct SlotCase {
  const char* equation;  // as the field split leaves it
  const char* slots[6];  // after the expansion
  const char* rebuilt;
  bool irreversible;
};

const SlotCase kSlotCases[] = {
    {"H+O2<=>OH+O", {"///", "H", "O2", "OH", "O", "///"}, "H+O2<=>OH+O", false},
    {"2OH<=>H2O2",
     {"///", "OH", "OH", "H2O2", "///", "///"},
     "OH+OH<=>H2O2",
     false},
    {"H2O2<=>2OH",
     {"///", "///", "H2O2", "OH", "OH", "///"},
     "H2O2<=>OH+OH",
     false},
    {"2CH3+(M)<=>C2H6+(M)",
     {"CH3", "CH3", "(M)", "C2H6", "(M)", "///"},
     "CH3+CH3+(M)<=>C2H6+(M)",
     false},
    // Rule 2: the name fills the empty first slot.
    {"A+2B<=>C", {"B", "A", "B", "C", "///", "///"}, "B+A+B<=>C", false},
    // Rules 3 and 6.
    {"2A+B<=>C+2D", {"A", "A", "B", "C", "D", "D"}, "A+A+B<=>C+D+D", false},
    // Rule 1 and rule 4.
    {"2A<=>2B", {"///", "A", "A", "B", "B", "///"}, "A+A<=>B+B", false},
    // Rule 5: the name fills the empty last slot.
    {"C<=>2D+E", {"///", "///", "C", "D", "E", "D"}, "C<=>D+E+D", false},
    {"A+B|=>C", {"///", "A", "B", "C", "///", "///"}, "A+B=>C", true},
    {"2A|=>B", {"///", "A", "A", "B", "///", "///"}, "A+A=>B", true},
    // Full sides keep their coefficients.
    {"A+B+C|=>2D+F+2D",
     {"A", "B", "C", "2D", "F", "2D"},
     "A+B+C=>2D+F+2D",
     true},
    {"A+B+2C<=>D+E+2F",
     {"A", "B", "2C", "D", "E", "2F"},
     "A+B+2C<=>D+E+2F",
     false},
    // "2;" begins a name, not a coefficient.
    {"2;A<=>2;B",
     {"///", "///", "2;A", "2;B", "///", "///"},
     "2;A<=>2;B",
     false},
    {"A+2;B<=>C", {"///", "A", "2;B", "C", "///", "///"}, "A+2;B<=>C", false},
    // One free slot, two coefficients: the first rule spells its species
    // out, the other coefficient stays, and no species is lost.
    {"2A+2B<=>C", {"B", "2A", "B", "C", "///", "///"}, "B+2A+B<=>C", false},
    {"C<=>2D+2E", {"///", "///", "C", "D", "2E", "D"}, "C<=>D+2E+D", false},
    {"H+O2+M<=>HO2+M",
     {"H", "O2", "M", "HO2", "M", "///"},
     "H+O2+M<=>HO2+M",
     false},
};

TEST(SpeciesSlotsTest, OneEquationThroughEveryPass) {
  for (const SlotCase& c : kSlotCases) {
    std::string equation = c.equation;
    FillToTwoPerSide(equation);
    FillToThreePerSide(equation);
    bool irreversible = false;
    Slots slots = SplitSlots(equation, irreversible);
    EXPECT_EQ(irreversible, c.irreversible) << c.equation;
    ExpandCoefficients(slots);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(slots[i], c.slots[i]) << c.equation << " slot " << i;
    }
    std::string rebuilt = RebuildEquation(slots, irreversible);
    RemoveEmptySlots(rebuilt);
    EXPECT_EQ(rebuilt, c.rebuilt) << c.equation;
  }
}

TEST(SpeciesSlotsTest, FillingPutsEmptySlotsBeforeReactantsAfterProducts) {
  struct Case {
    const char* equation;
    const char* two;
    const char* three;
  } cases[] = {
      {"A<=>B", "///+A<=>B+///", "///+///+A<=>B+///+///"},
      {"A<=>B+C", "///+A<=>B+C", "///+///+A<=>B+C+///"},
      {"A+B<=>C", "A+B<=>C+///", "///+A+B<=>C+///+///"},
      {"A+B+C<=>D", "A+B+C<=>D+///", "A+B+C<=>D+///+///"},
      {"A<=>B+C+D", "///+A<=>B+C+D", "///+///+A<=>B+C+D"},
      {"A+B<=>C+D", "A+B<=>C+D", "///+A+B<=>C+D+///"},
      {"A+B+C<=>D+E", "A+B+C<=>D+E", "A+B+C<=>D+E+///"},
      {"A+B<=>C+D+E", "A+B<=>C+D+E", "///+A+B<=>C+D+E"},
      {"A+B+C<=>D+E+F", "A+B+C<=>D+E+F", "A+B+C<=>D+E+F"},
  };
  for (const Case& c : cases) {
    std::string equation = c.equation;
    FillToTwoPerSide(equation);
    EXPECT_EQ(equation, c.two) << c.equation;
    FillToThreePerSide(equation);
    EXPECT_EQ(equation, c.three) << c.equation;
  }
}

TEST(SpeciesSlotsTest, RowsOfTheTable) {
  TestRun run;
  run.SetReactionSection({"", "", "", ""});
  WorkingTable& table = run.ctx.table;
  table.Set(2, 2, "2OH|=>H2O2");
  table.Set(3, 2, "####");
  table.Set(4, 2, "A+B<=>C");
  table.Set(5, 2, "####");
  BuildSpeciesSlots(run.ctx, ReactionRows(run.ctx.vars.index));

  const char* want[][12] = {
      {"OH+OH=>H2O2", "///", "OH", "OH", "H2O2", "///", "///", "", "", "",
       "Irr"},
      {"####+####+####<=>####+####+####", "####", "####", "####", "####",
       "####", "####", "", "", "", ""},
      {"A+B<=>C", "///", "A", "B", "C", "///", "///", "", "", "", ""},
      {"####+####+####<=>####+####+####", "####", "####", "####", "####",
       "####", "####", "", "", "", ""},
  };
  for (int row = 2; row <= 5; ++row) {
    for (int column = 2; column <= 12; ++column) {
      EXPECT_EQ(run.Cell(row, column), want[row - 2][column - 2])
          << "row " << row << ", column " << column;
    }
  }
  EXPECT_EQ(run.Cell(1, 2), "");
  EXPECT_EQ(run.Cell(6, 2), "");
}

TEST(SpeciesSlotsTest, AnEquationThatDoesNotSplitFails) {
  TestRun run;
  run.SetReactionSection({"", ""});
  run.ctx.table.Set(2, 2, "A+B<=>C");
  run.ctx.table.Set(3, 2, "A>B");
  try {
    BuildSpeciesSlots(run.ctx, ReactionRows(run.ctx.vars.index));
    ADD_FAILURE() << "split";
  } catch (const RunError& e) {
    EXPECT_EQ(e.Describe(),
              "mech.inp:7: cannot split the equation into its species");
  }
}

}  // namespace
}  // namespace kestrelon

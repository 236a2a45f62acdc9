#include "table/coefficient_rule.h"

#include <gtest/gtest.h>

#include "table/species_slots.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

TEST(CoefficientRuleTest, OnlyATwoBeforeANameIsTheCoefficient) {
  DeclaredSpecies declared;
  declared.AddNames("H2   2-C4H8   2C3H5\t2");
  struct Case {
    const char* slot;
    bool coefficient;
  } cases[] = {
      {"2OH", true},
      {"2CH3", true},
      {"2-C3H7", true},
      {"2.5H2", false},
      {"2.00000H2", false},
      {"2.H", false},
      {"20CH2", false},
      {"25H2", false},
      {"2;5-X", false},
      {"2", false},
      {"H2", false},
      {"///", false},
      // Declared names are names, whatever follows the 2.
      {"2-C4H8", false},
      {"2C3H5", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsCoefficientTwo(c.slot, declared), c.coefficient) << c.slot;
  }
}

TEST(CoefficientRuleTest, SlotPassKeepsDecimalsAndDeclaredNames) {
  testing_support::TestRun run;
  run.table.Set(1, 1, "SPECIES");
  run.table.Set(2, 1, "H   H2   C4H9");
  run.table.Set(3, 1, "2-C4H8");
  run.table.Set(4, 1, "END");
  run.run.vars.index.specrow = 1;
  run.run.vars.index.specend = 4;
  struct Case {
    const char* equation;
    const char* rebuilt;
  } cases[] = {
      {"C6H5+C12H9|=>.7500000000BIN1+2.50000H2",
       "C6H5+C12H9=>.7500000000BIN1+2.50000H2"},
      {"C2H6|=>C2H2+2.00000H2", "C2H6=>C2H2+2.00000H2"},
      {"C20H42<=>20CH2+H2", "C20H42<=>20CH2+H2"},
      {"C2H6<=>C2H4+2.H", "C2H6<=>C2H4+2.H"},
      {"2-C4H8+H<=>C4H9", "2-C4H8+H<=>C4H9"},
      {"C4H9<=>2-C4H8+H", "C4H9<=>2-C4H8+H"},
      {"H2<=>2H", "H2<=>H+H"},
  };
  int row = 10;
  for (const Case& c : cases) {
    run.table.Set(row, kEquationColumn, c.equation);
    ++row;
  }
  BuildSpeciesSlots(run.table, {10, row - 1},
                    ReadDeclaredSpecies(run.table, run.run.vars.index),
                    run.run.input);
  row = 10;
  for (const Case& c : cases) {
    EXPECT_EQ(run.table.Get(row, kEquationColumn), c.rebuilt) << c.equation;
    ++row;
  }
}

}  // namespace
}  // namespace kestrelon

#include "output/reaction_units.h"

#include <gtest/gtest.h>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

const char* Name(std::optional<EaUnit> unit) {
  if (!unit) return "none";
  switch (*unit) {
    case EaUnit::kKj:
      return "kJ";
    case EaUnit::kKcal:
      return "kcal";
    case EaUnit::kJ:
      return "J";
    case EaUnit::kCal:
      return "cal";
    case EaUnit::kKelvin:
      return "K";
  }
  return "?";
}

TEST(ReactionUnitsTest, EnergyWordLeavesTheLine) {
  struct Case {
    const char* line;
    const char* unit;
    const char* rest;
  } cases[] = {
      {"UNITS / CAL/MOL /", "cal", ""},
      {"UNITS / CAL/MOLE /", "cal", ""},
      {"UNITS / KCAL/", "kcal", ""},
      {"UNITS /KCAL/MOLE/", "kcal", ""},
      {"UNITS / JOULES/MOLE /", "J", ""},
      {"UNITS / KJOULES/MOLE /", "kJ", ""},
      {"UNITS / KJ /", "kJ", ""},
      {"UNITS / KELVINS /", "K", ""},
      {"UNITS KELVIN", "K", ""},
      {"UNITS / KCAL/MOLE MOLECULES /", "kcal", "UNITS / MOLECULES /"},
      {"UNITS /MOLECULES KCAL/", "kcal", "UNITS /MOLECULES/"},
      // Nothing to convert: the line stays as it is.
      {"UNITS / MOLECULES /", "none", "UNITS / MOLECULES /"},
      {"UNITS / MOL /", "none", "UNITS / MOL /"},
      {"UNITS / EVOLTS /", "none", "UNITS / EVOLTS /"},
      {"UNITS / CAL/SEC /", "none", "UNITS / CAL/SEC /"},
  };
  for (const Case& c : cases) {
    const std::optional<UnitsLineReading> r = ReadUnitsLine(c.line);
    ASSERT_TRUE(r.has_value()) << c.line;
    EXPECT_STREQ(Name(r->energy), c.unit) << c.line;
    EXPECT_EQ(r->rest, c.rest) << c.line;
  }
  for (const char* other : {"UNITSX / KCAL /", "DUP", "H2/2.0/ UNITS/1.0/"}) {
    EXPECT_FALSE(ReadUnitsLine(other).has_value()) << other;
  }
}

TEST(ReactionUnitsTest, AReactionTakesTheUnitOfItsOwnUnitsLine) {
  testing_support::TestRun run;
  run.SetReactionSection({"A<=>B 1.0 0.0 2.0", "#DATAUX#LOW /1.0 0.0 3.0/",
                          "#DATAUX#UNITS / KCAL/", "C<=>D 1.0 0.0 2.0",
                          "#DATAUX#UNITS / MOLEC /", "E<=>F 1.0 0.0 2.0"});
  const WorkingTable& table = run.table;
  const int end = run.run.vars.index.reacend;
  EXPECT_STREQ(Name(ReactionUnitOfRow(table, 2, end, EaUnit::kJ)), "kcal");
  EXPECT_STREQ(Name(ReactionUnitOfRow(table, 5, end, EaUnit::kJ)), "J");
  EXPECT_STREQ(Name(ReactionUnitOfRow(table, 7, end, EaUnit::kJ)), "J");

  // In a cleaned file: the auxiliary lines of the reaction line.
  const std::string_view with_units[] = {"LOW /1 0 3/", "UNITS / KJ /"};
  EXPECT_STREQ(Name(ReactionUnitOfBlock(with_units, EaUnit::kCal)), "kJ");
  EXPECT_STREQ(Name(ReactionUnitOfBlock({}, EaUnit::kCal)), "cal");
}

}  // namespace
}  // namespace kestrelon

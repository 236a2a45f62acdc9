#include "cli/reactions_unit.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(EnergyUnitOfWordTest, AcceptsTheSpellingsInUseAndNothingElse) {
  struct Case {
    const char* word;
    std::optional<EnergyUnit> want;
  } cases[] = {
      {"CAL/MOLE", EnergyUnit::kCal},
      {"CAL/MOL", EnergyUnit::kCal},
      {"CALS/MOLE", EnergyUnit::kCal},
      {"CALORIE/MOLE", EnergyUnit::kCal},
      {"CALORIES/MOL", EnergyUnit::kCal},
      {"KCAL/MOLE", EnergyUnit::kKcal},
      {"KCAL/MOL", EnergyUnit::kKcal},
      {"KCALS/MOLE", EnergyUnit::kKcal},
      {"KCALORIES/MOLE", EnergyUnit::kKcal},
      {"JOULES/MOLE", EnergyUnit::kJ},
      {"JOULE/MOLE", EnergyUnit::kJ},
      {"JOUL/MOLE", EnergyUnit::kJ},
      {"JOUL/MOL", EnergyUnit::kJ},
      {"J/MOL", EnergyUnit::kJ},
      {"KJOULES/MOLE", EnergyUnit::kKj},
      {"KJOULE/MOLE", EnergyUnit::kKj},
      {"KJOUL/MOLE", EnergyUnit::kKj},
      {"KJOU/MOL", EnergyUnit::kKj},
      {"KJ/MOL", EnergyUnit::kKj},
      {"KJ/MOLE", EnergyUnit::kKj},
      {"KELVINS", EnergyUnit::kKelvin},
      {"KELVIN", EnergyUnit::kKelvin},
      {"KELV", EnergyUnit::kKelvin},
      {"K", EnergyUnit::kKelvin},
      {"EVOLTS", EnergyUnit::kEvolts},
      {"EVOLT", EnergyUnit::kEvolts},
      {"EVOL", EnergyUnit::kEvolts},
      {"EV", EnergyUnit::kEvolts},
      // Not units of Ea: the amount words, other options of the line, the
      // molar energies without their "per mole", near misses, lower case.
      {"MOLES", std::nullopt},
      {"MOLECULES", std::nullopt},
      {"BASE", std::nullopt},
      {"M=N2", std::nullopt},
      {"CAL", std::nullopt},
      {"KCAL", std::nullopt},
      {"J", std::nullopt},
      {"KJOULES", std::nullopt},
      {"KJOULES/", std::nullopt},
      {"/MOLE", std::nullopt},
      {"CAL/MOLES", std::nullopt},
      {"KCAL/MOLE/K", std::nullopt},
      {"KK", std::nullopt},
      {"KELVINSS", std::nullopt},
      {"KA", std::nullopt},
      {"CAL/MOLE!", std::nullopt},
      {"kcal/mole", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EnergyUnitOfWord(c.word), c.want) << c.word;
  }
}

TEST(AmountUnitOfWordTest, MolesAndMolecules) {
  struct Case {
    const char* word;
    std::optional<AmountUnit> want;
  } cases[] = {
      {"MOLES", AmountUnit::kMoles},
      {"MOLE", AmountUnit::kMoles},
      {"MOLECULES", AmountUnit::kMolecules},
      {"MOLECULE", AmountUnit::kMolecules},
      {"MOLEC", AmountUnit::kMolecules},
      {"MOL", std::nullopt},
      {"MOLECULESS", std::nullopt},
      {"KCAL/MOLE", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AmountUnitOfWord(c.word), c.want) << c.word;
  }
}

struct Expected {
  int line;
  std::vector<std::string> energies;
  std::vector<std::string> amounts;
};

void ExpectLine(const std::string& text, const Expected& want) {
  ReactionsLine got = ReadReactionsLine(text);
  EXPECT_EQ(got.line, want.line) << text;
  std::vector<std::string> energies, amounts;
  for (const auto& e : got.energies) energies.push_back(e.word);
  for (const auto& a : got.amounts) amounts.push_back(a.word);
  EXPECT_EQ(energies, want.energies) << text;
  EXPECT_EQ(amounts, want.amounts) << text;
}

TEST(ReadReactionsLineTest, FindsTheKeywordLineAndKeepsItsUnitWords) {
  struct Case {
    const char* text;
    Expected want;
  } cases[] = {
      {"ELEMENTS\r\nH\r\nEND\r\n", {0, {}, {}}},
      {"", {0, {}, {}}},
      {"ELEMENTS\r\nEND\r\nREACTIONS\r\nEND\r\n", {3, {}, {}}},
      // Upper-cased as written, whatever case the file uses.
      {"elements\r\nreactions kjoules/mole\r\n", {2, {"KJOULES/MOLE"}, {}}},
      {"Reac Kcal/Mole moles\r\n", {1, {"KCAL/MOLE"}, {"MOLES"}}},
      // Blanks and TABs before the keyword and between the words.
      {"SPECIES\r\n  \tREACTIONS\tKELVIN\t MOLECULES\r\n",
       {2, {"KELVIN"}, {"MOLECULES"}}},
      {"REACTIONS   MOLES  KELVINS        \r\n", {1, {"KELVINS"}, {"MOLES"}}},
      {"REACTIONS                     MOLES       KJOULES/MOLE \r\n",
       {1, {"KJOULES/MOLE"}, {"MOLES"}}},
      // Other options of the line are passed over.
      {"REACTIONS         BASE M=N2\r\n", {1, {}, {}}},
      // A comment is not part of the line.
      {"REACTIONS ! KJOULES/MOLE\r\n", {1, {}, {}}},
      {"REACTIONS KCAL/MOLE!KJOULES/MOLE\r\n", {1, {"KCAL/MOLE"}, {}}},
      {"! REACTIONS KJOULES/MOLE\r\nREACTIONS KELVINS\r\n",
       {2, {"KELVINS"}, {}}},
      {"  !REACTIONS KJOULES/MOLE\r\n", {0, {}, {}}},
      // Every line end ends a line, so the numbers are those of an editor.
      {"A\rB\nC\r\nREACTIONS EVOLTS\r\n", {4, {"EVOLTS"}, {}}},
      {"A\n\nREACTIONS JOULES/MOLE\n", {3, {"JOULES/MOLE"}, {}}},
      // Only the first such line counts.
      {"REACTIONS KCAL/MOLE\r\nEND\r\nREACTIONS KJOULES/MOLE\r\n",
       {1, {"KCAL/MOLE"}, {}}},
      // The line must begin with the letters REAC.
      {"REA KJOULES/MOLE\r\nXREACTIONS KJOULES/MOLE\r\n", {0, {}, {}}},
      {"REACTION KJOU/MOL\r\n", {1, {"KJOU/MOL"}, {}}},
      // Every unit word is kept, in order, for the caller to judge.
      {"REACTIONS KCAL/MOLE KJOULES/MOLE\r\n",
       {1, {"KCAL/MOLE", "KJOULES/MOLE"}, {}}},
  };
  for (const Case& c : cases) ExpectLine(c.text, c.want);
}

TEST(ReadReactionsLineTest, KeepsTheUnitOfEachWord) {
  ReactionsLine got = ReadReactionsLine("REACTIONS KJ/MOL MOLEC\r\n");
  ASSERT_EQ(got.energies.size(), 1u);
  EXPECT_EQ(got.energies[0].unit, EnergyUnit::kKj);
  ASSERT_EQ(got.amounts.size(), 1u);
  EXPECT_EQ(got.amounts[0].unit, AmountUnit::kMolecules);
}

TEST(UnitNameTest, NamesOfTheUnitInForce) {
  EXPECT_STREQ(UnitName(EaUnit::kCal), "cal/mol");
  EXPECT_STREQ(UnitName(EaUnit::kKcal), "kcal/mol");
  EXPECT_STREQ(UnitName(EaUnit::kJ), "J/mol");
  EXPECT_STREQ(UnitName(EaUnit::kKj), "kJ/mol");
  EXPECT_STREQ(UnitName(EaUnit::kKelvin), "K");
}

TEST(DecideUnitTest, UnitWarningsAndErrors) {
  const std::string w = "kestrelon: warning: m.inp: line 3: ";
  const std::string molecules =
      w +
      "REACTIONS declares MOLECULES: A is copied as it stands "
      "(kestrelon converts only Ea)";
  struct Case {
    const char* text;
    bool automatic;
    EaUnit given;
    EaUnit want_unit;
    std::vector<std::string> want_warnings;
    std::string want_error;
  } cases[] = {
      // --unit auto takes the declared unit, cal/mol when none is declared.
      {"A\nB\nREACTIONS KJOULES/MOLE", true, EaUnit::kCal, EaUnit::kKj, {}, ""},
      {"A\nB\nREACTIONS KCAL/MOLE", true, EaUnit::kCal, EaUnit::kKcal, {}, ""},
      {"A\nB\nREACTIONS JOULES/MOLE", true, EaUnit::kCal, EaUnit::kJ, {}, ""},
      {"A\nB\nREACTIONS CAL/MOLE", true, EaUnit::kKj, EaUnit::kCal, {}, ""},
      {"A\nB\nREACTIONS KELVINS", true, EaUnit::kCal, EaUnit::kKelvin, {}, ""},
      {"A\nB\nREACTIONS", true, EaUnit::kKj, EaUnit::kCal, {}, ""},
      {"A\nB\nC", true, EaUnit::kKj, EaUnit::kCal, {}, ""},
      {"A\nB\nREACTIONS KJ/MOL KJOULES/MOLE",
       true,
       EaUnit::kCal,
       EaUnit::kKj,
       {},
       ""},
      {"A\nB\nREACTIONS EVOLTS",
       true,
       EaUnit::kCal,
       EaUnit::kCal,
       {},
       "kestrelon: m.inp: line 3: REACTIONS declares EVOLTS, which kestrelon "
       "cannot convert: Ea can only be given in kJ/mol, kcal/mol, J/mol, "
       "cal/mol or K"},
      {"A\nB\nREACTIONS KCAL/MOLE KELVINS",
       true,
       EaUnit::kCal,
       EaUnit::kCal,
       {},
       "kestrelon: m.inp: line 3: REACTIONS declares KCAL/MOLE and KELVINS; "
       "give the unit of Ea with --unit (kj, kcal, j, cal or kelvin)"},
      {"A\nB\nREACTIONS KELVIN MOLECULES",
       true,
       EaUnit::kCal,
       EaUnit::kKelvin,
       {molecules},
       ""},
      // Without auto the given unit stands, with a warning when the file
      // declares another.
      {"A\nB\nREACTIONS KJOULES/MOLE",
       false,
       EaUnit::kCal,
       EaUnit::kCal,
       {w + "REACTIONS declares KJOULES/MOLE, cleaning as cal/mol"},
       ""},
      {"A\nB\nreactions kelvins",
       false,
       EaUnit::kKcal,
       EaUnit::kKcal,
       {w + "REACTIONS declares KELVINS, cleaning as kcal/mol"},
       ""},
      {"A\nB\nREACTIONS KCAL/MOLE",
       false,
       EaUnit::kJ,
       EaUnit::kJ,
       {w + "REACTIONS declares KCAL/MOLE, cleaning as J/mol"},
       ""},
      {"A\nB\nREACTIONS CAL/MOL",
       false,
       EaUnit::kKj,
       EaUnit::kKj,
       {w + "REACTIONS declares CAL/MOL, cleaning as kJ/mol"},
       ""},
      {"A\nB\nREACTIONS JOULE/MOLE",
       false,
       EaUnit::kKelvin,
       EaUnit::kKelvin,
       {w + "REACTIONS declares JOULE/MOLE, cleaning as K"},
       ""},
      {"A\nB\nREACTIONS EVOL",
       false,
       EaUnit::kCal,
       EaUnit::kCal,
       {w + "REACTIONS declares EVOL, cleaning as cal/mol"},
       ""},
      {"A\nB\nREACTIONS KCAL/MOLE KJOULES/MOLE",
       false,
       EaUnit::kKcal,
       EaUnit::kKcal,
       {w + "REACTIONS declares KCAL/MOLE and KJOULES/MOLE, cleaning as "
            "kcal/mol"},
       ""},
      {"A\nB\nREACTIONS KJOULES/MOLE MOLECULES",
       false,
       EaUnit::kCal,
       EaUnit::kCal,
       {w + "REACTIONS declares KJOULES/MOLE, cleaning as cal/mol", molecules},
       ""},
      // The same unit, or none, gives no warning.
      {"A\nB\nREACTIONS KJOULES/MOLE MOLES",
       false,
       EaUnit::kKj,
       EaUnit::kKj,
       {},
       ""},
      {"A\nB\nREACTIONS KELVINS",
       false,
       EaUnit::kKelvin,
       EaUnit::kKelvin,
       {},
       ""},
      {"A\nB\nREACTIONS BASE M=N2", false, EaUnit::kKj, EaUnit::kKj, {}, ""},
      {"A\nB\nREACTIONS MOLECULES",
       false,
       EaUnit::kCal,
       EaUnit::kCal,
       {molecules},
       ""},
  };
  for (const Case& c : cases) {
    UnitDecision got =
        DecideUnit(ReadReactionsLine(c.text), c.automatic, c.given, "m.inp");
    EXPECT_EQ(got.error.value_or(""), c.want_error) << c.text;
    if (!c.want_error.empty()) continue;
    EXPECT_EQ(got.unit, c.want_unit) << c.text;
    EXPECT_EQ(got.warnings, c.want_warnings) << c.text;
  }
}

TEST(DecideUnitTest, NamesTheFileAsGiven) {
  UnitDecision got = DecideUnit(ReadReactionsLine("REACTIONS KELVINS"), false,
                                EaUnit::kCal, "../mech/m.inp");
  ASSERT_EQ(got.warnings.size(), 1u);
  EXPECT_EQ(got.warnings[0],
            "kestrelon: warning: ../mech/m.inp: line 1: REACTIONS declares "
            "KELVINS, cleaning as cal/mol");
}

}  // namespace
}  // namespace kestrelon

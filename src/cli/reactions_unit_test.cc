#include "cli/reactions_unit.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrelon {
namespace {

// What a word names: the unit of Ea ("eV" when it cannot be converted), the
// unit of A ("moles", "molecules"), or "-".
std::string UnitOf(const std::string& word) {
  if (std::optional<EnergyUnit> e = EnergyUnitOfWord(word)) {
    std::optional<EaUnit> unit = ConvertibleUnit(*e);
    return unit ? UnitName(*unit) : "eV";
  }
  if (std::optional<AmountUnit> a = AmountUnitOfWord(word)) {
    return *a == AmountUnit::kMoles ? "moles" : "molecules";
  }
  return "-";
}

TEST(ReactionsUnitTest, EveryAcceptedSpellingAndNothingElse) {
  struct Case {
    const char* words;
    const char* want;
  } cases[] = {
      {"CAL/MOLE CAL/MOL CALS/MOLE CALORIE/MOLE CALORIES/MOL", "cal/mol"},
      {"KCAL/MOLE KCAL/MOL KCALS/MOLE KCALORIES/MOLE KCALORIE/MOL", "kcal/mol"},
      {"JOULES/MOLE JOULE/MOLE JOUL/MOLE JOUL/MOL J/MOL J/MOLE", "J/mol"},
      {"KJOULES/MOLE KJOULE/MOLE KJOUL/MOLE KJOU/MOL KJ/MOL KJ/MOLE", "kJ/mol"},
      {"KELVINS KELVIN KELV K", "K"},
      {"EVOLTS EVOLT EVOL EV", "eV"},
      {"MOLES MOLE", "moles"},
      {"MOLECULES MOLECULE MOLEC", "molecules"},
      // The molar energies without their "per mole", near misses, other
      // options of the line, lower case.
      {"CAL KCAL J KJOULES KJOULES/ /MOLE CAL/MOLES KCAL/MOLE/K KK KELVINSS "
       "KA CAL/MOLE! MOL MOLECULESS BASE M=N2 kcal/mole",
       "-"},
  };
  for (const Case& c : cases) {
    std::istringstream words(c.words);
    for (std::string w; words >> w;) EXPECT_EQ(UnitOf(w), c.want) << w;
  }
  EXPECT_EQ(UnitOf(""), "-");
}

// "LINE|ENERGY WORDS|AMOUNT WORDS" of the first REACTIONS line.
std::string Describe(const ReactionsLine& got) {
  std::string out = std::to_string(got.line) + "|";
  for (const auto& e : got.energies) out += e.word + " ";
  out += "|";
  for (const auto& a : got.amounts) out += a.word + " ";
  return out;
}

TEST(ReadReactionsLineTest, FindsTheKeywordLineAndKeepsItsUnitWords) {
  struct Case {
    const char* text;
    const char* want;
  } cases[] = {
      {"ELEMENTS\r\nH\r\nEND\r\n", "0||"},
      // Upper-cased as written; blanks and TABs around the words; other
      // options passed over.
      {"elements\r\n  \treactions\tkjoules/mole  moles BASE\r\n",
       "2|KJOULES/MOLE |MOLES "},
      // A comment is not part of the line, nor is a commented-out line.
      {"! REACTIONS KJOULES/MOLE\r\nREACTIONS KCAL/MOLE!KJOULES/MOLE\r\n",
       "2|KCAL/MOLE |"},
      // Every line end ends a line, so the numbers are those of an editor.
      {"A\rB\nC\r\nREACTIONS EVOLTS\r\n", "4|EVOLTS |"},
      // Only the first such line counts; it must begin with REAC.
      {"XREACTIONS KELVINS\r\nREA K\r\nReac K\r\nREACTIONS KJ/MOL\r\n",
       "3|K |"},
      // Every unit word is kept, in order, for the caller to judge.
      {"REACTIONS KCAL/MOLE KJOULES/MOLE\r\n", "1|KCAL/MOLE KJOULES/MOLE |"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(ReadReactionsLine(c.text)), c.want) << c.text;
  }
}

// The unit, then each warning without its "kestrelon: warning: FILE: line
// N: " prefix; or the error.
std::string Describe(const UnitDecision& got) {
  if (got.error) return *got.error;
  const std::string prefix = "kestrelon: warning: ../m.inp: line 2: ";
  std::string out = UnitName(got.unit);
  for (const std::string& w : got.warnings) {
    out += "; " + (w.rfind(prefix, 0) == 0 ? w.substr(prefix.size()) : w);
  }
  return out;
}

TEST(DecideUnitTest, UnitWarningsAndErrors) {
  const std::string molecules =
      "; REACTIONS declares MOLECULES: A is copied as it stands (kestrelon "
      "converts only Ea)";
  struct Case {
    const char* line;
    bool automatic;
    EaUnit given;
    std::string want;
  } cases[] = {
      // --unit auto takes the declared unit, cal/mol when none is declared.
      {"REACTIONS KJ/MOL KJOULES/MOLE", true, EaUnit::kCal, "kJ/mol"},
      {"REACTIONS KELVIN MOLECULES", true, EaUnit::kCal, "K" + molecules},
      {"REACTIONS KCAL/MOLE KELVINS", true, EaUnit::kCal,
       "kestrelon: ../m.inp: line 2: REACTIONS declares KCAL/MOLE and "
       "KELVINS; give the unit of Ea with --unit (kj, kcal, j, cal or "
       "kelvin)"},
      // Without auto the given unit stands, with a warning when the file
      // declares another.
      {"reactions kelvins", false, EaUnit::kKcal,
       "kcal/mol; REACTIONS declares KELVINS, cleaning as kcal/mol"},
      {"REACTIONS KCAL/MOLE KJOULES/MOLE", false, EaUnit::kKcal,
       "kcal/mol; REACTIONS declares KCAL/MOLE and KJOULES/MOLE, cleaning as "
       "kcal/mol"},
      {"REACTIONS KJOULES/MOLE MOLECULES", false, EaUnit::kCal,
       "cal/mol; REACTIONS declares KJOULES/MOLE, cleaning as cal/mol" +
           molecules},
      // The same unit, or none, gives no warning.
      {"REACTIONS KJOULES/MOLE MOLES", false, EaUnit::kKj, "kJ/mol"},
      {"REACTIONS BASE", false, EaUnit::kKj, "kJ/mol"},
  };
  for (const Case& c : cases) {
    UnitDecision got =
        DecideUnit(ReadReactionsLine(std::string("A\n") + c.line), c.automatic,
                   c.given, "../m.inp");
    EXPECT_EQ(Describe(got), c.want) << c.line;
  }
}

}  // namespace
}  // namespace kestrelon

#include "run/reactions_unit.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kestrelon {
namespace {

// Near misses of the unit words, other options of the line and lower case
// name no unit. (The spellings themselves are a list in the code; the
// common ones are read in the tests below and in the golden runs.)
TEST(ReactionsUnitTest, NearMissesNameNoUnit) {
  std::istringstream words(
      "KJOULES/ /MOLE CAL/MOLES KCAL/MOLE/K KK KELVINSS KA KCA JOU "
      "CAL/MOLE! MOL MOLECULESS BASE M=N2 kcal/mole");
  for (std::string w; words >> w;) {
    EXPECT_FALSE(EnergyUnitOfWord(w).has_value()) << w;
    EXPECT_FALSE(AmountUnitOfWord(w).has_value()) << w;
  }
}

// The unit, then each warning "kestrelon: ../m.inp:N: warning: TEXT" as
// "line N: TEXT" (any other form whole); or the error.
std::string Describe(const UnitDecision& got) {
  if (got.error) return *got.error;
  const std::string prefix = "kestrelon: ../m.inp:";
  const std::string warning = ": warning: ";
  std::string out = UnitName(got.unit);
  for (const std::string& w : got.warnings) {
    const size_t at = w.find(warning);
    out += "; " + (w.rfind(prefix, 0) == 0 && at != std::string::npos
                       ? "line " + w.substr(prefix.size(), at - prefix.size()) +
                             ": " + w.substr(at + warning.size())
                       : w);
  }
  return out;
}

// The first line that begins with REAC (after blanks and TABs, in any
// case, outside comments) gives the unit words, upper-cased as written.
TEST(DecideUnitTest, UnitWarningsAndErrors) {
  const std::string molecules =
      "REACTIONS declares MOLECULES: A is copied as it stands (kestrelon "
      "converts only Ea)";
  struct Case {
    const char* text;
    bool automatic;
    EaUnit given;
    std::string want;
  } cases[] = {
      // --unit auto takes the declared unit, cal/mol when none is declared.
      {"REACTIONS KJ/MOL KJOULES/MOLE", true, EaUnit::kCal, "kJ/mol"},
      // CHEMKIN's four-letter forms, without "/MOLE".
      {"REACTIONS KCAL MOLES", true, EaUnit::kCal, "kcal/mol"},
      {"REACTIONS JOUL", false, EaUnit::kCal,
       "cal/mol; line 1: REACTIONS declares JOUL, cleaning as cal/mol; "
       "--unit auto takes the declared unit"},
      {"ELEMENTS\r\nREAC\r\n", true, EaUnit::kKj, "cal/mol"},
      {"REACTIONS KELVIN MOLECULES", true, EaUnit::kCal,
       "K; line 1: " + molecules},
      {"A\nREACTIONS KCAL/MOLE KELVINS", true, EaUnit::kCal,
       "kestrelon: ../m.inp:2: REACTIONS declares KCAL/MOLE and "
       "KELVINS; give the unit of Ea with --unit (kj, kcal, j, cal or "
       "kelvin)"},
      // Without auto the given unit stands, with a warning when the file
      // declares another. Every line end ends a line.
      {"A\rB\nC\r\n  \treactions\tkelvins  moles BASE", false, EaUnit::kKcal,
       "kcal/mol; line 4: REACTIONS declares KELVINS, cleaning "
       "as kcal/mol; --unit auto takes the declared unit"},
      {"! REACTIONS K\r\nXREACTIONS K\nREA K\nReac Kcal/Mole!KJOULES/MOLE",
       false, EaUnit::kKj,
       "kJ/mol; line 4: REACTIONS declares KCAL/MOLE, cleaning as kJ/mol; "
       "--unit auto takes the declared unit"},
      {"REACTIONS KCAL/MOLE KJOULES/MOLE\nREACTIONS K", false, EaUnit::kKcal,
       "kcal/mol; line 1: REACTIONS declares KCAL/MOLE and KJOULES/MOLE, "
       "cleaning as kcal/mol"},
      {"REACTIONS KJOULES/MOLE MOLECULES", false, EaUnit::kCal,
       "cal/mol; line 1: REACTIONS declares KJOULES/MOLE, cleaning as "
       "cal/mol; --unit auto takes the declared unit; line 1: " +
           molecules},
      // The same unit, or none, gives no warning.
      {"REACTIONS KJOULES/MOLE MOLES", false, EaUnit::kKj, "kJ/mol"},
      {"REACTIONS BASE M=N2 ! KCAL/MOLE", false, EaUnit::kKj, "kJ/mol"},
      // A reaction's own UNITS line is named, in the unit the run uses,
      // unless the run converts from the energy unit that is all it names;
      // UNITS before REACTIONS, inside a name or a comment is no such line.
      {"UNITS /KCAL/\nREACTIONS KELVINS\nA=B 1 0 0\n  units/ CAL/MOL / ! x\n"
       "UNITSX/1/\nA+UNITS=B 1 0 0\n! UNITS /KJOU/\nUNITS\n"
       "UNITS /KCAL\tMOLEC/\nUnits / kjoules/mole /",
       true, EaUnit::kCal,
       "K; line 8: \"UNITS\" is not read: the reaction's numbers are cleaned "
       "as the others are, Ea as K; line 9: \"UNITS /KCAL\tMOLEC/\" is not "
       "read: the reaction's numbers are cleaned as the others are, Ea as K"},
      // Lines are counted across every kind of line end.
      {"REACTIONS\r\nA=B 1 0 0\rUNITS /X/\r\n\r\nUNITS/Y/", false, EaUnit::kCal,
       "cal/mol; line 3: \"UNITS /X/\" is not read: the reaction's numbers "
       "are cleaned as the others are, Ea as cal/mol; line 5: \"UNITS/Y/\" is "
       "not read: the reaction's numbers are cleaned as the others are, Ea "
       "as cal/mol"},
      // After three, the rest are counted.
      {"REACTIONS\nUNITS /A/\nUNITS /B/\nUNITS /C/\nUNITS /D/\nUNITS /E/",
       false, EaUnit::kKj,
       "kJ/mol; line 2: \"UNITS /A/\" is not read: the reaction's numbers "
       "are cleaned as the others are, Ea as kJ/mol; line 3: \"UNITS /B/\" "
       "is not read: the reaction's numbers are cleaned as the others are, "
       "Ea as kJ/mol; line 4: \"UNITS /C/\" is not read: the reaction's "
       "numbers are cleaned as the others are, Ea as kJ/mol (and 2 more "
       "UNITS lines)"},
  };
  for (const Case& c : cases) {
    UnitDecision got =
        DecideUnit(ReadReactionsLine(c.text), c.automatic, c.given, "../m.inp");
    EXPECT_EQ(Describe(got), c.want) << c.text;
  }
}

}  // namespace
}  // namespace kestrelon

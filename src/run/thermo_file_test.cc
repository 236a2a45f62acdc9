#include "run/thermo_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

const char* const kEntry =
    "ch4               l 8/88c   1h   4          g   200.000  3500.000  "
    "1000.000    1\n";
const char* const kEntryClean =
    "CH4               L 8/88C   1H   4          G   200.000  3500.000  "
    "1000.000    1\r\n";

TEST(ThermoFileTest, TheDatabaseBetweenThermoAndEnd) {
  struct Case {
    std::string file, cleaned;
  } cases[] = {
      // Lines before THERMO and after END are not part of it; the keyword
      // line loses its option, comments and TABs go, lines are upper case.
      {std::string("! header\nthermo all\n   300.0\t1000.0  5000.0 ! T\n") +
           kEntry + "end\n! trailer\n",
       std::string("THERMO\r\n   300.0 1000.0  5000.0\r\n") + kEntryClean +
           "END\r\n"},
      // ENDOFDATA ends it too, and an empty line inside is kept.
      {std::string("THERMO\n") + kEntry + "\nENDOFDATA\nEND\n",
       std::string("THERMO\r\n") + kEntryClean + "\r\nEND\r\n"},
      // Without THERMO and END: the whole file, closed by END.
      {std::string("   300.0  1000.0  5000.0\r\n") + kEntry,
       std::string("THERMO\r\n   300.0  1000.0  5000.0\r\n") + kEntryClean +
           "END\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanThermoText(c.file), c.cleaned);
}

TEST(ThermoFileTest, AThermoSectionOfItsOwnIsALineBeginningWithTherm) {
  EXPECT_TRUE(HasThermoSection("ELEMENTS\nH\nEND\nthermo all\nEND\n"));
  EXPECT_TRUE(HasThermoSection("THERMO"));
  EXPECT_FALSE(HasThermoSection("ELEMENTS\nH\nEND\n  THERMO\n"));
  EXPECT_FALSE(HasThermoSection("REACTIONS\nA=B 1 0 0 ! thermo\nEND\n"));
}

}  // namespace
}  // namespace kestrelon

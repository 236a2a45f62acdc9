#include "run/thermo_file.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

// A THERMO section is a line that begins with THERM in any case, with
// nothing before it, whatever line end comes before it.
TEST(HasThermoSectionTest, LooksAtTheStartOfEveryLine) {
  struct Case {
    std::string text;
    bool want;
  } cases[] = {
      {"THERMO", true},
      {"ELEMENTS\r\nEND\rtherm all\nEND", true},
      {"REACTIONS\nA=B 1 0 0\n\nThErMo", true},
      {"  THERMO\n\tTHERMO", false},
      {"! THERMO\nA THERMO\nTHER\nTHEMO ALL", false},
      {"TROE/ 1 2 3 /\nT=300\nTHERM", true},
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasThermoSection(c.text), c.want) << c.text;
  }
}

}  // namespace
}  // namespace kestrelon

#include "model/cleaned_file.h"

#include <gtest/gtest.h>

#include "model/run_error.h"

namespace kestrelon {
namespace {

TEST(CleanedFileTest, RefusesWhatIsNotACleanedFileAtItsFirstFault) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"ELEMENTS\nH\nEND\n", "m.rxn: no REACTIONS line"},
      {"REACTIONS\nA<=>B 1.0 0.0 0.0\n",
       "m.rxn:1: this list has no closing END"},
      {"REACTIONS\nA<=>B 1.0 0.0 0.0 5.0\nEND\n",
       "m.rxn:2: a reaction line needs its equation and three numbers (A, n, "
       "Ea)"},
      {"REACTIONS\n\nDUP\nEND\n",
       "m.rxn:3: auxiliary line before the first reaction"},
      // A fault in a line comes before the missing END of its list.
      {"REACTIONS\nA<=>B 1.0 x 0.0\n", "m.rxn:2: n \"x\" is not a number"},
      {"REACTIONS\nA<=>B 1.0 0.0 0.0\nEND\n"
       "****List of non-elementary reactions****\nDUP\n",
       "m.rxn:5: auxiliary line before the first reaction"},
  };
  for (const Case& c : cases) {
    try {
      ReadCleanedFile(c.text, "m.rxn");
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.message);
    }
  }
}

// The species list alone, read as the whole file is read, whatever follows.
TEST(CleanedFileTest, SpeciesOfAFileOutOfLayout) {
  EXPECT_EQ(CleanedSpecies("ELEMENTS\nH O\nEND\n  SPECIES \nH2  O2\t/X\r\n"
                           "OH\nEND\nSPECIES\nN2\nEND\nREACTIONS\nA 1\n"),
            (std::vector<std::string>{"H2", "O2/X", "OH"}));
  EXPECT_TRUE(CleanedSpecies("REACTIONS\nEND\n").empty());
}

}  // namespace
}  // namespace kestrelon

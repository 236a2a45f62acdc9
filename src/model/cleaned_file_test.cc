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
      // A fault in a line comes before the missing END of its list.
      {"REACTIONS\nA<=>B 1.0 x 0.0\n", "m.rxn:2: n \"x\" is not a number"},
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

// The cleaner keeps an auxiliary line with no reaction before it where it
// stood; read back, it belongs to no reaction.
TEST(CleanedFileTest, AuxiliaryLinesBeforeTheFirstReactionBelongToNone) {
  const CleanedFile f = ReadCleanedFile(
      "REACTIONS\n\nDUPLICATE\nA<=>B 1.0 0.0 0.0\nLOW /1 2 3/\nEND\n"
      "****List of non-elementary reactions****\nDUP\nEND\n",
      "m.rxn");
  EXPECT_EQ(f.unattached_aux,
            (std::vector<std::string_view>{"DUPLICATE", "DUP"}));
  ASSERT_EQ(f.reactions.size(), 1u);
  EXPECT_EQ(std::vector<std::string_view>(f.reactions[0].aux_lines.begin(),
                                          f.reactions[0].aux_lines.end()),
            std::vector<std::string_view>{"LOW /1 2 3/"});
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

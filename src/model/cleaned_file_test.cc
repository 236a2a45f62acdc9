#include "model/cleaned_file.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// Files that are not cleaned files: the cleaned_* cases of
// tests/cases/compare.txt.

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

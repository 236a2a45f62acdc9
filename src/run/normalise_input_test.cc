#include "run/normalise_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_ops.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using testing_support::ErrorOf;

class NormaliseInputTest : public testing_support::ScratchRunTest {
 protected:
  // Normalises `input` and returns "tempo.int".
  std::string Normalise(const std::string& input, bool permissive = false) {
    std::string copy;
    endcount_ = NormaliseInput(input, copy, rec_.input, permissive);
    return copy;
  }
  int endcount_ = 0;
};

TEST(LoadedLabelTest, PathsOfFiftyCharactersOrMoreAreShortened) {
  const std::string dir = "/data/" + std::string(20, 'd') + "/";  // 27
  const std::string name49 = std::string(18, 'm') + ".inp";
  EXPECT_EQ(LoadedLabel(dir + name49, 27), "Loaded: " + dir + name49);
  EXPECT_EQ(LoadedLabel(dir + "m" + name49, 27),
            "Loaded: /[...]/mmmmmmmmmmmmmmmmmmm.inp");
}

TEST_F(NormaliseInputTest, LinesAndTheElementsKeyword) {
  struct Case {
    const char *input, *want;
    std::vector<int> origin;
  } cases[] = {
      // Every line end ends a line, and every line gets CR LF.
      {"a\rb\r", "A\r\nB\r\n", {1, 2}},
      {"a\nb", "A\r\nB\r\n", {1, 2}},
      {"a\n\r\nb", "A\r\n\r\nB\r\n", {1, 2, 3}},
      {"a\r\rb\n", "A\r\n\r\nB\r\n", {1, 2, 3}},
      {"a\rb\nc\r\nd\n\re",
       "A\r\nB\r\nC\r\nD\r\n\r\nE\r\n",
       {1, 2, 3, 4, 5, 6}},
      // Tabs become one blank each; bytes outside ASCII stay.
      {"\th2\t\to2 \xe9\xc3\xa9t\r\n", " H2  O2 \xe9\xc3\xa9T\r\n", {1}},
      // The ELEMENTS keyword goes on a line of its own.
      {"elements  \r\nH O\r\nEND\r\n",
       "ELEMENTS\r\n\r\nH O\r\nEND\r\n",
       {1, 1, 2, 3}},
      // Keyword, symbols and END on one line: the blanks around the
      // symbols stay.
      {"  elem h o n ar end\r\n",
       "ELEMENTS\r\n   H O N AR \r\nEND\r\n",
       {1, 1, 1}},
      {"ELEMENTS\tH O\r\nEND\r\n", "ELEMENTS\r\n H O\r\nEND\r\n", {1, 1, 2}},
      // A comment that mentions ELEM is not the keyword line.
      {"! non-elementary at the end\r\nELEM H END\r\n",
       "! NON-ELEMENTARY AT THE END\r\nELEMENTS\r\n H \r\nEND\r\n",
       {1, 2, 2, 2}},
      // END inside the comment of the keyword line does not close the
      // section; the comment stays for the next pass to cut.
      {"ELEM H O ! END\r\nEND\r\n",
       "ELEMENTS\r\n H O ! END\r\nEND\r\n",
       {1, 1, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Normalise(c.input), c.want) << testing::PrintToString(c.input);
    EXPECT_EQ(rec_.input.origin, c.origin) << testing::PrintToString(c.input);
  }
}

// Permissive: the END lines it adds have the input line of the keyword
// line, or of the last line; what is no section line stays. (The forms of
// the section lines: tests/permissive_test.cc.) Lines joined by "|".
TEST_F(NormaliseInputTest, PermissiveSectionLines) {
  struct Case {
    const char *input, *want;
    std::vector<int> origin;
  } cases[] = {
      // No END: the next keyword closes a section, the end of the file the
      // last one.
      {"ELEM H\nSPECIES\nH2\nTHERMO\nH2 DATA\nREACTIONS\nH2=H+H 1 0 0\n",
       "ELEMENTS| H|END|SPECIES|H2|END|THERMO|H2 DATA|END|REACTIONS|"
       "H2=H+H 1 0 0|END",
       {1, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 7}},
      // A line of names may end its section; a reaction line may not.
      {"ELEM\nH O END\nSPEC\nH2 O2\nO END  ! c\nREAC\nH2=END 1 0 0\n",
       "ELEMENTS||H O|END|SPEC|H2 O2|O|END|REAC|H2=END 1 0 0|END",
       {1, 1, 2, 2, 3, 4, 5, 5, 6, 7, 7}},
      // A second SPECIES section goes on with the first, after its END
      // (blank and comment lines between) or inside it; so does a second
      // ELEMENTS section. The names on the keyword lines stay.
      {"ELEM H END\n! c\nELEM O\nEND\nSPEC\nH2\nEND\n! c\n\nSPECIES O2 END\n"
       "SPEC\nH\nSPEC O\nEND\nREAC\n",
       "ELEMENTS| H |! C|O|END|SPEC|H2|! C||O2||H|O|END|REAC|END",
       {1, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 15}},
      // Not after a second END: the section is no longer the one just
      // closed (the strict reading refuses the second SPECIES line).
      {"SPECIES\nH2\nEND\nEND\nSPECIES\nO2\nEND\n",
       "SPECIES|H2|END|END|SPECIES|O2|END",
       {1, 2, 3, 4, 5, 6, 7}},
      // An END with no section open, and lines that only look like one,
      // stay as they are; so does a UTF-8 byte-order mark's line, less it.
      {"\xEF\xBB\xBF END\nEND X\nELEM\nEND\n END\nENDS\n",
       " END|END X|ELEMENTS||END| END|ENDS",
       {1, 2, 3, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    std::string got = Normalise(c.input, true);
    ReplaceAll(got, "\r\n", "|");
    EXPECT_EQ(got, std::string(c.want) + "|")
        << testing::PrintToString(c.input);
    EXPECT_EQ(rec_.input.origin, c.origin) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, CountsOnlyLinesThatReadExactlyEnd) {
  struct Case {
    const char* input;
    int want;
  } cases[] = {
      {"END\r\nEND \r\n END\r\nEND ! closes\r\nEND", 2},
      {"end\r\nEnd\r\nENDS\r\n", 2},
      // The END split off the ELEMENTS line counts.
      {"ELEM H END\r\nSPECIES\r\nH\r\nEND\r\n", 2},
  };
  for (const Case& c : cases) {
    Normalise(c.input);
    EXPECT_EQ(endcount_, c.want) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, CountsAndPathsStopAtTheSixteenBitLimit) {
  std::string input;
  for (int i = 0; i < 32767; ++i) input += "END\n";
  Normalise(input);
  EXPECT_EQ(endcount_, 32767);
  EXPECT_EQ(ErrorOf([&] { Normalise(input + "x\nEND\n"); }),
            "mech.inp:32769: more than 32,767 lines read END");
  Normalise(input + "x\nEND\n", true);
  EXPECT_EQ(endcount_, 32768);

  EXPECT_EQ(SlashPosition("/d/" + std::string(32764, 'a'), "a"), 3);
  EXPECT_EQ(
      ErrorOf(
          [&] { SlashPosition("/" + std::string(32767, 'a'), "mech.inp"); }),
      "mech.inp: the path of the input file is longer than 32,767 characters");
}

}  // namespace
}  // namespace kestrelon

#include "run/normalise_input.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

class NormaliseInputTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "/normalise_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ctx_.vars.inputpath = dir_ + "/mech.inp";
    ctx_.input_name = "mech.inp";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Normalises `input` and returns "tempo.int".
  std::string Normalise(const std::string& input) {
    WriteFile(ctx_.vars.inputpath, input);
    NormaliseInput(ctx_);
    return ReadFile(dir_ + "/tempo.int");
  }

  std::string dir_;
  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_{ui_, table_};
};

TEST_F(NormaliseInputTest, SplitsThePathAndShowsTheLoadedFile) {
  Normalise("END\r\n");
  EXPECT_EQ(ctx_.vars.inputdir, dir_ + "/");
  EXPECT_EQ(ctx_.vars.slashpos, static_cast<int>(dir_.size()) + 1);
  EXPECT_EQ(ctx_.vars.tempopath, dir_ + "/tempo.int");
  const std::string want_label = ctx_.vars.inputpath.size() >= 50
                                     ? "Loaded: /[...]/mech.inp"
                                     : "Loaded: " + ctx_.vars.inputpath;
  EXPECT_EQ(ui_.loaded_label, want_label);
}

TEST(LoadedLabelTest, PathsOfFiftyCharactersOrMoreAreShortened) {
  // "/data/" + 20 "d" + "/" is 27 characters.
  const std::string dir = "/data/" + std::string(20, 'd') + "/";
  const int slashpos = 27;
  const std::string name49 = std::string(18, 'm') + ".inp";  // 22 characters
  const std::string name50 = std::string(19, 'm') + ".inp";  // 23 characters
  ASSERT_EQ((dir + name49).size(), 49u);
  ASSERT_EQ((dir + name50).size(), 50u);
  EXPECT_EQ(LoadedLabel(dir + name49, slashpos), "Loaded: " + dir + name49);
  EXPECT_EQ(LoadedLabel(dir + name50, slashpos),
            "Loaded: /[...]/mmmmmmmmmmmmmmmmmmm.inp");
  EXPECT_EQ(LoadedLabel("/m.inp", 1), "Loaded: /m.inp");
}

TEST_F(NormaliseInputTest, EveryLineEndEndsALineAndEveryLineGetsCrLf) {
  struct Case {
    const char* input;
    const char* want;
    std::vector<int> origin;
  } cases[] = {
      {"a\r\nb\r\n", "A\r\nB\r\n", {1, 2}},
      {"a\rb\r", "A\r\nB\r\n", {1, 2}},
      {"a\nb\n", "A\r\nB\r\n", {1, 2}},
      {"a\r\nb", "A\r\nB\r\n", {1, 2}},
      {"a\n\r\nb", "A\r\n\r\nB\r\n", {1, 2, 3}},
      {"a\r\rb\n", "A\r\n\r\nB\r\n", {1, 2, 3}},
      {"", "", {}},
      {"\r\n", "\r\n", {1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Normalise(c.input), c.want) << testing::PrintToString(c.input);
    EXPECT_EQ(ctx_.origin, c.origin) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, UpperCasesAsciiAndTurnsEachTabIntoOneBlank) {
  struct Case {
    const char* input;
    const char* want;
  } cases[] = {
      {"h2\to2\r\n", "H2 O2\r\n"},
      {"h2\t\to2\r\n", "H2  O2\r\n"},
      {"\th2 \t\r\n", " H2  \r\n"},
      // Bytes outside ASCII are left alone.
      {"caf\xe9 \xc3\xa9t\xc3\xa9\r\n", "CAF\xe9 \xc3\xa9T\xc3\xa9\r\n"},
      {"  keep   blanks  \r\n", "  KEEP   BLANKS  \r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Normalise(c.input), c.want) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, PutsTheElementsKeywordOnALineOfItsOwn) {
  struct Case {
    const char* input;
    const char* want;
    std::vector<int> origin;
  } cases[] = {
      {"elements\r\nH O\r\nEND\r\n",
       "ELEMENTS\r\n\r\nH O\r\nEND\r\n",
       {1, 1, 2, 3}},
      {"ELEMENTS  \r\nH\r\nEND\r\n",
       "ELEMENTS\r\n\r\nH\r\nEND\r\n",
       {1, 1, 2, 3}},
      {"ELEM\r\n", "ELEMENTS\r\n\r\n", {1, 1}},
      // Keyword, symbols and END on one line: the blanks around the symbols
      // stay.
      {"ELEM H O N AR END\r\n", "ELEMENTS\r\n H O N AR \r\nEND\r\n", {1, 1, 1}},
      {"elements h o end\r\nSPECIES\r\n",
       "ELEMENTS\r\n H O \r\nEND\r\nSPECIES\r\n",
       {1, 1, 1, 2}},
      // Symbols on the keyword line, END on a later one: the symbols keep
      // their blanks on a line of their own.
      {"ELEMENTS H O N AR\r\nEND\r\n",
       "ELEMENTS\r\n H O N AR\r\nEND\r\n",
       {1, 1, 2}},
      {"ELEMENTS\tH\tO\r\nEND\r\n", "ELEMENTS\r\n H O\r\nEND\r\n", {1, 1, 2}},
      // Blanks in front of the keyword do not hide it.
      {"  elem h o end\r\n", "ELEMENTS\r\n   H O \r\nEND\r\n", {1, 1, 1}},
      // A comment that mentions ELEM is not the keyword line.
      {"! non-elementary reactions at the end\r\nELEMENTS\r\nH\r\nEND\r\n",
       "! NON-ELEMENTARY REACTIONS AT THE END\r\nELEMENTS\r\n\r\nH\r\nEND\r\n",
       {1, 2, 2, 3, 4}},
      {"h2 ! elementary\r\nELEM H END\r\n",
       "H2 ! ELEMENTARY\r\nELEMENTS\r\n H \r\nEND\r\n",
       {1, 2, 2, 2}},
      // END inside the comment of the keyword line does not close the
      // section; the comment stays for the next pass to cut.
      {"ELEM H O ! END\r\nEND\r\n",
       "ELEMENTS\r\n H O ! END\r\nEND\r\n",
       {1, 1, 2}},
      {"ELEMENTS ! END\r\nH\r\nEND\r\n",
       "ELEMENTS\r\n! END\r\nH\r\nEND\r\n",
       {1, 1, 2, 3}},
      {"ELEM H END ! the end\r\n",
       "ELEMENTS\r\n H  ! THE END\r\nEND\r\n",
       {1, 1, 1}},
      // Only the first keyword line is rewritten.
      {"ELEMENTS\r\nEND\r\nELEMENTS H\r\n",
       "ELEMENTS\r\n\r\nEND\r\nELEMENTS H\r\n",
       {1, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Normalise(c.input), c.want) << testing::PrintToString(c.input);
    EXPECT_EQ(ctx_.origin, c.origin) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, CountsOnlyLinesThatReadExactlyEnd) {
  struct Case {
    const char* input;
    int want;
  } cases[] = {
      {"END\r\nEND\r\nEND\r\n", 3},
      {"END \r\n END\r\nEND ! closes\r\nEND\r\n", 1},
      {"end\r\nEnd\r\n", 2},
      {"ENDS\r\nEN\r\n", 0},
      // The END split off the ELEMENTS line counts.
      {"ELEM H END\r\nSPECIES\r\nH\r\nEND\r\n", 2},
      {"END", 1},
      {"", 0},
  };
  for (const Case& c : cases) {
    Normalise(c.input);
    EXPECT_EQ(ctx_.vars.endcount, c.want) << testing::PrintToString(c.input);
  }
}

TEST_F(NormaliseInputTest, EndCountStopsAtTheSixteenBitLimit) {
  std::string input;
  for (int i = 0; i < 32767; ++i) input += "END\n";
  Normalise(input);
  EXPECT_EQ(ctx_.vars.endcount, 32767);

  input += "x\nEND\n";
  try {
    Normalise(input);
    FAIL() << "no error for 32,768 END lines";
  } catch (const RunError& e) {
    EXPECT_EQ(e.Describe(), "mech.inp:32769: more than 32,767 lines read END");
  }
}

TEST_F(NormaliseInputTest, RefusesAPathLongerThanTheSixteenBitLimit) {
  ctx_.vars.inputpath = "/" + std::string(32766, 'a');  // 32,767 characters
  EXPECT_THROW(NormaliseInput(ctx_), RunError);         // cannot be opened
  EXPECT_EQ(ctx_.vars.slashpos, 1);

  ctx_.vars.inputpath = "/" + std::string(32767, 'a');
  try {
    NormaliseInput(ctx_);
    FAIL() << "no error for a path of 32,768 characters";
  } catch (const RunError& e) {
    EXPECT_EQ(e.reason(),
              "the path of the input file is longer than 32,767 characters");
  }
}

TEST_F(NormaliseInputTest, AMissingInputFileFailsTheRun) {
  ctx_.vars.inputpath = dir_ + "/absent.inp";
  EXPECT_THROW(NormaliseInput(ctx_), RunError);
  EXPECT_FALSE(FileExists(dir_ + "/tempo.int"));
}

}  // namespace
}  // namespace kestrelon

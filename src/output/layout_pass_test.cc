#include "output/layout_pass.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/run_error.h"
#include "platform/scripted_ui.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class LayoutPassTest : public testing::Test {
 protected:
  LayoutPassTest() : ctx_(ui_, table_) {
    char pattern[] = "/tmp/kestrelon_layout_XXXXXX";
    dir_ = ::mkdtemp(pattern);
    ctx_.vars.inputdir = dir_ + "/";
    ctx_.unit = EaUnit::kCal;
  }
  ~LayoutPassTest() override { std::filesystem::remove_all(dir_); }

  // Lays out a file holding `lines` for `unit` and returns its new text.
  std::string LayOut(const std::vector<std::string>& lines, OutUnit unit) {
    WriteFile(path(), Lines(lines));
    LayOutFile(ctx_, path(), unit);
    return ReadFile(path());
  }
  std::string path() const { return dir_ + "/mechj.rxn"; }

  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_;
  std::string dir_;
};

const std::vector<std::string> kHead = {"ELEMENTS", "H   O",           "END",
                                        "SPECIES",  "H   O2   OH   O", "END",
                                        "REACTIONS"};

std::vector<std::string> WithHead(std::vector<std::string> rest) {
  std::vector<std::string> all = kHead;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

TEST_F(LayoutPassTest, KeywordLinesInTheThreeFilesOfACalorieRun) {
  const std::string reaction = "H+O2<=>O+OH 3.547E+15 -0.4060 16599.0";
  struct Case {
    OutUnit unit;
    const char* low;
    const char* rev;
  } cases[] = {
      {OutUnit::kJoule, "LOW /1.040E+26 -2.7600 6694.4/",
       "O+OH<=>H+O2 1.000E+13 0.0000 2928.8"},
      {OutUnit::kCalorie, "LOW /1.040E+26 -2.7600 1600.0/",
       "O+OH<=>H+O2 1.000E+13 0.0000 700.0"},
      {OutUnit::kKelvin, "LOW /1.040E+26 -2.7600 805.2/",
       "O+OH<=>H+O2 1.000E+13 0.0000 352.3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.unit));
    EXPECT_EQ(LayOut(WithHead({"H+O+M<=>OH+M 1.0E+10 0.0 0.0",
                               "LOW / 1.04E+26 -2.76 1600.0 /", reaction,
                               "REV / 1.0E+13 0.0 700.0 /", "END"}),
                     c.unit),
              Lines(WithHead({"H+O+M<=>OH+M 1.0E+10 0.0 0.0", c.low, reaction,
                              c.rev, "END"})));
  }
  EXPECT_FALSE(FileExists(ctx_.WorkPath(kTempo3)));
  EXPECT_TRUE(ui_.log.empty());
}

TEST_F(LayoutPassTest, KeywordLineForms) {
  struct Case {
    const char* line;
    const char* want;  // calorie file of a calorie run
  } cases[] = {
      // Blanks around the slashes or none give the same line.
      {"LOW/1.04E+26 -2.76 1600.0/", "LOW /1.040E+26 -2.7600 1600.0/"},
      {"LOW  /  1.04E+26  -2.76  1600.0  /", "LOW /1.040E+26 -2.7600 1600.0/"},
      // The closing slash is supplied.
      {"HIGH / 1.0E+14 0.0 500.0", "HIGH /1.000E+14 0.0000 500.0/"},
      {"HIGH/1.0E+14 0.0 500.0", "HIGH /1.000E+14 0.0000 500.0/"},
      // Text after the closing slash is dropped.
      {"LOW / 1.04E+26 -2.76 1600.0 / TROE / 0.5 100 1000 /",
       "LOW /1.040E+26 -2.7600 1600.0/"},
      // Three blanks before the closing slash leave one, and an empty third
      // value, which reads as zero.
      {"LOW / 2.0 1.0   /", "LOW /2.000E+00 1.0000 0.0/"},
      // Values that hold no number print as zero.
      {"HIGH / X Y Z /", "HIGH /0.000E+00 0.0000 0.0/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayOut(WithHead({c.line, "END"}), OutUnit::kCalorie),
              Lines(WithHead({c.want, "END"})))
        << c.line;
  }
}

TEST_F(LayoutPassTest, FourthValueJoinsTheThird) {
  ctx_.patterns.ea = NumberPattern{false, 2};
  EXPECT_EQ(LayOut(WithHead({"LOW / 1.04E+26 -2.76 1600.0 5.0 /", "END"}),
                   OutUnit::kCalorie),
            Lines(WithHead({"LOW /1.040E+26 -2.7600 1600.05/", "END"})));
}

TEST_F(LayoutPassTest, PatternsAndInputUnitsOfTheRun) {
  ctx_.patterns = {NumberPattern{true, 1}, NumberPattern{false, 2},
                   NumberPattern{false, 0}};
  struct Case {
    EaUnit from;
    OutUnit to;
    const char* want;
  } cases[] = {
      // 10 kJ/mol: 10000 J/mol, 2390.06 cal/mol, 1202.73 K.
      {EaUnit::kKj, OutUnit::kJoule, "LOW /1.0E+10 -1.50 10000/"},
      {EaUnit::kKj, OutUnit::kCalorie, "LOW /1.0E+10 -1.50 2390/"},
      {EaUnit::kKj, OutUnit::kKelvin, "LOW /1.0E+10 -1.50 1203/"},
      // 10 K: 83.144 J/mol, 19.872 cal/mol.
      {EaUnit::kKelvin, OutUnit::kJoule, "LOW /1.0E+10 -1.50 83/"},
      {EaUnit::kKelvin, OutUnit::kCalorie, "LOW /1.0E+10 -1.50 20/"},
      {EaUnit::kKelvin, OutUnit::kKelvin, "LOW /1.0E+10 -1.50 10/"},
  };
  for (const Case& c : cases) {
    ctx_.unit = c.from;
    EXPECT_EQ(LayOut(WithHead({"LOW / 1.0E10 -1.5 10.0 /", "END"}), c.to),
              Lines(WithHead({c.want, "END"})))
        << c.want;
  }
}

TEST_F(LayoutPassTest, OtherLinesAreCopiedByteForByte) {
  const std::vector<std::string> lines = WithHead({
      "H+O2+(M)<=>HO2+(M) 4.650E+12 0.4400 0.0",
      "TROE /0.5 1E-30 1E+30/",
      "SRI / 0.45 797 979 /",
      "H2O/12.0/ H2/2.0/",
      "DUP",
      "",
      "END",
  });
  EXPECT_EQ(LayOut(lines, OutUnit::kKelvin), Lines(lines));
}

TEST_F(LayoutPassTest, NamesHoldingTheKeywordsAreNoKeywordLines) {
  const std::vector<std::string> lines = {
      "ELEMENTS",
      "H   O",
      "END",
      "SPECIES",
      "LOW   HIGH   REV   CH2LOW",
      "REV",
      "END",
      "REACTIONS",
      "CH2LOW+H<=>HIGHX+REVO 1.000E+13 0.0000 0.0",
      "LOWER+REV<=>HIGH 1.000E+13 0.0000 0.0",
      "LOW+H<=>HIGH+O 1.000E+13 0.0000 0.0",
      "REVERSE/2.0/ LOWH/3.0/",
      "END",
  };
  EXPECT_EQ(LayOut(lines, OutUnit::kJoule), Lines(lines));
}

TEST_F(LayoutPassTest, ListAfterTheReactionSectionIsLaidOut) {
  EXPECT_EQ(LayOut(WithHead({"END", "****List of non-elementary reactions****",
                             "A+B+C+D<=>E 1.000E+13 0.0000 4184.0",
                             "LOW / 1.0 2.0 1000.0 /",
                             "A+B+C+D<=>F 1.000E+13 0.0000 4184.0",
                             "REV / 1.0 2.0 1000.0 /"}),
                   OutUnit::kJoule),
            Lines(WithHead({"END", "****List of non-elementary reactions****",
                            "A+B+C+D<=>E 1.000E+13 0.0000 4184.0",
                            "LOW /1.000E+00 2.0000 4184.0/",
                            "A+B+C+D<=>F 1.000E+13 0.0000 4184.0",
                            "F<=>A+B+C+D 1.000E+00 2.0000 4184.0"})));
}

TEST_F(LayoutPassTest, FailuresNameTheFileAndLineAndKeepTheFile) {
  struct Case {
    std::vector<std::string> rest;
    int line;
    const char* reason;
  } cases[] = {
      {{"A+B<=>C 1.0 0.0 0.0", "LOW", "END"},
       9,
       "keyword line without its /A n Ea/ block"},
      {{"A+B<=>C 1.0 0.0 0.0", "HIGH 1.0 2.0 3.0", "END"},
       9,
       "keyword line without its /A n Ea/ block"},
      {{"A+B<=>C 1.0 0.0 0.0", "LOW / 1.0 2.0 /", "END"},
       9,
       "keyword line needs three values A, n and Ea between its slashes"},
      {{"A+B<=>C 1.0 0.0 0.0", "LOW //", "END"},
       9,
       "keyword line needs three values A, n and Ea between its slashes"},
      {{"A+B=>C 1.0 0.0 0.0", "REV / 1.0 0.0 0.0 /", "END"},
       9,
       "REV line after an irreversible reaction (\"=>\"): only a reversible "
       "reaction can have explicit reverse parameters"},
      {{"A+B<=>C 1.0 0.0 0.0", "DUP", "REV / 1.0 0.0 0.0 /", "END"},
       10,
       "REV line does not follow its reaction line"},
      {{"REV / 1.0 0.0 0.0 /", "END"},
       8,
       "REV line does not follow its reaction line"},
      {{"A+B<=>C 1.0 0.0 0.0", "LOW / 1E400 0.0 0.0 /", "END"},
       9,
       "number out of range"},
      {{"A+B<=>C 1.0 0.0 0.0", "LOW / 1.0 0.0 1E308 /", "END"},
       9,
       "number out of range"},
  };
  for (const Case& c : cases) {
    const std::string before = Lines(WithHead(c.rest));
    WriteFile(path(), before);
    try {
      LayOutFile(ctx_, path(), OutUnit::kJoule);
      ADD_FAILURE() << "no failure for line " << c.line;
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), c.reason);
      EXPECT_EQ(e.file(), path());
      EXPECT_EQ(e.line(), c.line);
    }
    EXPECT_EQ(ReadFile(path()), before);
  }
}

TEST_F(LayoutPassTest, MissingFileIsAFailureNamingIt) {
  try {
    LayOutFile(ctx_, dir_ + "/none.rxn", OutUnit::kJoule);
    ADD_FAILURE() << "no failure";
  } catch (const RunError& e) {
    EXPECT_EQ(e.file(), dir_ + "/none.rxn");
  }
}

}  // namespace
}  // namespace kestrelon

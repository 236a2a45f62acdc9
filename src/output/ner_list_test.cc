#include "output/ner_list.h"

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

class NerListTest : public testing::Test {
 protected:
  NerListTest() : ctx_(ui_, table_) {
    char pattern[] = "/tmp/kestrelon_ner_XXXXXX";
    dir_ = ::mkdtemp(pattern);
    ctx_.vars.inputdir = dir_ + "/";
    ctx_.vars.outpathj = dir_ + "/mj.rxn";
    ctx_.vars.outpathcal = dir_ + "/mcal.rxn";
    ctx_.vars.outpathk = dir_ + "/mkelvin.rxn";
    ctx_.input_name = "mech.inp";
    ctx_.unit = EaUnit::kKcal;
  }
  ~NerListTest() override { std::filesystem::remove_all(dir_); }

  // Row 1 "REACTIONS", then `rows` in the line column, then row "END";
  // table row r came from input line r + 20.
  void Load(const std::vector<std::string>& rows) {
    table_.Set(1, 1, "REACTIONS");
    int r = 2;
    for (const std::string& row : rows) table_.Set(r++, 1, row);
    table_.Set(r, 1, "END");
    ctx_.vars.index.reacrow = 1;
    ctx_.vars.index.reacend = static_cast<int16_t>(r);
    ctx_.origin.clear();
    for (int i = 1; i <= r; ++i) ctx_.origin.push_back(i + 20);
  }
  std::vector<std::string> LineColumn() const {
    std::vector<std::string> cells;
    for (int r = 2; r < ctx_.vars.index.reacend; ++r) {
      cells.push_back(table_.Get(r, 1));
    }
    return cells;
  }
  std::string Work(const char* name) const {
    return ReadFile(ctx_.WorkPath(name));
  }

  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_;
  std::string dir_;
};

TEST_F(NerListTest, NoNonElementaryReaction) {
  Load({"A+B<=>C+D 1.0 0 0", "#DATAUX#DUP"});
  TakeOutNonElementary(ctx_);
  EXPECT_EQ(ctx_.nercount, 0);
  for (const char* w : {kTempo4, kTempo5, kTempo6}) EXPECT_EQ(Work(w), "");
  EXPECT_EQ(LineColumn(),
            (std::vector<std::string>{"A+B<=>C+D 1.0 0 0", "#DATAUX#DUP"}));

  for (const std::string* p :
       {&ctx_.vars.outpathj, &ctx_.vars.outpathcal, &ctx_.vars.outpathk}) {
    WriteFile(*p, "END\r\n");
  }
  AppendNonElementaryList(ctx_);
  EXPECT_EQ(ReadFile(ctx_.vars.outpathj), "END\r\n");
  EXPECT_EQ(ReadFile(ctx_.vars.outpathk), "END\r\n");
  for (const char* w : {kTempo4, kTempo5, kTempo6}) {
    EXPECT_FALSE(FileExists(ctx_.WorkPath(w)));
  }
}

TEST_F(NerListTest, ReactionLinePrintedInTheThreeUnits) {
  Load({"#NER#A+B+C+D<=>E+F 1.0E13 0 10"});
  TakeOutNonElementary(ctx_);
  EXPECT_EQ(ctx_.nercount, 1);
  EXPECT_EQ(Work(kTempo4), "A+B+C+D<=>E+F 1.000E+13 0.0000 41840.0\r\n");
  EXPECT_EQ(Work(kTempo5), "A+B+C+D<=>E+F 1.000E+13 0.0000 10000.0\r\n");
  EXPECT_EQ(Work(kTempo6), "A+B+C+D<=>E+F 1.000E+13 0.0000 5032.2\r\n");
  EXPECT_EQ(LineColumn(), std::vector<std::string>{""});
}

TEST_F(NerListTest, BlocksWithAuxiliaryLines) {
  ctx_.unit = EaUnit::kCal;
  Load({
      "A+B<=>C 1.0 0 0",
      "#NER#A+B+C+D|=>E 2.0E12 1.5 1000",
      "#DATAUX#TROE /0.5;100;1000/",
      "#DATAUX#H2O/6.0/ CO/1.5/",
      "#NER#A+B+C+(M)<=>D+(M) 3.0E11 -1 0",
      "#DATAUX#LOW /1.0 2.0 500.0/",
      "F+G<=>H 1.0 0 0",
      "#DATAUX#DUP",
      "#NER#A<=>B+C+D+E 1.0 0 -2000",
      "#DATAUX#REV /1.0 0 0/",
      "#DATAUX#DUP",
  });
  TakeOutNonElementary(ctx_);
  EXPECT_EQ(ctx_.nercount, 3);
  const std::vector<std::string> aux1 = {"TROE /0.5,100,1000/",
                                         "H2O/6.0/ CO/1.5/"};
  EXPECT_EQ(Work(kTempo4), Lines({
                               "A+B+C+D=>E 2.000E+12 1.5000 4184.0",
                               aux1[0],
                               aux1[1],
                               "A+B+C(+M)<=>D(+M) 3.000E+11 -1.0000 0.0",
                               "LOW /1.0 2.0 500.0/",
                               "A<=>B+C+D+E 1.000E+00 0.0000 -8368.0",
                               "REV /1.0 0 0/",
                               "DUP",
                           }));
  EXPECT_EQ(Work(kTempo5), Lines({
                               "A+B+C+D=>E 2.000E+12 1.5000 1000.0",
                               aux1[0],
                               aux1[1],
                               "A+B+C(+M)<=>D(+M) 3.000E+11 -1.0000 0.0",
                               "LOW /1.0 2.0 500.0/",
                               "A<=>B+C+D+E 1.000E+00 0.0000 -2000.0",
                               "REV /1.0 0 0/",
                               "DUP",
                           }));
  // 1000 / 1.9872 = 503.22, 2000 / 1.9872 = 1006.44.
  EXPECT_EQ(Work(kTempo6), Lines({
                               "A+B+C+D=>E 2.000E+12 1.5000 503.2",
                               aux1[0],
                               aux1[1],
                               "A+B+C(+M)<=>D(+M) 3.000E+11 -1.0000 0.0",
                               "LOW /1.0 2.0 500.0/",
                               "A<=>B+C+D+E 1.000E+00 0.0000 -1006.4",
                               "REV /1.0 0 0/",
                               "DUP",
                           }));
  // Every row of a block is emptied; the other rows and END stay.
  EXPECT_EQ(LineColumn(), (std::vector<std::string>{
                              "A+B<=>C 1.0 0 0", "", "", "", "", "",
                              "F+G<=>H 1.0 0 0", "#DATAUX#DUP", "", "", ""}));
  EXPECT_EQ(table_.Get(ctx_.vars.index.reacend, 1), "END");
}

TEST_F(NerListTest, EmptyAuxiliaryRowGivesNoLine) {
  // A line of blanks in the input reaches the table as an empty auxiliary
  // row; the list leaves it out like the main part of the files does.
  Load({"#NER#A+B+C+D<=>E 1 0 1", "#DATAUX#", "#DATAUX#DUP", "F<=>G 1 0 0"});
  TakeOutNonElementary(ctx_);
  EXPECT_EQ(Work(kTempo5),
            Lines({"A+B+C+D<=>E 1.000E+00 0.0000 1000.0", "DUP"}));
  EXPECT_EQ(LineColumn(),
            (std::vector<std::string>{"", "", "", "F<=>G 1 0 0"}));
}

TEST_F(NerListTest, TwoInARowAreListedInTableOrder) {
  Load({"#NER#A+B+C+D<=>E 1 0 1", "#NER#E<=>A+B+C+D 2 0 2"});
  TakeOutNonElementary(ctx_);
  EXPECT_EQ(ctx_.nercount, 2);
  EXPECT_EQ(Work(kTempo5), Lines({"A+B+C+D<=>E 1.000E+00 0.0000 1000.0",
                                  "E<=>A+B+C+D 2.000E+00 0.0000 2000.0"}));
}

TEST_F(NerListTest, AppendWritesHeadingAndListAfterTheFile) {
  Load({"#NER#A+B+C+D<=>E+F 1.0E13 0 10", "#DATAUX#DUP"});
  TakeOutNonElementary(ctx_);
  WriteFile(ctx_.vars.outpathj, "REACTIONS\r\nEND\r\n");
  WriteFile(ctx_.vars.outpathcal, "REACTIONS\r\nEND\r\n");
  WriteFile(ctx_.vars.outpathk, "REACTIONS\r\nEND\r\n");
  AppendNonElementaryList(ctx_);
  EXPECT_EQ(
      ReadFile(ctx_.vars.outpathj),
      Lines({"REACTIONS", "END", "****List of non-elementary reactions****",
             "A+B+C+D<=>E+F 1.000E+13 0.0000 41840.0", "DUP"}));
  EXPECT_EQ(
      ReadFile(ctx_.vars.outpathcal),
      Lines({"REACTIONS", "END", "****List of non-elementary reactions****",
             "A+B+C+D<=>E+F 1.000E+13 0.0000 10000.0", "DUP"}));
  EXPECT_EQ(
      ReadFile(ctx_.vars.outpathk),
      Lines({"REACTIONS", "END", "****List of non-elementary reactions****",
             "A+B+C+D<=>E+F 1.000E+13 0.0000 5032.2", "DUP"}));
  for (const char* w : {kTempo4, kTempo5, kTempo6}) {
    EXPECT_FALSE(FileExists(ctx_.WorkPath(w)));
  }
}

TEST_F(NerListTest, FailuresNameTheInputLine) {
  struct Case {
    std::vector<std::string> rows;
    int line;
    const char* reason;
  } cases[] = {
      {{"A+B<=>C 1 0 0", "#NER#A+B+C+D<=>E 1.0E13 0"},
       23,
       "non-elementary reaction without its three coefficients A, n and Ea"},
      {{"#NER#A+B+C+D<=>E"},
       22,
       "non-elementary reaction without its three coefficients A, n and Ea"},
      {{"#NER#A+B+C+D<=>E 1E400 0 0"}, 22, "number out of range"},
      {{"#NER#A+B+C+D<=>E 1 0 1E306"}, 22, "number out of range"},
  };
  ctx_.unit = EaUnit::kKj;
  for (const Case& c : cases) {
    Load(c.rows);
    try {
      TakeOutNonElementary(ctx_);
      ADD_FAILURE() << "no failure for " << c.rows.back();
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), c.reason);
      EXPECT_EQ(e.file(), "mech.inp");
      EXPECT_EQ(e.line(), c.line);
    }
  }
}

}  // namespace
}  // namespace kestrelon

#include "run/extract_thermo.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "platform/text_file.h"
#include "run/normalise_input.h"
#include "run/tag_sections.h"

namespace kestrelon {
namespace {

const char kPrompt[] =
    "A thermodynamic database is present in your file;\r\n"
    "it will be copied to a new separate file.\r\n"
    "What do you want to call this file?\r\n"
    "\r\n"
    "Reminder... A filename cannot contain any of the following "
    "characters:\r\n"
    "\\/:*?<>|\"";

class ExtractThermoTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "/thermo_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ctx_.vars.inputpath = dir_ + "/mech.inp";
    ctx_.vars.inputdir = dir_ + "/";
    ctx_.vars.tempopath = dir_ + "/tempo.int";
    ctx_.input_name = "mech.inp";
    ctx_.thermoext = "dat";
    WriteFile(ctx_.vars.inputpath, "the input\r\n");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Writes "tempo2.int" from `lines`, which came from input lines 101, 102,
  // ...
  void WriteTagged(const std::vector<std::string>& lines) {
    LineBuffer text;
    ctx_.origin.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
      text.Add(lines[i]);
      ctx_.origin.push_back(101 + static_cast<int>(i));
    }
    WriteFile(dir_ + "/tempo2.int", text.text());
  }

  std::string Read(const std::string& name) {
    return ReadFile(dir_ + "/" + name);
  }

  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_;
  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_{ui_, table_};
};

TEST_F(ExtractThermoTest, CopyDropsEmptyLinesAndHoldsCommasAsSemicolons) {
  WriteTagged({
      "ELEMENTS",    // 101
      "",            // 102
      "H O",         // 103
      "END",         // 104
      "   ",         // 105: blanks are not empty
      "LOW/1,2,3/",  // 106
      "A,,B",        // 107
      "",            // 108
  });
  CopyWithoutThermo(ctx_);
  EXPECT_EQ(Read("tempo3.int"),
            "ELEMENTS\r\nH O\r\nEND\r\n   \r\nLOW/1;2;3/\r\nA;;B\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{101, 103, 104, 105, 106, 107}));
  EXPECT_TRUE(ui_.log.empty());
}

TEST_F(ExtractThermoTest, SplitsOffTheThermoSectionWithItsEmptyLines) {
  WriteTagged({
      "ELEMENTS",                        // 101
      "H O",                             // 102
      "END",                             // 103
      "",                                // 104
      "THERMO",                          // 105
      "   300.000  1000.000  5000.000",  // 106
      "H2  1,2",                         // 107
      "",                                // 108
      "END",                             // 109
      "REACTIONS",                       // 110
      "H+O2=OH+O 1,2 3",                 // 111
      "",                                // 112
      "END",                             // 113
  });
  ui_.answers = {"therm"};
  ExtractThermo(ctx_);

  EXPECT_EQ(Read("therm.dat"),
            "THERMO\r\n   300.000  1000.000  5000.000\r\nH2  1,2\r\n\r\n"
            "END\r\n");
  EXPECT_EQ(
      Read("tempo3.int"),
      "ELEMENTS\r\nH O\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1;2 3\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{101, 102, 103, 110, 111, 113}));
  EXPECT_EQ(ctx_.thermoname, "therm");
  EXPECT_EQ(ctx_.vars.thermopath, dir_ + "/therm.dat");
  EXPECT_EQ(ui_.log, (std::vector<std::string>{
                         "status Thermo Section...",
                         std::string("ask Kestrelon|") + kPrompt,
                         "repaint",
                         "repaint",
                         "progress 30",
                         "status In progress...",
                     }));
}

TEST_F(ExtractThermoTest, AsksAgainUntilANameIsGivenAndCleansIt) {
  WriteTagged({"THERMO", "END", "REACTIONS", "END"});
  ui_.answers = {"", "", "a.b"};
  ExtractThermo(ctx_);
  EXPECT_EQ(ui_.log, (std::vector<std::string>{
                         "status Thermo Section...",
                         std::string("ask Kestrelon|") + kPrompt,
                         "message Kestrelon|You did not enter a name!|none",
                         std::string("ask Kestrelon|") + kPrompt,
                         "message Kestrelon|You did not enter a name!|none",
                         std::string("ask Kestrelon|") + kPrompt,
                         "repaint",
                         "repaint",
                         "progress 30",
                         "status In progress...",
                     }));
  EXPECT_EQ(ctx_.thermoname, "axb");
  EXPECT_EQ(ctx_.vars.thermopath, dir_ + "/axb.dat");
  // A section on the first line: nothing comes before it.
  EXPECT_EQ(Read("axb.dat"), "THERMO\r\nEND\r\n");
  EXPECT_EQ(Read("tempo3.int"), "REACTIONS\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{103, 104}));
}

TEST_F(ExtractThermoTest, RefusesNamesThatWouldOverwriteTheRunsOwnFiles) {
  struct Case {
    const char* ext;
    const char* refused;
    const char* message;
  } cases[] = {
      {"inp", "mech", "This name would overwrite the input file."},
      {"int", "tempo", "This name would overwrite a working file of the run."},
      {"int", "tempo3", "This name would overwrite a working file of the run."},
  };
  for (const Case& c : cases) {
    ui_.log.clear();
    ui_.messages.clear();
    ctx_.thermoext = c.ext;
    WriteTagged({"THERMO", "END"});
    ui_.answers = {c.refused, "db"};
    ExtractThermo(ctx_);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{c.message}) << c.refused;
    EXPECT_EQ(ctx_.vars.thermopath, dir_ + "/db." + c.ext);
    EXPECT_EQ(Read("mech.inp"), "the input\r\n");
  }
}

TEST_F(ExtractThermoTest, OnlyTheFirstSectionIsExtracted) {
  WriteTagged({"THERMO", "A,1", "END", "THERMO", "B,2", "END"});
  ui_.answers = {"t"};
  ExtractThermo(ctx_);
  EXPECT_EQ(Read("t.dat"), "THERMO\r\nA,1\r\nEND\r\n");
  EXPECT_EQ(Read("tempo3.int"), "THERMO\r\nB;2\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{104, 105, 106}));
}

TEST_F(ExtractThermoTest, ASectionWithoutEndFailsBeforeAskingOrWriting) {
  for (bool check_only : {false, true}) {
    ctx_.check_only = check_only;
    WriteTagged({"ELEMENTS", "END", "THERMO", "H2 1", "", "REACTIONS"});
    ui_.answers = {"t"};
    ui_.log.clear();
    try {
      ExtractThermo(ctx_);
      FAIL() << "no error for a THERMO section without END";
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), "mech.inp:103: THERMO section has no END line");
    }
    EXPECT_EQ(ui_.log, std::vector<std::string>{"status Thermo Section..."});
    EXPECT_EQ(Files(), (std::vector<std::string>{"mech.inp", "tempo2.int"}));
  }
}

TEST_F(ExtractThermoTest, CheckOnlyAsksNothingAndWritesNoDatabase) {
  ctx_.check_only = true;
  WriteTagged({"ELEMENTS", "END", "THERMO", "X,Y", "END", "REACTIONS", "END"});
  ExtractThermo(ctx_);
  EXPECT_TRUE(ui_.prompts.empty());
  EXPECT_EQ(ctx_.vars.thermopath, "");
  EXPECT_EQ(Files(),
            (std::vector<std::string>{"mech.inp", "tempo2.int", "tempo3.int"}));
  EXPECT_EQ(Read("tempo3.int"), "ELEMENTS\r\nEND\r\nREACTIONS\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{101, 102, 106, 107}));
  EXPECT_EQ(ui_.progress, 30);
  EXPECT_EQ(ui_.status, "In progress...");
}

// The three passes one after the other, from the input file to the lines the
// table loads, with the input line of every row.
TEST_F(ExtractThermoTest, InputPassesTakeAMechanismToItsTableLines) {
  const char input[] =
      "! test mechanism\n"                                            // 1
      "elements h o n ar end\n"                                       // 2
      "species\th2 o2\th2o   ! main species\n"                        // 3
      "n2 ar\n"                                                       // 4
      "end\n"                                                         // 5
      "thermo all\n"                                                  // 6
      "   300.000  1000.000  5000.000\n"                              // 7
      "H2  ref, elements  1\n"                                        // 8
      "\n"                                                            // 9
      "end\n"                                                         // 10
      "REACTIONS  KCAL/MOLE\n"                                        // 11
      "h+o2=oh+o   3.547e+15  -0.406  16599.0   ! chain branching\n"  // 12
      "\n"                                                            // 13
      "h2+m=h+h+m 4.6e19 -1.4 104380\n"                               // 14
      "  h2/2.5/, h2o/12/\n"                                          // 15
      "end";                                                          // 16
  WriteFile(ctx_.vars.inputpath, input);
  NormaliseInput(ctx_);
  EXPECT_EQ(ctx_.vars.endcount, 4);
  TagSections(ctx_);
  ASSERT_EQ(ctx_.vars.nothermo, 0);
  ui_.answers = {"mech thermo"};
  ExtractThermo(ctx_);

  EXPECT_EQ(Read("mech thermo.dat"),
            "THERMO\r\n   300.000  1000.000  5000.000\r\n"
            "H2  REF, ELEMENTS  1\r\n\r\nEND\r\n");
  EXPECT_EQ(Read("tempo3.int"),
            "ELEMENTS\r\n"
            " H O N AR \r\n"
            "END\r\n"
            "SPECIES\r\n"
            " H2 O2 H2O\r\n"
            "N2 AR\r\n"
            "END\r\n"
            "REACTIONS\r\n"
            "H+O2=OH+O   3.547E+15  -0.406  16599.0\r\n"
            "H2+M=H+H+M 4.6E19 -1.4 104380\r\n"
            "  H2/2.5/; H2O/12/\r\n"
            "END\r\n");
  EXPECT_EQ(ctx_.origin,
            (std::vector<int>{2, 2, 2, 3, 3, 4, 5, 11, 12, 14, 15, 16}));
}

}  // namespace
}  // namespace kestrelon

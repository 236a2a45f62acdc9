#include "output/output_stage.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "output/ner_list.h"
#include "platform/run_error.h"
#include "platform/scripted_ui.h"
#include "platform/text_file.h"
#include "run/name_prompt.h"

namespace kestrelon {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

constexpr const char* kSkipped = "####+####+####<=>####+####+####";

// One row of the table as the analysis leaves it: line, equation, slots
// R1..P3, A, n, Ea text and flag.
struct Row {
  std::string line;
  std::string equation;
  std::vector<std::string> slots;
  std::string a, n, ea, flag;
};

Row Plain(std::string line) {
  return Row{std::move(line), "", {}, "", "", "", ""};
}
Row Auxiliary(std::string text) {
  return Row{"#DATAUX#" + text,
             kSkipped,
             std::vector<std::string>(6, "####"),
             "",
             "",
             "",
             ""};
}
Row NonElementary(std::string text) {
  return Row{"#NER#" + text,
             kSkipped,
             std::vector<std::string>(6, "####"),
             "",
             "",
             "",
             ""};
}

class OutputStageTest : public testing::Test {
 protected:
  OutputStageTest() : ctx_(ui_, table_) {
    char pattern[] = "/tmp/kestrelon_output_XXXXXX";
    dir_ = ::mkdtemp(pattern);
    ctx_.vars.inputdir = dir_ + "/";
    ctx_.vars.inputpath = dir_ + "/mech.inp";
    ctx_.input_name = "mech.inp";
    ctx_.vars.nothermo = 1;
    ctx_.outext = "rxn";
    ctx_.unit = EaUnit::kCal;
    WriteFile(ctx_.vars.inputpath, "input\r\n");
  }
  ~OutputStageTest() override { std::filesystem::remove_all(dir_); }

  // Rows from row 1 on; row r came from input line 2 * r.
  void Load(const std::vector<Row>& rows) {
    int r = 1;
    for (const Row& row : rows) {
      table_.Set(r, 1, row.line);
      if (!row.equation.empty()) {
        table_.Set(r, 2, row.equation);
        for (int s = 0; s < 6; ++s) table_.Set(r, 3 + s, row.slots[s]);
        table_.Set(r, 9, row.a);
        table_.Set(r, 10, row.n);
        table_.Set(r, 11, row.ea);
        table_.Set(r, 12, row.flag);
      }
      if (row.line == "ELEMENTS") ctx_.vars.index.elemrow = r;
      if (row.line == "REACTIONS") ctx_.vars.index.reacrow = r;
      if (row.line == "END") ctx_.vars.index.reacend = r;  // the last one
      ctx_.origin.push_back(2 * r);
      ++r;
    }
  }

  // A small mechanism with every kind of reaction-section row.
  void LoadMechanism() {
    Load({
        Plain("BEFORE"),
        Plain("ELEMENTS"),
        Plain("H   O   N;C"),
        Plain("END"),
        Plain("SPECIES"),
        Plain("H   O2   OH   O   HO2   H2O   H2"),
        Plain("END"),
        Plain("REACTIONS"),
        {"H+O2<=>OH+O 3.547E+15 -0.406 16599.0",
         "H+O2<=>OH+O",
         {"///", "H", "O2", "OH", "O", "///"},
         "3.547E+15",
         "-0.4060",
         "16599.0",
         ""},
        {"H+O2+(M)<=>HO2+(M) 4.65E12 0.44 0",
         "H+O2+(M)<=>HO2+(M)",
         {"H", "O2", "+(M)", "HO2", "+(M)", "///"},
         "4.650E+12",
         "0.4400",
         "0",
         ""},
        Auxiliary("LOW /1.0;2.0;3.0/"),
        Auxiliary("H2O/6.0/ H2/2.0/"),
        NonElementary("H+H+H+H<=>H2+H2 1.0E13 0 10"),
        Auxiliary("DUP"),
        Auxiliary(""),
        {"H+OH|=>H2O 1.0E13 0 -100",
         "H+OH=>H2O",
         {"///", "H", "OH", "H2O", "///", "///"},
         "1.000E+13",
         "0.0000",
         "-100",
         "Irr"},
        Plain("END"),
        Plain("AFTER"),
    });
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_;
  std::string dir_;
};

TEST_F(OutputStageTest, WritesTheThreeFiles) {
  LoadMechanism();
  ui_.answers = {"mech1"};
  RunOutputStage(ctx_);
  EXPECT_EQ(ctx_.cleanname, "mech1");
  EXPECT_EQ(ctx_.vars.outpathj, Path("mech1j.rxn"));
  EXPECT_EQ(ctx_.vars.outpathcal, Path("mech1cal.rxn"));
  EXPECT_EQ(ctx_.vars.outpathk, Path("mech1kelvin.rxn"));
  EXPECT_EQ(ctx_.nercount, 1);
  const std::vector<std::string> head = {"ELEMENTS",
                                         "H   O   N,C",
                                         "END",
                                         "SPECIES",
                                         "H   O2   OH   O   HO2   H2O   H2",
                                         "END",
                                         "REACTIONS"};
  struct Case {
    const char* file;
    const char* first;
    const char* falloff;
    const char* irreversible;
    const char* listed;
  } cases[] = {
      // 16599 cal/mol: 69450.216 J/mol and 8352.96 K; 10 cal/mol: 41.84
      // J/mol and 5.03 K; -100 cal/mol: -418.4 J/mol and -50.32 K.
      {"mech1j.rxn", "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2",
       "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0",
       "H+OH=>H2O 1.000E+13 0.0000 -418.4",
       "H+H+H+H<=>H2+H2 1.000E+13 0.0000 41.8"},
      {"mech1cal.rxn", "H+O2<=>OH+O 3.547E+15 -0.4060 16599.0",
       "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0",
       "H+OH=>H2O 1.000E+13 0.0000 -100.0",
       "H+H+H+H<=>H2+H2 1.000E+13 0.0000 10.0"},
      {"mech1kelvin.rxn", "H+O2<=>OH+O 3.547E+15 -0.4060 8353.0",
       "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0",
       "H+OH=>H2O 1.000E+13 0.0000 -50.3",
       "H+H+H+H<=>H2+H2 1.000E+13 0.0000 5.0"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> want = head;
    want.insert(want.end(),
                {c.first, c.falloff, "LOW /1.0,2.0,3.0/", "H2O/6.0/ H2/2.0/",
                 c.irreversible, "END", kNerHeading, c.listed, "DUP"});
    EXPECT_EQ(ReadFile(Path(c.file)), Lines(want)) << c.file;
  }
  for (const char* w : {kTempo4, kTempo5, kTempo6}) {
    EXPECT_FALSE(FileExists(ctx_.WorkPath(w)));
  }
  // The line column keeps the kelvin form of the rebuilt reaction lines.
  EXPECT_EQ(table_.Get(9, 1), "H+O2<=>OH+O 3.547E+15 -0.4060 8353.0");
}

TEST_F(OutputStageTest, StatusPromptAndProgress) {
  LoadMechanism();
  ui_.answers = {"", "mech1"};
  RunOutputStage(ctx_);
  const std::string ask =
      "ask Kestrelon|What do you want to call the cleaned file?\r\n\r\n"
      "Reminder... A filename cannot contain any of the following "
      "characters:\r\n\\/:*?<>|\"";
  EXPECT_EQ(ui_.log, (std::vector<std::string>{
                         "status Creating Files...", ask,
                         "message Kestrelon|You did not enter a name.|none",
                         ask, "progress 90", "repaint"}));
}

TEST_F(OutputStageTest, TypedNamesBecomeFileNames) {
  struct Case {
    const char* answer;
    const char* ext;
    const char* cleanname;
    const char* joule;
  } cases[] = {
      {"my.mech", "rxn", "myxmech", "myxmechj.rxn"},
      {"C:\\out\\gri", "rxn", "Cxxoutxgri", "Cxxoutxgrij.rxn"},
      {"a/b", "rxn", "axb", "axbj.rxn"},
      {"   ", "rxn", "   ", "   j.rxn"},
      {"gri", "mech", "gri", "grij.mech"},
  };
  for (const Case& c : cases) {
    table_.Clear();
    ctx_.origin.clear();
    LoadMechanism();
    ctx_.outext = c.ext;
    ui_.answers = {c.answer};
    RunOutputStage(ctx_);
    EXPECT_EQ(ctx_.cleanname, c.cleanname);
    EXPECT_EQ(ctx_.vars.outpathj, Path(c.joule));
    EXPECT_TRUE(FileExists(Path(c.joule))) << c.joule;
  }
}

TEST_F(OutputStageTest, NameThatWouldOverwriteTheInputOrThermoFileIsRefused) {
  LoadMechanism();
  ctx_.vars.inputpath = Path("gj.rxn");
  WriteFile(ctx_.vars.inputpath, "the input\r\n");
  ctx_.vars.nothermo = 0;
  ctx_.vars.thermopath = Path("hcal.rxn");
  WriteFile(ctx_.vars.thermopath, "THERMO\r\nEND\r\n");
  ui_.answers = {"g", "h", "k"};
  RunOutputStage(ctx_);
  EXPECT_EQ(ctx_.cleanname, "k");
  EXPECT_EQ(ui_.messages,
            (std::vector<std::string>{kOverwritesInput, kOverwritesThermo}));
  EXPECT_EQ(ReadFile(ctx_.vars.inputpath), "the input\r\n");
  EXPECT_EQ(ReadFile(ctx_.vars.thermopath), "THERMO\r\nEND\r\n");
}

TEST_F(OutputStageTest, ExistingFilesAreReplaced) {
  LoadMechanism();
  WriteFile(Path("mech1cal.rxn"),
            "old content that is longer than the new\r\n"
            "and has more lines\r\n");
  ui_.answers = {"mech1"};
  RunOutputStage(ctx_);
  EXPECT_EQ(SplitLines(ReadFile(Path("mech1cal.rxn"))).front(), "ELEMENTS");
}

TEST_F(OutputStageTest, ConversionFillsColumnsFiveToSevenOfEveryRow) {
  LoadMechanism();
  ConvertActivationEnergies(ctx_);
  EXPECT_EQ(table_.Get(9, 6), "69450.2");
  EXPECT_EQ(table_.Get(9, 7), "16599.0");
  EXPECT_EQ(table_.Get(9, 5), "8353.0");
  // Auxiliary and non-elementary rows have no Ea text: 0 in every unit.
  for (int r : {11, 13}) {
    EXPECT_EQ(table_.Get(r, 5), "0.0");
    EXPECT_EQ(table_.Get(r, 6), "0.0");
    EXPECT_EQ(table_.Get(r, 7), "0.0");
  }
  // Rows outside the reaction section are not touched.
  EXPECT_EQ(table_.Get(8, 5), "");
  EXPECT_EQ(table_.Get(17, 5), "");
}

TEST_F(OutputStageTest, OverflowNamesTheInputLineAndWritesNoFile) {
  LoadMechanism();
  ctx_.unit = EaUnit::kKj;
  table_.Set(16, 11, "1E306");
  ui_.answers = {"mech1"};
  try {
    RunOutputStage(ctx_);
    ADD_FAILURE() << "no failure";
  } catch (const RunError& e) {
    EXPECT_EQ(e.reason(), "number out of range");
    EXPECT_EQ(e.file(), "mech.inp");
    EXPECT_EQ(e.line(), 32);
  }
  EXPECT_FALSE(FileExists(Path("mech1j.rxn")));
}

TEST_F(OutputStageTest, FileThatCannotBeCreatedEndsTheRun) {
  LoadMechanism();
  std::filesystem::create_directory(Path("mech1cal.rxn"));
  ui_.answers = {"mech1"};
  try {
    RunOutputStage(ctx_);
    ADD_FAILURE() << "no failure";
  } catch (const RunError& e) {
    EXPECT_EQ(e.file(), Path("mech1cal.rxn"));
  }
  // The joule file was written before the failure and stays.
  EXPECT_TRUE(FileExists(Path("mech1j.rxn")));
}

}  // namespace
}  // namespace kestrelon

#include "run/run_driver.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "platform/scripted_ui.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

std::string Why(const RunOutcome& o) {
  return o.error ? o.error->Describe() : "no error";
}

class RunDriverTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "driverXXXXXX";
    dir_ = mkdtemp(tmpl.data());
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = dir_ + "/" + name;
    WriteFile(path, text);
    return path;
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_;
  WorkingTable table_;
};

TEST_F(RunDriverTest, CancelInFileChooserEndsSilently) {
  ScriptedUi ui;
  ui.loaded_label = "Loaded: old";
  ui.output_label = "Output file: old";
  RunOutcome outcome = RunCleaning(ui, table_);

  EXPECT_EQ(outcome.kind, RunOutcome::Kind::kFailed);
  EXPECT_EQ(ui.log.at(0), "bar shown");
  // The chooser opens while the status says the run is in progress.
  auto choose = std::find_if(ui.log.begin(), ui.log.end(), [](auto& l) {
    return l.rfind("choose ", 0) == 0;
  });
  ASSERT_NE(choose, ui.log.end());
  EXPECT_EQ(*(choose - 1), "status In progress...");
  EXPECT_EQ(*choose,
            "choose Select the File you have to Clean...|*.RXN Files "
            "(*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All Files "
            "(*.*)|*.*||/");
  EXPECT_EQ(ui.status, "");
  EXPECT_EQ(ui.progress, 0);
  EXPECT_FALSE(ui.progress_visible);
  EXPECT_EQ(ui.loaded_label, "");
  EXPECT_EQ(ui.output_label, "");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(Files().empty());
}

TEST_F(RunDriverTest, TwoEndLinesTakeTheUnreadableBranch) {
  ScriptedUi ui;
  ui.chosen_file = Write("two.inp", "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH\r\nEND\r\n");
  RunOutcome outcome = RunCleaning(ui, table_);

  EXPECT_EQ(outcome.kind, RunOutcome::Kind::kUnreadable);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Your file can not be treated!"});
  EXPECT_NE(std::find(ui.log.begin(), ui.log.end(),
                      "message Error !|Your file can not be treated!|critical"),
            ui.log.end());
  EXPECT_EQ(ui.error_dialogs, 1);
  auto error_status = std::find(ui.log.begin(), ui.log.end(), "status Error");
  ASSERT_NE(error_status, ui.log.end());
  EXPECT_EQ(*(error_status + 1),
            "message Error !|Your file can not be treated!|critical");
  EXPECT_EQ(*(error_status + 2), "error dialog");
  EXPECT_EQ(ui.status, "");
  EXPECT_FALSE(ui.progress_visible);
  // The normalised copy stays next to the input.
  EXPECT_EQ(Files(), (std::vector<std::string>{"tempo.int", "two.inp"}));
}

TEST_F(RunDriverTest, InputNamedLikeAWorkingFileIsRefusedBeforeWriting) {
  for (const char* name : {"tempo.int", "tempo3.int", "tempo6.int"}) {
    ScriptedUi ui;
    ui.chosen_file = Write(name, "ELEMENTS\r\nEND\r\nEND\r\nEND\r\n");
    const std::string before = ReadFile(*ui.chosen_file);
    RunOutcome outcome = RunCleaning(ui, table_);
    ASSERT_EQ(outcome.kind, RunOutcome::Kind::kFailed) << name;
    EXPECT_EQ(outcome.error->file(), *ui.chosen_file);
    EXPECT_EQ(ReadFile(*ui.chosen_file), before);
    EXPECT_EQ(Files(), std::vector<std::string>{name});
    fs::remove(*ui.chosen_file);
  }
}

TEST_F(RunDriverTest, MissingInputFailsWithTheReason) {
  ScriptedUi ui;
  ui.chosen_file = dir_ + "/absent.inp";
  RunOutcome outcome = RunCleaning(ui, table_);
  ASSERT_EQ(outcome.kind, RunOutcome::Kind::kFailed);
  EXPECT_EQ(outcome.error->Describe(),
            dir_ + "/absent.inp: cannot open: No such file or directory");
  EXPECT_FALSE(ui.progress_visible);
}

TEST_F(RunDriverTest, OnlyTheSelectedUnitFlagIsSet) {
  const std::string mech =
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH H2\r\nEND\r\nREACTIONS\r\n"
      "H+H=H2 1.0E13 0 0\r\nEND\r\n";
  struct Case {
    EaUnit unit;
    int16_t RunVariables::*flag;
  } cases[] = {{EaUnit::kKelvin, &RunVariables::unitk},
               {EaUnit::kCal, &RunVariables::unitcal},
               {EaUnit::kKj, &RunVariables::unitkj},
               {EaUnit::kKcal, &RunVariables::unitkcal},
               {EaUnit::kJ, &RunVariables::unitj}};
  for (const Case& c : cases) {
    ScriptedUi ui;
    ui.chosen_file = Write("m.inp", mech);
    ui.settings.unit = c.unit;
    ui.answers = {"out"};
    RunOutcome outcome = RunCleaning(ui, table_, {.check_only = true});
    ASSERT_EQ(outcome.kind, RunOutcome::Kind::kSuccess)
        << Why(outcome);
    const RunVariables& v = outcome.vars;
    EXPECT_EQ(v.unitkj + v.unitkcal + v.unitj + v.unitcal + v.unitk, -1);
    EXPECT_EQ(v.*(c.flag), -1);
  }
}

TEST_F(RunDriverTest, CheckOnlyLeavesNothingBehind) {
  ScriptedUi ui;
  ui.chosen_file = Write(
      "m.inp",
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH H2\r\nEND\r\nTHERMO\r\n"
      "   300.0 1000.0 5000.0\r\nEND\r\nREACTIONS\r\nH+H=H2 1.0E13 0 0\r\n"
      "END\r\n");
  RunOutcome outcome = RunCleaning(ui, table_, {.check_only = true});
  ASSERT_EQ(outcome.kind, RunOutcome::Kind::kSuccess)
      << Why(outcome);
  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_EQ(Files(), std::vector<std::string>{"m.inp"});
}

}  // namespace
}  // namespace kestrelon

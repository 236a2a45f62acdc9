#include "run/run_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/text_file.h"
#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using Kind = RunOutcome::Kind;

RunOptions CheckOnly() {
  RunOptions options;
  options.check_only = true;
  return options;
}

class RunDriverTest : public testing::Test {
 protected:
  RunOutcome Run(const RunOptions& options = {}) {
    return RunCleaning(ui_, testing_support::SharedTable(), options);
  }
  // The log from the entry `from` on.
  std::vector<std::string> LogFrom(const std::string& from) const {
    return {std::find(ui_.log.begin(), ui_.log.end(), from), ui_.log.end()};
  }
  testing_support::ScratchDir dir_;
  ScriptedUi ui_;
};

TEST_F(RunDriverTest, CancelInFileChooserEndsSilently) {
  ui_.loaded_label = "Loaded: old";
  ui_.output_label = "Output file: old";
  EXPECT_EQ(Run().kind, Kind::kFailed);
  // The chooser opens while the status says the run is in progress.
  EXPECT_EQ(ui_.log.at(0), "bar shown");
  EXPECT_EQ(LogFrom("status In progress...").at(1),
            "choose Select the File you have to Clean...|*.RXN Files "
            "(*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All Files "
            "(*.*)|*.*||/");
  EXPECT_EQ(ui_.status + ui_.loaded_label + ui_.output_label, "");
  EXPECT_EQ(ui_.progress, 0);
  EXPECT_FALSE(ui_.progress_visible);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(RunDriverTest, TwoEndLinesTakeTheUnreadableBranch) {
  ui_.chosen_file = dir_.Write("two.inp", "ELEMENTS\r\nEND\r\nSPECIES\r\nEND");
  EXPECT_EQ(Run().kind, Kind::kUnreadable);
  std::vector<std::string> log = LogFrom("status Error");
  log.resize(3);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "status Error",
                     "message Error !|Your file can not be treated!|critical",
                     "error dialog"}));
  EXPECT_EQ(ui_.status, "");
  EXPECT_FALSE(ui_.progress_visible);
  // The normalised copy stays next to the input.
  EXPECT_EQ(dir_.Files(), (std::vector<std::string>{"tempo.int", "two.inp"}));
}

TEST_F(RunDriverTest, AFailureEndsTheRunWithTheReason) {
  ui_.chosen_file = dir_ / "absent.inp";
  RunOutcome outcome = Run();
  ASSERT_EQ(outcome.kind, Kind::kFailed);
  EXPECT_EQ(outcome.error->Describe(),
            dir_ / "absent.inp: cannot open: No such file or directory");
  EXPECT_FALSE(ui_.progress_visible);
}

constexpr const char* kSmallMechanism =
    "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH H2\r\nEND\r\nTHERMO\r\n"
    "   300.0 1000.0 5000.0\r\nEND\r\nREACTIONS\r\nH+H=H2 1.0E13 0 0\r\n"
    "END\r\n";

TEST_F(RunDriverTest, ARunShowsItsStatusAndMilestonesInOrder) {
  ui_.chosen_file = dir_.Write("m.inp", kSmallMechanism);
  ui_.answers = {"th", "m"};
  ASSERT_EQ(Run().kind, Kind::kSuccess);
  std::vector<std::string> shown;
  for (const std::string& entry : ui_.log) {
    if (entry.rfind("status ", 0) == 0 || entry.rfind("progress ", 0) == 0) {
      shown.push_back(entry);
    }
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"status In progress...",
                                             "progress 10",
                                             "status ",
                                             "status In Progress...",
                                             "progress 20",
                                             "status Thermo Section...",
                                             "progress 30",
                                             "status In progress...",
                                             "progress 30",
                                             "progress 40",
                                             "progress 50",
                                             "progress 60",
                                             "progress 70",
                                             "progress 80",
                                             "status Creating Files...",
                                             "progress 90",
                                             "status Successful...",
                                             "progress 100",
                                             "status Information...",
                                             "status ",
                                             "progress 0"}));
  EXPECT_EQ(dir_.Files(),
            (std::vector<std::string>{"m.inp", "mcal.rxn", "mj.rxn",
                                      "mkelvin.rxn", "th.dat"}));
}

TEST_F(RunDriverTest, CheckOnlyAsksNothingAndLeavesNothingBehind) {
  ui_.chosen_file = dir_.Write("m.inp", kSmallMechanism);
  ASSERT_EQ(Run(CheckOnly()).kind, Kind::kSuccess);
  EXPECT_TRUE(ui_.prompts.empty());
  EXPECT_EQ(dir_.Files(), std::vector<std::string>{"m.inp"});
}

// A failing run leaves the working files it had reached, with their lines;
// the outputs of the run before stay whole.
TEST_F(RunDriverTest, AFailureLeavesTheWorkingFilesItReached) {
  const std::string reactions = "REACTIONS\r\nH+H=>H2 1 0 0\r\nREV /1 0 0/\r\n";
  struct Case {
    std::string input;
    std::vector<std::string> left;
  } cases[] = {
      // No END after THERMO: found while extracting the database.
      {"ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH\r\nEND\r\n" + reactions +
           "END\r\nTHERMO\r\n",
       {"m.inp", "mcal.rxn", "tempo.int", "tempo2.int"}},
      // No END after REACTIONS: found once the table is loaded.
      {"ELEMENTS\r\nEND\r\nSPECIES\r\nEND\r\nEND\r\n" + reactions,
       {"m.inp", "mcal.rxn", "tempo3.int"}},
      // REV after "=>": found by the layout, after the working files.
      {"ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH H2\r\nEND\r\n" + reactions +
           "END\r\n",
       {"m.inp", "mcal.rxn"}},
  };
  for (const Case& c : cases) {
    testing_support::ScratchDir dir;
    ui_.chosen_file = dir.Write("m.inp", c.input);
    dir.Write("mcal.rxn", "old\r\n");
    ui_.answers = {"m"};
    EXPECT_EQ(Run().kind, Kind::kFailed) << c.input;
    EXPECT_EQ(dir.Files(), c.left) << c.input;
    EXPECT_EQ(dir.Read("mcal.rxn"), "old\r\n");
  }
}

}  // namespace
}  // namespace kestrelon

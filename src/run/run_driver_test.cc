#include "run/run_driver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text_file.h"
#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using Kind = RunOutcome::Kind;

class RunDriverTest : public testing::Test {
 protected:
  RunOutcome Run(const RunOptions& options = {}) {
    return RunCleaning(ui_, testing_support::SharedTable(), options);
  }
  testing_support::ScratchDir dir_;
  ScriptedUi ui_;
};

constexpr const char* kSmallMechanism =
    "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH H2\r\nEND\r\nTHERMO\r\n"
    "   300.0 1000.0 5000.0\r\nEND\r\nREACTIONS\r\nH+H=H2 1.0E13 0 0\r\n"
    "END\r\n";

TEST_F(RunDriverTest, ARunShowsItsStatusAndMilestonesInOrder) {
  ui_.chosen_file = dir_.Write("m.inp", kSmallMechanism);
  ui_.answers = {"th", "m"};
  ASSERT_EQ(Run().kind, Kind::kSuccess);
  std::string shown;
  for (const std::string& entry : ui_.log) {
    if (entry.rfind("status ", 0) == 0 || entry.rfind("progress ", 0) == 0) {
      shown += entry + "|";
    }
  }
  EXPECT_EQ(shown,
            "status In progress...|progress 10|status |status In Progress...|"
            "progress 20|status Thermo Section...|progress 30|status In "
            "progress...|progress 30|progress 40|progress 50|progress 60|"
            "progress 70|progress 80|status Creating Files...|progress 90|"
            "status Successful...|progress 100|status Information...|status "
            "|progress 0|");
  EXPECT_EQ(dir_.Files(),
            (std::vector<std::string>{"m.inp", "mcal.rxn", "mj.rxn",
                                      "mkelvin.rxn", "th.dat"}));
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

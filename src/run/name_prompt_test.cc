#include "run/name_prompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

TEST(AskFileNameTest, AsksAgainUntilANameIsGivenThatOverwritesNothing) {
  testing_support::ScratchDir dir;
  testing_support::TestRun run(dir.path() + "/");
  dir.Write("mechj.rxn", "input\r\n");
  // The input under another spelling of its path.
  run.run.vars.inputpath = dir / "./mechj.rxn";
  // The fake answers "" both for an empty box and for Cancel.
  run.ui.answers = {"", "mech", "tempo3", "o.k"};
  EXPECT_EQ(AskFileName(run.ui, run.run.vars.inputpath, NamePrompt::kCleanName,
                        "Name?", "Empty!",
                        [&](const std::string& name) {
                          return std::vector<std::string>{
                              dir / (name + "j.rxn"), dir / (name + ".int")};
                        }),
            "oxk");
  const char* ask = "ask Kestrelon|Name?";
  EXPECT_EQ(run.ui.log,
            (std::vector<std::string>{
                ask, "message Kestrelon|Empty!|none", ask,
                "message Kestrelon|This name would overwrite the input "
                "file.|none",
                ask,
                "message Kestrelon|This name would overwrite a working file "
                "of the run.|none",
                ask}));
  EXPECT_EQ(dir.Read("mechj.rxn"), "input\r\n");
}

TEST(AskCleanNameTest, RefusesTheInputAndTheThermoFileThisRunWrote) {
  testing_support::ScratchDir dir;
  testing_support::TestRun run(dir.path() + "/");
  RunRecord& rec = run.run;
  rec.outext = "rxn";
  rec.vars.inputpath = dir.Write("gj.rxn", "the input\r\n");
  rec.vars.has_thermo = true;
  rec.vars.thermopath = dir.Write("hcal.rxn", "THERMO\r\nEND\r\n");
  run.ui.answers = {"g", "h", "C:\\out\\k.1"};
  EXPECT_EQ(AskCleanName(run.ui, rec), "Cxxoutxkx1");
  EXPECT_EQ(run.ui.messages,
            (std::vector<std::string>{kOverwritesInput, kOverwritesThermo}));
  EXPECT_EQ(CleanedFilePaths(rec, "k")[2], dir / "kkelvin.rxn");
}

}  // namespace
}  // namespace kestrelon

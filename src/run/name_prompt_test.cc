#include "run/name_prompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_test_support.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

TEST(AskFileNameTest, AsksAgainUntilANameIsGivenThatOverwritesNothing) {
  testing_support::ScratchDir dir;
  testing_support::TestRun run(dir.path() + "/");
  dir.Write("mechj.rxn", "input\r\n");
  // The input under another spelling of its path.
  run.ctx.vars.inputpath = dir / "./mechj.rxn";
  // The fake answers "" both for an empty box and for Cancel.
  run.ui.answers = {"", "mech", "tempo3", "o.k"};
  EXPECT_EQ(AskFileName(run.ctx, NamePrompt::kCleanName, "Name?", "Empty!",
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

}  // namespace
}  // namespace kestrelon

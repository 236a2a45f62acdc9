#include "run/name_prompt.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

constexpr const char* kEmpty = "You did not enter a name!";

class AskFileNameTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "/prompt_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ctx_.vars.inputpath = dir_ + "/mech.rxn";
    ctx_.vars.inputdir = dir_ + "/";
    WriteFile(ctx_.vars.inputpath, "input\r\n");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Asks as the cleaned-file prompt does: three files per name.
  std::string Ask() {
    return AskFileName(
        ctx_, NamePrompt::kCleanName, "Name?", kEmpty,
        [this](const std::string& name) {
          std::vector<std::string> paths;
          for (const char* unit : {"j", "cal", "kelvin"}) {
            paths.push_back(ctx_.vars.inputdir + name + unit + ".rxn");
          }
          return paths;
        });
  }

  std::string dir_;
  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_{ui_, table_};
};

TEST_F(AskFileNameTest, EmptyAnswerOrCancelAsksAgain) {
  // The fake answers "" both for an empty box and for Cancel.
  ui_.answers = {"", "", "mech1"};
  EXPECT_EQ(Ask(), "mech1");
  EXPECT_EQ(ui_.log, (std::vector<std::string>{
                         "ask Kestrelon|Name?",
                         "message Kestrelon|You did not enter a name!|none",
                         "ask Kestrelon|Name?",
                         "message Kestrelon|You did not enter a name!|none",
                         "ask Kestrelon|Name?",
                     }));
}

TEST_F(AskFileNameTest, ReturnsTheNameWithForbiddenCharactersReplaced) {
  struct Case {
    const char* typed;
    const char* want;
  } cases[] = {
      {"my.mech", "myxmech"},
      {"/tmp/out/m", "xtmpxoutxm"},
      {" ", " "},
  };
  for (const Case& c : cases) {
    ui_.answers = {c.typed};
    EXPECT_EQ(Ask(), c.want) << c.typed;
  }
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(AskFileNameTest, RefusesANameWhoseFileWouldBeTheInputFile) {
  // "mechj.rxn" is the input under another name only when it is the same
  // file; the text differs.
  std::filesystem::rename(ctx_.vars.inputpath, dir_ + "/mechj.rxn");
  ctx_.vars.inputpath = dir_ + "/./mechj.rxn";
  ui_.answers = {"mech", "mech2"};
  EXPECT_EQ(Ask(), "mech2");
  EXPECT_EQ(
      ui_.messages,
      (std::vector<std::string>{"This name would overwrite the input file."}));
  EXPECT_EQ(ReadFile(dir_ + "/mechj.rxn"), "input\r\n");
}

TEST_F(AskFileNameTest, RefusesANameOfAWorkingFile) {
  ui_.answers = {"tempo3", "data"};
  std::string got = AskFileName(
      ctx_, NamePrompt::kThermoName, "Name?", kEmpty,
      [this](const std::string& name) {
        return std::vector<std::string>{ctx_.vars.inputdir + name + ".int"};
      });
  EXPECT_EQ(got, "data");
  EXPECT_EQ(ui_.messages,
            (std::vector<std::string>{
                "This name would overwrite a working file of the run."}));
}

}  // namespace
}  // namespace kestrelon

// A mechanism cleaned by the built program with two renames, compared byte
// for byte with files worked out by hand; and the same two renames applied
// to the hand-cleaned files alone.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "rename/rename_session.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

const std::string kCase =
    std::string(KESTRELON_SOURCE_DIR) + "/tests/golden_rename/";
const char* const kOutputs[] = {"xj.rxn", "xcal.rxn", "xkelvin.rxn",
                                "xthermo.dat"};

class RenameGoldenTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "goldenXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  void ExpectGolden() {
    for (const char* name : kOutputs) {
      EXPECT_EQ(ReadFile(dir_ + "/" + name), ReadFile(kCase + name)) << name;
    }
  }

  std::string dir_;
};

TEST_F(RenameGoldenTest, CleanWithTwoRenames) {
  fs::copy_file(kCase + "mech.inp", dir_ + "/mech.inp");
  // The first pair is typed in lower case: names are upper-cased.
  std::string command = std::string("'") + KESTRELON_BINARY + "' clean '" +
                        dir_ + "/mech.inp' --name x --quiet" +
                        " --rename ch3=ch3x --rename AR=ARGON";
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  ASSERT_EQ(WEXITSTATUS(status), 0) << command;

  ExpectGolden();
  EXPECT_EQ(Files(), (std::vector<std::string>{"mech.inp", "xcal.rxn", "xj.rxn",
                                               "xkelvin.rxn", "xthermo.dat"}));
}

TEST_F(RenameGoldenTest, RenamesOnHandCleanedFiles) {
  for (const char* name : kOutputs) {
    fs::copy_file(kCase + "before/" + name, dir_ + "/" + name);
  }
  RenameSession session({true, dir_ + "/xthermo.dat", dir_ + "/xj.rxn",
                         dir_ + "/xcal.rxn", dir_ + "/xkelvin.rxn",
                         dir_ + "/tempo3.int"});
  EXPECT_EQ(session.Rename("ch3", "ch3x").label, "Another one?");
  EXPECT_EQ(session.Rename("AR", "ARGON").label, "Another one?");

  ExpectGolden();
  EXPECT_EQ(Files(), (std::vector<std::string>{"xcal.rxn", "xj.rxn",
                                               "xkelvin.rxn", "xthermo.dat"}));
}

}  // namespace
}  // namespace kestrelon

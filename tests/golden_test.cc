// End-to-end cases, worked out by hand. Each folder of tests/golden holds a
// mechanism (input.inp), optionally a thermodynamic file (input.therm), and
// the files a run must leave (expected/); the case of the same name in
// tests/cases/golden.txt runs it. tests/golden_rename holds a mechanism
// cleaned with two renames, the files before the renames and after them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "rename/rename_session.h"
#include "tests/support/case_file.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::ScratchDir;

const fs::path kGolden = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden";
const fs::path kRename = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden_rename";

// Every file of `dir` but `but`, by name (folders left out).
std::map<std::string, std::string> FilesIn(const fs::path& dir,
                                           const std::string& but = "") {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name != but && e.is_regular_file()) files[name] = ReadFile(e.path());
  }
  return files;
}

// The cases of tests/cases/golden.txt clean each folder's mechanism and
// compare the files left with its expected/ folder: every folder has its
// case, under the folder's name.
TEST(GoldenTest, EveryFolderIsACase) {
  std::vector<std::string> cases, folders;
  for (const testing_support::Case& c : testing_support::ReadCaseFile(
           fs::path(KESTRELON_SOURCE_DIR) / "tests/cases/golden.txt",
           "golden")) {
    cases.push_back(c.name);
  }
  for (const fs::directory_entry& e : fs::directory_iterator(kGolden)) {
    folders.push_back("golden_" + e.path().filename().string());
    EXPECT_NE(std::find(cases.begin(), cases.end(), folders.back()),
              cases.end())
        << folders.back();
  }
  EXPECT_EQ(folders.size(), 18u);
}

TEST(GoldenTest, SpellingOfTheMechanismDoesNotShowInTheFiles) {
  // The two differ in comments, case, blanks, tabs, blank lines and number
  // notation only.
  EXPECT_EQ(FilesIn(kGolden / "variant_messy/expected"),
            FilesIn(kGolden / "variant_plain/expected"));
}

// (Cleaned with the two renames: the case golden_two_renames.)
TEST(RenameGoldenTest, RenamesOnHandCleanedFiles) {
  ScratchDir scratch;
  fs::copy(kRename / "before", scratch.path());
  RenameSession session({true, scratch / "xthermo.dat", scratch / "xj.rxn",
                         scratch / "xcal.rxn", scratch / "xkelvin.rxn",
                         scratch / "tempo3.int"});
  EXPECT_EQ(session.Rename("ch3", "ch3x").label, "Another one?");
  EXPECT_EQ(session.Rename("AR", "ARGON").label, "Another one?");
  EXPECT_EQ(FilesIn(scratch.path()), FilesIn(kRename, "mech.inp"));
}

}  // namespace
}  // namespace kestrelon

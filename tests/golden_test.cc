// End-to-end cases, worked out by hand. Each folder of tests/golden holds a
// mechanism (input.inp), the options of `kestrelon clean` (args, @DIR@ for
// the folder the run works in), the files the run must leave (expected/),
// optionally a thermodynamic file the args name (input.therm) and, for a
// failing run or one that warns, exit_status and stderr (@DIR@ again).
// tests/golden_rename holds a mechanism cleaned with two renames, the files
// before the renames and after them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/text_ops.h"
#include "rename/rename_session.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;

const fs::path kGolden = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden";
const fs::path kRename = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden_rename";

// Every file of `dir` but `but`, by name (folders left out).
std::map<std::string, std::string> FilesIn(const fs::path& dir,
                                           const std::string& but = "") {
  std::map<std::string, std::string> files;
  if (!fs::exists(dir)) return files;  // a case whose run leaves nothing
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name != but && e.is_regular_file()) files[name] = ReadFile(e.path());
  }
  return files;
}

// Cleans a copy of the case's mechanism in `scratch`, with `extra`
// options.
testing_support::ProcessResult Clean(const std::string& name,
                                     const ScratchDir& scratch,
                                     const std::string& extra = "") {
  for (const char* input : {"input.inp", "input.therm"}) {
    if (!fs::exists(kGolden / name / input)) continue;
    fs::copy_file(kGolden / name / input, scratch / input,
                  fs::copy_options::overwrite_existing);
  }
  std::vector<std::string> args = {"clean", scratch / "input.inp"};
  const std::string lines = ReadFile(kGolden / name / "args");
  for (std::string_view line : LinesOf(lines)) {
    std::string arg(line);
    ReplaceAll(arg, "@DIR@", scratch.path());
    if (!arg.empty()) args.push_back(arg);
  }
  if (!extra.empty()) args.push_back(extra);
  return RunKestrelon(args);
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(kGolden)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputFilesMatchByteForByte) {
  const fs::path dir = kGolden / GetParam();
  ScratchDir scratch;
  const testing_support::ProcessResult result = Clean(GetParam(), scratch);
  EXPECT_EQ(result.status, fs::exists(dir / "exit_status")
                               ? std::stoi(ReadFile(dir / "exit_status"))
                               : 0)
      << result.err;
  if (fs::exists(dir / "stderr")) {
    std::string want = ReadFile(dir / "stderr");
    ReplaceAll(want, "@DIR@", scratch.path());
    EXPECT_EQ(result.err, want);
  }
  // No working file or other file may stay.
  std::map<std::string, std::string> left =
      FilesIn(scratch.path(), "input.inp");
  left.erase("input.therm");
  EXPECT_EQ(left, FilesIn(dir / "expected"));
}

// A check fails where the run fails, with the same words and status, and
// changes no byte of the directory, the outputs of a run before included.
TEST_P(GoldenTest, CheckFindsWhatTheRunFindsAndWritesNothing) {
  const fs::path dir = kGolden / GetParam();
  ScratchDir scratch;
  const testing_support::ProcessResult run = Clean(GetParam(), scratch);
  const auto before = FilesIn(scratch.path());
  const testing_support::ProcessResult check =
      Clean(GetParam(), scratch, "--check");
  EXPECT_EQ(check.status, run.status);
  EXPECT_EQ(check.err, run.err);
  EXPECT_EQ(FilesIn(scratch.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, testing::ValuesIn(CaseNames()),
                         [](const auto& info) { return info.param; });

TEST(GoldenTest, AllCasesArePresent) { EXPECT_EQ(CaseNames().size(), 18u); }

TEST(GoldenTest, SpellingOfTheMechanismDoesNotShowInTheFiles) {
  // The two differ in comments, case, blanks, tabs, blank lines and number
  // notation only.
  ScratchDir plain, messy;
  ASSERT_EQ(Clean("variant_plain", plain).status, 0);
  ASSERT_EQ(Clean("variant_messy", messy).status, 0);
  EXPECT_EQ(FilesIn(messy.path(), "input.inp"),
            FilesIn(plain.path(), "input.inp"));
}

TEST(RenameGoldenTest, CleanWithTwoRenames) {
  ScratchDir scratch;
  fs::copy_file(kRename / "mech.inp", scratch / "mech.inp");
  // The first pair is typed in lower case: names are upper-cased.
  ASSERT_EQ(
      RunKestrelon({"clean", scratch / "mech.inp", "--name", "x", "--quiet",
                    "--rename", "ch3=ch3x", "--rename", "AR=ARGON"})
          .status,
      0);
  EXPECT_EQ(FilesIn(scratch.path(), "mech.inp"), FilesIn(kRename, "mech.inp"));
}

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

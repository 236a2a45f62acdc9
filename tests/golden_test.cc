// End-to-end cases: each folder under tests/golden holds a mechanism
// (input.inp), the options of `kestrelon clean` (args, one per line) and the
// files the run must leave next to the mechanism (expected/). The built
// program cleans a copy of the mechanism in a scratch folder; every file it
// leaves there must be an expected one, byte for byte, and nothing else
// (no working file) may stay. A case may also hold exit_status and stderr
// (with @DIR@ for the scratch folder) when the run must fail.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "tests/test_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::ProcessResult;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;

const fs::path kGoldenDir = fs::path(KESTRELON_SOURCE_DIR) / "tests" / "golden";

std::vector<std::string> ReadArgs(const fs::path& file) {
  std::vector<std::string> args;
  const std::string text = ReadFile(file.string());
  for (std::string_view line : SplitLines(text)) {
    if (!line.empty()) args.emplace_back(line);
  }
  return args;
}

// Every file of `dir` but the mechanism, by name.
std::map<std::string, std::string> FilesLeft(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name != "input.inp") files[name] = ReadFile(e.path().string());
  }
  return files;
}

std::map<std::string, std::string> ExpectedFiles(const fs::path& case_dir) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& e :
       fs::directory_iterator(case_dir / "expected")) {
    files[e.path().filename().string()] = ReadFile(e.path().string());
  }
  return files;
}

// Runs `kestrelon clean` on a copy of the case's mechanism in `scratch`.
ProcessResult CleanCase(const std::string& name, const ScratchDir& scratch) {
  const fs::path case_dir = kGoldenDir / name;
  const std::string mechanism = scratch / "input.inp";
  fs::copy_file(case_dir / "input.inp", mechanism,
                fs::copy_options::overwrite_existing);
  std::vector<std::string> args = {"clean", mechanism};
  for (std::string& a : ReadArgs(case_dir / "args")) args.push_back(a);
  return RunKestrelon(args);
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(kGoldenDir)) {
    if (fs::exists(e.path() / "input.inp")) {
      names.push_back(e.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, OutputFilesMatchByteForByte) {
  const fs::path case_dir = kGoldenDir / GetParam();
  ScratchDir scratch;
  const ProcessResult outcome = CleanCase(GetParam(), scratch);

  int want_status = 0;
  if (fs::exists(case_dir / "exit_status")) {
    want_status = std::stoi(ReadFile((case_dir / "exit_status").string()));
  }
  EXPECT_EQ(outcome.status, want_status) << outcome.err;
  if (fs::exists(case_dir / "stderr")) {
    std::string want = ReadFile((case_dir / "stderr").string());
    ReplaceAll(want, "@DIR@", scratch.path());
    EXPECT_EQ(outcome.err, want);
  }

  const std::map<std::string, std::string> want = ExpectedFiles(case_dir);
  const std::map<std::string, std::string> got = FilesLeft(scratch.path());
  for (const auto& [name, text] : want) {
    auto it = got.find(name);
    if (it == got.end()) {
      ADD_FAILURE() << name << " was not written";
      continue;
    }
    EXPECT_EQ(it->second, text) << name;
  }
  for (const auto& [name, text] : got) {
    EXPECT_TRUE(want.count(name)) << "unexpected file left: " << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(GoldenSetTest, AllCasesArePresent) {
  const std::vector<std::string> want = {"lower_case_tabs_commas",
                                         "non_elementary",
                                         "rev_after_irreversible",
                                         "rev_dup_irreversible",
                                         "thermo_falloff",
                                         "units_kelvin",
                                         "units_kj",
                                         "variant_messy",
                                         "variant_plain",
                                         "worked_example"};
  EXPECT_EQ(CaseNames(), want);
}

TEST(GoldenRepeatTest, CleaningTwiceGivesTheSameFiles) {
  ScratchDir scratch;
  ASSERT_EQ(CleanCase("thermo_falloff", scratch).status, 0);
  const std::map<std::string, std::string> first = FilesLeft(scratch.path());
  ASSERT_EQ(CleanCase("thermo_falloff", scratch).status, 0);
  EXPECT_EQ(FilesLeft(scratch.path()), first);
  EXPECT_EQ(first.size(), 4u);
}

TEST(GoldenRepeatTest, SpellingOfTheMechanismDoesNotShowInTheFiles) {
  // The two mechanisms differ in comments, case, blanks, tabs, blank lines
  // and number notation only.
  ScratchDir plain, messy;
  ASSERT_EQ(CleanCase("variant_plain", plain).status, 0);
  ASSERT_EQ(CleanCase("variant_messy", messy).status, 0);
  const std::map<std::string, std::string> files = FilesLeft(plain.path());
  EXPECT_EQ(files.size(), 3u);
  EXPECT_EQ(FilesLeft(messy.path()), files);
}

}  // namespace
}  // namespace kestrelon

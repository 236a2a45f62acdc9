// Runs the cases of tests/cases/*.txt (their layout: tests/cases/README.md),
// each a test of its own named after its file and its "=== name" line, in a
// scratch directory of its own. Besides what a case expects, every run must
// end within ten seconds and leave its input files as they were written,
// and a run given --check must leave the whole directory as it found it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/text_ops.h"
#include "tests/support/case_file.h"
#include "tests/support/process_support.h"

namespace kestrelon::testing_support {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(KESTRELON_SOURCE_DIR) / "tests/cases";

std::vector<Case> AllCases() {
  std::vector<fs::path> paths;
  for (const fs::directory_entry& e : fs::directory_iterator(kCases)) {
    if (e.path().extension() == ".txt") paths.push_back(e.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<Case> all;
  for (const fs::path& path : paths) {
    for (Case& c : ReadCaseFile(path, path.stem().string())) {
      all.push_back(std::move(c));
    }
  }
  return all;
}

// Every file under `root` by its path from there (folders left out).
std::map<std::string, std::string> Tree(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) {
      files[fs::relative(e.path(), root).string()] = ReadFile(e.path());
    }
  }
  return files;
}

class CaseTest : public testing::TestWithParam<Case> {};

TEST_P(CaseTest, Runs) {
  const Case& c = GetParam();
  ASSERT_EQ(c.error, "");
  ASSERT_FALSE(c.runs.empty()) << "a case runs kestrelon at least once";
  ScratchDir scratch;
  const std::string dir = fs::canonical(scratch.path()).string();
  auto at = [&dir](std::string text) {
    ReplaceAll(text, "@DIR@", dir);
    return text;
  };
  for (const auto& [name, text] : c.inputs) {
    fs::create_directories((fs::path(dir) / name).parent_path());
    WriteFile(dir + "/" + name, text);
  }
  for (const CaseRun& run : c.runs) {
    std::vector<std::string> args;
    std::string command = "kestrelon";
    for (const std::string& arg : run.args) {
      args.push_back(at(arg));
      command += " " + arg;
    }
    SCOPED_TRACE(command);
    const auto before = Tree(dir);
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = RunKestrelon(args, dir, {run.stdout_path});
    const std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 10);  // even under the sanitizers
    EXPECT_EQ(r.status, run.status);
    EXPECT_EQ(r.out, at(run.out));
    EXPECT_EQ(r.err, at(run.err));
    const auto after = Tree(dir);
    if (std::find(args.begin(), args.end(), "--check") != args.end()) {
      EXPECT_TRUE(after == before) << "--check changed the directory";
    }
    for (const auto& [name, text] : c.inputs) {
      EXPECT_TRUE(after.contains(name) && after.at(name) == text)
          << name << " changed";
    }
    if (run.files) {
      std::string names;
      for (const auto& [name, text] : after) names += name + "\n";
      EXPECT_EQ(names, *run.files);
    }
    for (const auto& [name, text] : run.contents) {
      EXPECT_EQ(after.contains(name) ? after.at(name) : "(no file)", at(text))
          << name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseTest, testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kestrelon::testing_support

#include "rename/file_commit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class FileCommitTest : public testing::Test {
 protected:
  FileCommitTest() {
    for (std::string name : {"a", "b", "c"}) {
      files_.push_back(
          {dir_.Write(name, "old " + name), "old " + name, "new " + name});
    }
  }
  std::string Contents() {
    return dir_.Read("a") + "|" + dir_.Read("b") + "|" + dir_.Read("c");
  }
  testing_support::ScratchDir dir_;
  std::string work_ = dir_ / "tempo3.int";
  std::vector<PendingFile> files_;
};

TEST_F(FileCommitTest, AFailureMidwayPutsTheReplacedFilesBack) {
  std::vector<std::string> calls;
  auto failing_c = [&](const std::string& target, const std::string& work,
                       std::string_view content) {
    calls.push_back(target.substr(target.size() - 1) + " <- " +
                    std::string(content));
    if (calls.back()[0] == 'c') {
      WriteFile(work, "half");
      throw RunError("cannot write: No space left on device", work);
    }
    ReplaceThroughWorkingFile(target, work, content);
  };
  files_[1].new_text.reset();  // b has nothing to write
  EXPECT_EQ(
      testing_support::ErrorOf([&] { CommitFiles(files_, work_, failing_c); }),
      dir_ / "c: cannot write: No space left on device");
  EXPECT_EQ(calls, (std::vector<std::string>{"a <- new a", "c <- new c",
                                             "a <- old a"}));
  EXPECT_EQ(Contents(), "old a|old b|old c");
  EXPECT_FALSE(FileExists(work_));

  CommitFiles(files_, work_);
  EXPECT_EQ(Contents(), "new a|old b|new c");
  EXPECT_FALSE(FileExists(work_));
}

}  // namespace
}  // namespace kestrelon

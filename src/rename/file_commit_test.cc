#include "rename/file_commit.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class FileCommitTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "commitXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    work_ = dir_ + "/tempo3.int";
    for (const char* name : {"a", "b", "c", "d"}) {
      std::string path = dir_ + "/" + name;
      WriteFile(path, std::string("old ") + name + "\r\n");
      files_.push_back({path, std::string("old ") + name + "\r\n",
                        std::string("new ") + name + "\r\n"});
    }
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Name(const std::string& path) const {
    return path.substr(dir_.size() + 1);
  }

  std::string dir_;
  std::string work_;
  std::vector<PendingFile> files_;
};

TEST_F(FileCommitTest, ReplacesFilesThatHaveANewText) {
  files_[1].new_text.reset();
  std::vector<std::string> calls;
  CommitFiles(files_, work_,
              [&](const std::string& target, const std::string& work,
                  std::string_view content) {
                calls.push_back(Name(target));
                ReplaceThroughWorkingFile(target, work, content);
              });
  EXPECT_EQ(calls, (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_EQ(ReadFile(dir_ + "/a"), "new a\r\n");
  EXPECT_EQ(ReadFile(dir_ + "/b"), "old b\r\n");
  EXPECT_EQ(ReadFile(dir_ + "/c"), "new c\r\n");
  EXPECT_EQ(ReadFile(dir_ + "/d"), "new d\r\n");
  EXPECT_FALSE(FileExists(work_));
}

TEST_F(FileCommitTest, AFailureMidwayPutsTheReplacedFilesBack) {
  std::vector<std::string> calls;
  auto failing_c = [&](const std::string& target, const std::string& work,
                       std::string_view content) {
    calls.push_back(Name(target) + " <- " + std::string(content.substr(0, 3)));
    if (Name(target) == "c") {
      WriteFile(work, "half");
      throw RunError("cannot write: No space left on device", work);
    }
    ReplaceThroughWorkingFile(target, work, content);
  };
  try {
    CommitFiles(files_, work_, failing_c);
    FAIL() << "no error";
  } catch (const RunError& e) {
    EXPECT_EQ(e.file(), dir_ + "/c");
    EXPECT_EQ(e.reason(), "cannot write: No space left on device");
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"a <- new", "b <- new", "c <- new",
                                             "b <- old", "a <- old"}));
  for (const char* name : {"a", "b", "c", "d"}) {
    EXPECT_EQ(ReadFile(dir_ + "/" + name), std::string("old ") + name + "\r\n");
  }
  EXPECT_FALSE(FileExists(work_));
}

TEST_F(FileCommitTest, AFileThatCannotBeWrittenStopsBeforeAnyReplacement) {
  // A symbolic link is refused even to root, who may write anything else.
  fs::remove(dir_ + "/c");
  fs::create_symlink(dir_ + "/d", dir_ + "/c");
  int calls = 0;
  try {
    CommitFiles(files_, work_,
                [&](const std::string&, const std::string&, std::string_view) {
                  ++calls;
                });
    FAIL() << "no error";
  } catch (const RunError& e) {
    EXPECT_EQ(e.file(), dir_ + "/c");
    EXPECT_EQ(e.reason(), "is a symbolic link; refusing to write through it");
  }
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(ReadFile(dir_ + "/a"), "old a\r\n");
  EXPECT_EQ(ReadFile(dir_ + "/d"), "old d\r\n");
}

}  // namespace
}  // namespace kestrelon

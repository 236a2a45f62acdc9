#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "table/table_test_support.h"
#include "tests/test_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::ErrorOf;

class TextFileTest : public testing::Test {
 protected:
  bool IsLink(const std::string& name) {
    return fs::is_symlink(fs::symlink_status(dir_ / name));
  }
  // "PATH: reason" for the file `name` of the directory.
  std::string Error(const std::string& name, const std::string& reason) {
    return dir_ / name + ": " + reason;
  }
  testing_support::ScratchDir dir_;
};

TEST_F(TextFileTest, ReadFileReadsEveryByteOfARegularFileOnly) {
  const std::string bytes("A\0B\r\n\xff\xe9\r\x01", 9);
  EXPECT_EQ(ReadFile(dir_.Write("bin", bytes)), bytes);
  // A link the user chose is followed.
  fs::create_symlink(dir_ / "bin", dir_ / "chosen");
  EXPECT_EQ(ReadFile(dir_ / "chosen"), bytes);

  fs::create_directory(dir_ / "adir");
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  // A sparse file: no disk space, but the size of a huge one.
  fs::resize_file(dir_.Write("huge", ""), kMaxFileBytes + 1);
  struct Case {
    std::string name, reason;
  } cases[] = {
      {"missing", "cannot open: No such file or directory"},
      {"adir", "is not a regular file"},
      // A FIFO without a writer must not block the read.
      {"fifo", "is not a regular file"},
      {"huge", "is larger than 256 MiB, too large for a mechanism file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf([&] { ReadFile(dir_ / c.name); }),
              Error(c.name, c.reason));
  }
}

TEST_F(TextFileTest, WriteAndAppend) {
  WriteFile(dir_ / "out", "LONG OLD CONTENT\r\n");
  WriteFile(dir_ / "out", "NEW\r\n");
  AppendFile(dir_ / "out", "MORE\r\n");
  EXPECT_EQ(dir_.Read("out"), "NEW\r\nMORE\r\n");
  EXPECT_EQ(
      ErrorOf([&] { AppendFile(dir_ / "missing", "X"); }),
      Error("missing", "cannot open for appending: No such file or directory"));
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
  LineBuffer buffer;
  buffer.Add("ELEMENTS");
  buffer.Add(std::string_view("A\0B", 3));
  EXPECT_EQ(buffer.text(), std::string("ELEMENTS\r\nA\0B\r\n", 15));
}

TEST_F(TextFileTest, WritesNeverGoThroughALinkOrWaitForAReader) {
  dir_.Write("precious", "KEEP\n");
  fs::create_symlink(dir_ / "precious", dir_ / "tempo.int");
  fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
  fs::create_directory(dir_ / "taken");
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  const char* link = "is a symbolic link; refusing to write through it";
  const std::pair<const char*, const char*> cases[] = {
      {"tempo.int", link},
      {"dangling", link},
      {"taken", "cannot create: Is a directory"},
      // No reader: the open fails at once instead of waiting for one.
      {"fifo", "cannot create: No such device or address"},
  };
  for (auto [name, reason] : cases) {
    EXPECT_EQ(ErrorOf([&] { WriteFile(dir_ / name, "X"); }),
              Error(name, reason));
  }
  EXPECT_EQ(ErrorOf([&] { AppendFile(dir_ / "tempo.int", "X"); }),
            Error("tempo.int", link));
  EXPECT_EQ(ErrorOf([] { WriteFile("/dev/full", "X"); }),
            "/dev/full: is not a regular file");
  EXPECT_TRUE(IsLink("tempo.int"));
  EXPECT_EQ(dir_.Read("precious"), "KEEP\n");
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

// A full disk, imitated by a file size limit (which holds for root too):
// the write that passes it fails, and the failure is reported.
TEST_F(TextFileTest, AFailingWriteIsReported) {
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    _exit(ErrorOf([&] { WriteFile(dir_ / "full", std::string(10000, 'A')); }) ==
                  Error("full", "cannot write: File too large")
              ? 0
              : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(TextFileTest, ReplaceThroughWorkingFile) {
  const std::string work = dir_ / "tempo3.int";
  ReplaceThroughWorkingFile(dir_.Write("mechj.rxn", "OLD"), work, "NEW");
  EXPECT_EQ(dir_.Read("mechj.rxn"), "NEW");
  EXPECT_FALSE(fs::exists(work));

  // A link in place of the target: neither it nor its target change.
  dir_.Write("precious", "KEEP\n");
  fs::create_symlink(dir_ / "precious", dir_ / "linkj.rxn");
  EXPECT_EQ(ErrorOf([&] {
              ReplaceThroughWorkingFile(dir_ / "linkj.rxn", work, "X");
            }),
            Error("linkj.rxn", "is a symbolic link; refusing to replace it"));
  EXPECT_EQ(
      ErrorOf([&] { ReplaceThroughWorkingFile(dir_ / "missing", work, "X"); }),
      Error("missing", "cannot replace: No such file or directory"));
  EXPECT_FALSE(fs::exists(work));
  // A link in place of the working file: the target keeps its content and
  // the planted link stays as it was.
  fs::create_symlink(dir_ / "precious", work);
  EXPECT_EQ(
      ErrorOf(
          [&] { ReplaceThroughWorkingFile(dir_ / "mechj.rxn", work, "X"); }),
      Error("tempo3.int", "is a symbolic link; refusing to write through it"));
  EXPECT_EQ(dir_.Read("mechj.rxn"), "NEW");
  EXPECT_TRUE(IsLink("tempo3.int"));
  EXPECT_EQ(dir_.Read("precious"), "KEEP\n");
}

TEST_F(TextFileTest, RemoveFileRemovesLinksNotTheirTargets) {
  dir_.Write("precious", "KEEP\n");
  fs::create_symlink(dir_ / "precious", dir_ / "tempo.int");
  RemoveFile(dir_ / "tempo.int");
  RemoveFile(dir_ / "tempo.int");  // missing: not an error
  EXPECT_EQ(dir_.Files(), std::vector<std::string>{"precious"});
  fs::create_directory(dir_ / "tempo2.int");
  EXPECT_EQ(ErrorOf([&] { RemoveFile(dir_ / "tempo2.int"); }),
            Error("tempo2.int", "cannot delete: Is a directory"));
}

}  // namespace
}  // namespace kestrelon

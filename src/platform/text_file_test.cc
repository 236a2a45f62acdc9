#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::ErrorOf;

// A directory with a file to protect, a link to it, a dangling link and a
// FIFO without reader or writer.
class TextFileTest : public testing::Test {
 protected:
  TextFileTest() {
    dir_.Write("precious", "KEEP\n");
    fs::create_symlink(dir_ / "precious", dir_ / "link");
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
    ::mkfifo((dir_ / "fifo").c_str(), 0644);
  }
  // "PATH: reason" for the file `name` of the directory.
  std::string Error(const std::string& name, const std::string& reason) {
    return dir_ / name + ": " + reason;
  }
  void ExpectNothingWrittenThroughALink() {
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "link")));
    EXPECT_EQ(dir_.Read("precious"), "KEEP\n");
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
  }
  testing_support::ScratchDir dir_;
};

TEST_F(TextFileTest, ReadFileReadsEveryByteOfARegularFileNotTooLarge) {
  const std::string bytes("A\0B\r\n\xff\xe9\r\x01", 9);
  EXPECT_EQ(ReadFile(dir_.Write("bin", bytes)), bytes);
  // A sparse file: no disk space, but the size of a huge one.
  fs::resize_file(dir_.Write("huge", ""), kMaxFileBytes + 1);
  EXPECT_EQ(ErrorOf([&] { ReadFile(dir_ / "huge"); }),
            Error("huge",
                  "is larger than 256 MiB, too large for a mechanism "
                  "file"));
  // (A FIFO read: hostile_test's InputsThatAreNoFile, through whole runs.)
}

TEST_F(TextFileTest, WritesNeverGoThroughALinkOrWaitForAReader) {
  WriteFile(dir_ / "out", "LONG OLD CONTENT\r\n");
  WriteFile(dir_ / "out", "NEW\r\n");
  AppendFile(dir_ / "out", "MORE\r\n");
  EXPECT_EQ(dir_.Read("out"), "NEW\r\nMORE\r\n");

  const char* link = "is a symbolic link; refusing to write through it";
  const std::pair<const char*, const char*> cases[] = {
      {"link", link},
      {"dangling", link},
      // No reader: the open fails at once instead of waiting for one.
      {"fifo", "cannot create: No such device or address"},
  };
  for (auto [name, reason] : cases) {
    EXPECT_EQ(ErrorOf([&] { WriteFile(dir_ / name, "X"); }),
              Error(name, reason));
  }
  EXPECT_EQ(ErrorOf([&] { AppendFile(dir_ / "link", "X"); }),
            Error("link", link));
  EXPECT_EQ(
      ErrorOf([&] { AppendFile(dir_ / "missing", "X"); }),
      Error("missing", "cannot open for appending: No such file or directory"));
  EXPECT_EQ(ErrorOf([] { WriteFile("/dev/full", "X"); }),
            "/dev/full: is not a regular file");
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
  ExpectNothingWrittenThroughALink();
}

}  // namespace
}  // namespace kestrelon

#include "platform/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "textfileXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl + "/";
  }
  void TearDown() override {
    ::chmod(dir_.c_str(), 0755);
    fs::remove_all(dir_);
  }

  // Plain writes and reads, independent of the unit under test.
  std::string Make(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + name, std::ios::binary) << text;
    return dir_ + name;
  }
  std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool IsLink(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  }

  // Runs `work` and returns the reason of the RunError it throws.
  template <typename Work>
  std::string ReasonOf(Work&& work) {
    try {
      work();
    } catch (const RunError& e) {
      return e.reason();
    }
    return "(no error)";
  }

  std::string dir_;
};

TEST_F(TextFileTest, ReadFileKeepsEveryByte) {
  std::string bytes("A\0B\r\n\xff\xe9\r\x01", 9);
  EXPECT_EQ(ReadFile(Make("bin", bytes)), bytes);
  EXPECT_EQ(ReadFile(Make("empty", "")), "");
}

TEST_F(TextFileTest, ReadFileReadsALargeFileWhole) {
  std::string big;
  for (int i = 0; i < 300000; ++i) big += "LINE " + std::to_string(i) + "\r\n";
  EXPECT_EQ(ReadFile(Make("big", big)), big);
}

TEST_F(TextFileTest, ReadFileRefusesAnEnormousFile) {
  // A sparse file: no disk space, but the size of a huge one.
  std::string path = Make("huge.inp", "");
  fs::resize_file(path, kMaxFileBytes + 1);
  EXPECT_EQ(ReasonOf([&] { ReadFile(path); }),
            "is larger than 256 MiB, too large for a mechanism file");
  fs::resize_file(path, kMaxFileBytes);
  EXPECT_EQ(ReadFile(path).size(), kMaxFileBytes);
}

TEST_F(TextFileTest, ReadFileFollowsALinkTheUserChose) {
  Make("real.inp", "ELEMENTS\r\n");
  fs::create_symlink(dir_ + "real.inp", dir_ + "chosen.inp");
  EXPECT_EQ(ReadFile(dir_ + "chosen.inp"), "ELEMENTS\r\n");
}

TEST_F(TextFileTest, ReadFileRefusesWhatIsNotARegularFile) {
  fs::create_directory(dir_ + "adir");
  ASSERT_EQ(::mkfifo((dir_ + "fifo").c_str(), 0644), 0);
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir_ + "missing", "cannot open: No such file or directory"},
      {dir_ + "adir", "is not a regular file"},
      // A FIFO without a writer must not block the read.
      {dir_ + "fifo", "is not a regular file"},
      {"/dev/null", "is not a regular file"},
  };
  for (const Case& c : cases) {
    try {
      ReadFile(c.path);
      ADD_FAILURE() << c.path << " was read";
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), c.reason) << c.path;
      EXPECT_EQ(e.file(), c.path);
    }
  }
}

TEST_F(TextFileTest, WriteFileCreatesAndTruncates) {
  std::string path = dir_ + "out.rxn";
  WriteFile(path, "LONG OLD CONTENT\r\n");
  WriteFile(path, "NEW\r\n");
  EXPECT_EQ(Content(path), "NEW\r\n");
}

TEST_F(TextFileTest, WriteAndAppendNeverGoThroughALink) {
  std::string target = Make("precious.txt", "KEEP\n");
  fs::create_symlink(target, dir_ + "tempo.int");
  fs::create_symlink(dir_ + "nowhere", dir_ + "dangling.int");
  struct Case {
    const char* what;
    std::function<void()> write;
    std::string link;
  } cases[] = {
      {"write", [&] { WriteFile(dir_ + "tempo.int", "X"); }, "tempo.int"},
      {"append", [&] { AppendFile(dir_ + "tempo.int", "X"); }, "tempo.int"},
      {"dangling", [&] { WriteFile(dir_ + "dangling.int", "X"); },
       "dangling.int"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReasonOf(c.write),
              "is a symbolic link; refusing to write through it")
        << c.what;
    EXPECT_TRUE(IsLink(dir_ + c.link)) << c.what;
  }
  EXPECT_EQ(Content(target), "KEEP\n");
  EXPECT_FALSE(fs::exists(dir_ + "nowhere"));
}

TEST_F(TextFileTest, WriteFailuresNameTheFileAndTheCause) {
  fs::create_directory(dir_ + "taken.rxn");
  ASSERT_EQ(::mkfifo((dir_ + "fifo.int").c_str(), 0644), 0);
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir_ + "taken.rxn", "cannot create: Is a directory"},
      {dir_ + "no/such/dir.rxn", "cannot create: No such file or directory"},
      // No reader: the open fails at once instead of waiting for one.
      {dir_ + "fifo.int", "cannot create: No such device or address"},
      {"/dev/full", "is not a regular file"},
      {dir_ + std::string(300, 'N'), "cannot create: File name too long"},
  };
  for (const Case& c : cases) {
    try {
      WriteFile(c.path, "DATA\r\n");
      ADD_FAILURE() << c.path << " was written";
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), c.reason) << c.path;
      EXPECT_EQ(e.file(), c.path);
    }
  }
}

TEST_F(TextFileTest, WriteFileInAReadOnlyDirectoryFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  EXPECT_EQ(ReasonOf([&] { WriteFile(dir_ + "out.rxn", "X"); }),
            "cannot create: Permission denied");
}

// A full disk, imitated by a file size limit (which holds for root too):
// the write that passes it fails, and the failure is reported.
TEST_F(TextFileTest, AFailingWriteIsReported) {
  std::string path = dir_ + "full.rxn";
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::string reason = "(no error)";
    try {
      WriteFile(path, std::string(10000, 'A'));
    } catch (const RunError& e) {
      reason = e.reason();
    }
    _exit(reason == "cannot write: File too large" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(TextFileTest, AppendFileAddsToTheEnd) {
  std::string path = Make("out.rxn", "END\r\n");
  AppendFile(path, "HEADING\r\n");
  EXPECT_EQ(Content(path), "END\r\nHEADING\r\n");
  EXPECT_EQ(ReasonOf([&] { AppendFile(dir_ + "missing.rxn", "X"); }),
            "cannot open for appending: No such file or directory");
  EXPECT_FALSE(fs::exists(dir_ + "missing.rxn"));
}

TEST_F(TextFileTest, ReplaceThroughWorkingFileSwapsTheContent) {
  std::string target = Make("mechj.rxn", "OLD\r\n");
  ReplaceThroughWorkingFile(target, dir_ + "tempo3.int", "NEW\r\n");
  EXPECT_EQ(Content(target), "NEW\r\n");
  EXPECT_FALSE(fs::exists(dir_ + "tempo3.int"));
}

TEST_F(TextFileTest, ReplaceThroughWorkingFileRefusesLinks) {
  std::string precious = Make("precious.txt", "KEEP\n");
  std::string target = Make("mechj.rxn", "OLD\r\n");

  // A link in place of the target: neither it nor its target change.
  fs::create_symlink(precious, dir_ + "linkj.rxn");
  EXPECT_EQ(ReasonOf([&] {
              ReplaceThroughWorkingFile(dir_ + "linkj.rxn", dir_ + "tempo3.int",
                                        "NEW\r\n");
            }),
            "is a symbolic link; refusing to replace it");
  EXPECT_TRUE(IsLink(dir_ + "linkj.rxn"));
  EXPECT_FALSE(fs::exists(dir_ + "tempo3.int"));

  // A link in place of the working file: the target keeps its content and
  // the planted link stays as it was.
  fs::create_symlink(precious, dir_ + "tempo3.int");
  EXPECT_EQ(ReasonOf([&] {
              ReplaceThroughWorkingFile(target, dir_ + "tempo3.int", "NEW\r\n");
            }),
            "is a symbolic link; refusing to write through it");
  EXPECT_EQ(Content(target), "OLD\r\n");
  EXPECT_TRUE(IsLink(dir_ + "tempo3.int"));
  EXPECT_EQ(Content(precious), "KEEP\n");
}

TEST_F(TextFileTest, ReplaceThroughWorkingFileNeedsARegularTarget) {
  fs::create_directory(dir_ + "dirj.rxn");
  struct Case {
    std::string target;
    const char* reason;
  } cases[] = {
      {dir_ + "missing.rxn", "cannot replace: No such file or directory"},
      {dir_ + "dirj.rxn", "is not a regular file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReasonOf([&] {
                ReplaceThroughWorkingFile(c.target, dir_ + "tempo3.int", "X");
              }),
              c.reason)
        << c.target;
    EXPECT_FALSE(fs::exists(dir_ + "tempo3.int"));
  }
}

TEST_F(TextFileTest, ReplaceThroughWorkingFileLeavesTheTargetOnAFailedWrite) {
  // The working file's name is taken by a directory: nothing can be
  // written, and the target keeps its content.
  std::string target = Make("mechj.rxn", "OLD\r\n");
  fs::create_directory(dir_ + "tempo3.int");
  EXPECT_EQ(ReasonOf([&] {
              ReplaceThroughWorkingFile(target, dir_ + "tempo3.int", "NEW");
            }),
            "cannot create: Is a directory");
  EXPECT_EQ(Content(target), "OLD\r\n");
  EXPECT_TRUE(fs::is_directory(dir_ + "tempo3.int"));
}

TEST_F(TextFileTest, RemoveFileRemovesLinksNotTheirTargets) {
  std::string precious = Make("precious.txt", "KEEP\n");
  fs::create_symlink(precious, dir_ + "tempo.int");
  RemoveFile(dir_ + "tempo.int");
  EXPECT_FALSE(IsLink(dir_ + "tempo.int"));
  EXPECT_EQ(Content(precious), "KEEP\n");
  RemoveFile(dir_ + "tempo.int");  // missing: not an error
  fs::create_directory(dir_ + "tempo2.int");
  EXPECT_EQ(ReasonOf([&] { RemoveFile(dir_ + "tempo2.int"); }),
            "cannot delete: Is a directory");
}

TEST_F(TextFileTest, FileExistsSeesLinksToo) {
  Make("a.inp", "");
  fs::create_symlink(dir_ + "nowhere", dir_ + "dangling");
  EXPECT_TRUE(FileExists(dir_ + "a.inp"));
  EXPECT_TRUE(FileExists(dir_ + "dangling"));
  EXPECT_FALSE(FileExists(dir_ + "nowhere"));
}

TEST(LineBufferTest, EndsEveryLineWithCrLf) {
  LineBuffer buffer;
  buffer.Add("ELEMENTS");
  buffer.Add("");
  buffer.Add(std::string_view("A\0B", 3));
  EXPECT_EQ(buffer.text(), std::string("ELEMENTS\r\n\r\nA\0B\r\n", 17));
}

}  // namespace
}  // namespace kestrelon

#include "platform/dir_lock.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class DirectoryLockTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "dirlockXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl + "/";
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

TEST_F(DirectoryLockTest, ASecondLockWaitsForTheFirst) {
  std::atomic<int> step{0};
  std::atomic<bool> waited{false};
  std::optional<DirectoryLock> first;
  first.emplace(dir_);
  ASSERT_TRUE(first->held());
  std::thread second([&] {
    DirectoryLock lock(dir_, [&] { waited = true; });
    // Got here only after the first lock was released.
    EXPECT_EQ(step.load(), 1);
    step = 2;
  });
  std::this_thread::sleep_for(milliseconds(150));
  EXPECT_EQ(step.load(), 0);
  step = 1;
  first.reset();
  second.join();
  EXPECT_EQ(step.load(), 2);
  EXPECT_TRUE(waited);
}

TEST_F(DirectoryLockTest, TheSameDirectoryByAnotherPathIsTheSameLock) {
  fs::create_directory(dir_ + "real");
  fs::create_symlink(dir_ + "real", dir_ + "alias");
  std::atomic<bool> waited{false};
  std::optional<DirectoryLock> first;
  first.emplace(dir_ + "real/");
  std::thread second(
      [&] { DirectoryLock lock(dir_ + "alias/", [&] { waited = true; }); });
  std::this_thread::sleep_for(milliseconds(100));
  EXPECT_TRUE(waited);
  first.reset();
  second.join();
}

TEST_F(DirectoryLockTest, LocksOnOtherDirectoriesDoNotWait) {
  fs::create_directory(dir_ + "a");
  fs::create_directory(dir_ + "b");
  bool waited = false;
  DirectoryLock a(dir_ + "a");
  DirectoryLock b(dir_ + "b", [&] { waited = true; });
  EXPECT_FALSE(waited);
  EXPECT_TRUE(b.held());
}

TEST_F(DirectoryLockTest, AnotherProcessWaitsToo) {
  // The child is forked before the parent locks: a forked copy of the
  // parent's lock would be the same lock, not a second one.
  int to_child[2], to_parent[2];
  ASSERT_EQ(::pipe(to_child), 0);
  ASSERT_EQ(::pipe(to_parent), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char c;
    if (::read(to_child[0], &c, 1) != 1) _exit(2);
    DirectoryLock lock(dir_, [&] { (void)!::write(to_parent[1], "w", 1); });
    _exit(0);
  }
  std::optional<DirectoryLock> held;
  held.emplace(dir_);
  ASSERT_EQ(::write(to_child[1], "l", 1), 1);
  char c = 0;
  ASSERT_EQ(::read(to_parent[0], &c, 1), 1);
  EXPECT_EQ(c, 'w');
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the child did not wait";
  held.reset();
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int fd : {to_child[0], to_child[1], to_parent[0], to_parent[1]}) {
    ::close(fd);
  }
}

int OpenDescriptors() {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd"))
    ++n;
  return n;
}

TEST_F(DirectoryLockTest, AThrowingWaitCallbackLeavesNothingOpen) {
  DirectoryLock first(dir_);
  int before = OpenDescriptors();
  EXPECT_THROW(DirectoryLock(dir_, [] { throw RunError("cancelled"); }),
               RunError);
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(DirectoryLockTest, ADirectoryThatCannotBeOpenedIsAFailure) {
  std::ofstream(dir_ + "file") << "x";
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir_ + "missing", "cannot open directory: No such file or directory"},
      {dir_ + "file", "cannot open directory: Not a directory"},
  };
  for (const Case& c : cases) {
    try {
      DirectoryLock lock(c.path);
      ADD_FAILURE() << c.path << " was locked";
    } catch (const RunError& e) {
      EXPECT_EQ(e.reason(), c.reason);
      EXPECT_EQ(e.file(), c.path);
    }
  }
}

TEST_F(DirectoryLockTest, AnEmptyNameLocksTheCurrentDirectory) {
  DirectoryLock lock("");
  EXPECT_TRUE(lock.held());
}

}  // namespace
}  // namespace kestrelon

#include "platform/dir_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "table/table_test_support.h"
#include "tests/test_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

TEST(DirectoryLockTest, ASecondLockOnTheSameDirectoryWaitsForTheFirst) {
  testing_support::ScratchDir dir;
  fs::create_directory(dir / "real");
  fs::create_symlink(dir / "real", dir / "alias");
  std::atomic<bool> released{false}, waited{false};
  std::optional<DirectoryLock> first;
  first.emplace(dir / "real");
  // A lock elsewhere does not wait.
  DirectoryLock other(dir.path(), [] { ADD_FAILURE() << "waited"; });
  // The same directory by another path is the same lock.
  std::thread second([&] {
    DirectoryLock lock(dir / "alias", [&] { waited = true; });
    EXPECT_TRUE(released);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  released = true;
  first.reset();
  second.join();
  EXPECT_TRUE(waited);
}

TEST(DirectoryLockTest, AnotherProcessWaitsToo) {
  // The child is forked before the parent locks: a forked copy of the
  // parent's lock would be the same lock, not a second one.
  testing_support::ScratchDir dir;
  int to_child[2], to_parent[2];
  ASSERT_EQ(::pipe(to_child), 0);
  ASSERT_EQ(::pipe(to_parent), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char c;
    if (::read(to_child[0], &c, 1) != 1) _exit(2);
    DirectoryLock lock(dir.path(),
                       [&] { (void)!::write(to_parent[1], "w", 1); });
    _exit(0);
  }
  std::optional<DirectoryLock> held;
  held.emplace(dir.path());
  ASSERT_EQ(::write(to_child[1], "l", 1), 1);
  char c = 0;
  ASSERT_EQ(::read(to_parent[0], &c, 1), 1);
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the child did not wait";
  held.reset();
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int fd : {to_child[0], to_child[1], to_parent[0], to_parent[1]}) {
    ::close(fd);
  }
}

TEST(DirectoryLockTest, FailuresLeaveNothingOpen) {
  testing_support::ScratchDir dir;
  dir.Write("file", "x");
  auto open_descriptors = [] {
    auto it = fs::directory_iterator("/proc/self/fd");
    return std::distance(fs::begin(it), fs::end(it));
  };
  DirectoryLock first(dir.path());
  const auto before = open_descriptors();
  EXPECT_EQ(testing_support::ErrorOf([&] {
              DirectoryLock(dir.path(), [] { throw RunError("cancelled"); });
            }),
            "cancelled");
  EXPECT_EQ(testing_support::ErrorOf([&] { DirectoryLock lock(dir / "file"); }),
            dir / "file: cannot open directory: Not a directory");
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
}  // namespace kestrelon

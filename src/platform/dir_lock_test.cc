#include "platform/dir_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "tests/support/process_support.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

// Runs in other processes are kept apart as well: see the parallel runs
// test.
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

TEST(DirectoryLockTest, AThrowingWaitCallbackLeavesNothingOpen) {
  testing_support::ScratchDir dir;
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
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
}  // namespace kestrelon

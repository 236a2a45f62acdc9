#include "platform/side_task.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

namespace kestrelon {
namespace {

TEST(SideTaskTest, RunsOnAnotherThreadAndRethrowsWhatTheTaskThrew) {
  std::thread::id ran_on;
  SideTask task([&] {
    ran_on = std::this_thread::get_id();
    throw std::runtime_error("the task's own failure");
  });
  try {
    task.Wait();
    FAIL() << "the failure was lost";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "the task's own failure");
  }
  EXPECT_NE(ran_on, std::this_thread::get_id());
}

TEST(SideTaskTest, AKeptThreadTakesTheNextTaskAndTheDestructorWaits) {
  PrepareSideThread();
  std::thread::id first;
  std::thread::id second;
  {
    SideTask task([&] { first = std::this_thread::get_id(); });
    task.Wait();
  }
  {
    // Not waited for: leaving the scope waits, so `second` is set below.
    SideTask task([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      second = std::this_thread::get_id();
    });
  }
  EXPECT_EQ(first, second);
  EXPECT_NE(second, std::thread::id());
}

// Two tasks at once each get a thread: the first only ends once the second
// has run, which one thread serving both would never see.
TEST(SideTaskTest, TasksAtTheSameTimeDoNotWaitForEachOther) {
  std::promise<void> second_ran;
  std::future<void> seen = second_ran.get_future();
  std::future_status status = std::future_status::deferred;
  SideTask first([&] { status = seen.wait_for(std::chrono::seconds(10)); });
  SideTask second([&] { second_ran.set_value(); });
  second.Wait();
  first.Wait();
  EXPECT_EQ(status, std::future_status::ready);
}

}  // namespace
}  // namespace kestrelon

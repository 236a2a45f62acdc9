#include "platform/side_task.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace kestrelon {

struct SideThread {
  std::mutex mutex;
  std::condition_variable changed;
  std::function<void()> task;  // set: a task is waiting or running
  bool done = false;
  std::exception_ptr failure;
};

namespace {

// The idle kept threads. Never destroyed: a kept thread may still sleep in
// it while the process ends.
struct IdleThreads {
  std::mutex mutex;
  std::vector<SideThread*> idle;
};

IdleThreads& Idle() {
  static IdleThreads* const idle = new IdleThreads;
  return *idle;
}

void Serve(SideThread* t) {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock<std::mutex> lock(t->mutex);
      t->changed.wait(lock, [t] { return t->task && !t->done; });
      task = t->task;
    }
    std::exception_ptr failure;
    try {
      task();
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(t->mutex);
      t->failure = failure;
      t->done = true;
    }
    t->changed.notify_all();
  }
}

// A kept thread, idle or new; null when none can be made.
SideThread* TakeThread() {
  {
    IdleThreads& idle = Idle();
    std::lock_guard<std::mutex> lock(idle.mutex);
    if (!idle.idle.empty()) {
      SideThread* t = idle.idle.back();
      idle.idle.pop_back();
      return t;
    }
  }
  auto* t = new SideThread;
  try {
    std::thread(Serve, t).detach();
  } catch (const std::system_error&) {
    delete t;
    return nullptr;
  }
  return t;
}

void GiveBack(SideThread* t) {
  IdleThreads& idle = Idle();
  std::lock_guard<std::mutex> lock(idle.mutex);
  idle.idle.push_back(t);
}

}  // namespace

SideTask::SideTask(std::function<void()> task) {
  thread_ = TakeThread();
  if (thread_ == nullptr) {
    try {
      task();
    } catch (...) {
      failure_ = std::current_exception();
    }
    return;
  }
  {
    std::lock_guard<std::mutex> lock(thread_->mutex);
    thread_->task = std::move(task);
    thread_->done = false;
  }
  thread_->changed.notify_all();
}

SideTask::~SideTask() {
  try {
    Wait();
  } catch (...) {
    // Whoever wanted the failure called Wait().
  }
}

void SideTask::Wait() {
  if (thread_ != nullptr) {
    SideThread* t = std::exchange(thread_, nullptr);
    {
      std::unique_lock<std::mutex> lock(t->mutex);
      t->changed.wait(lock, [t] { return t->done; });
      failure_ = std::exchange(t->failure, nullptr);
      t->task = nullptr;
    }
    GiveBack(t);
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void PrepareSideThread() {
  SideThread* t = TakeThread();
  if (t != nullptr) GiveBack(t);
}

}  // namespace kestrelon

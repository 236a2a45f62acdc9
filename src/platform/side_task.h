// Runs a piece of work on a thread beside the caller's, on threads that are
// kept once made.
//
// A new thread can wait milliseconds before the scheduler puts it on an
// idle core, longer than some of the work handed to it; a kept thread that
// sleeps until it is given a task is woken on an idle core at once. A run
// asks for one with PrepareSideThread() before its first task, so that it
// is made while the run reads its input.
//
// SideTask starts its task on an idle kept thread (making one when none is
// idle, so tasks of runs side by side never wait for each other) and waits
// for it in Wait() or its destructor. When no thread can be made the task
// runs at once on the caller's thread, as one after the other. What the
// task throws is rethrown by Wait(). The kept threads sleep when idle and
// end with the process.
#ifndef KESTRELON_PLATFORM_SIDE_TASK_H_
#define KESTRELON_PLATFORM_SIDE_TASK_H_

#include <exception>
#include <functional>

namespace kestrelon {

struct SideThread;

class SideTask {
 public:
  explicit SideTask(std::function<void()> task);
  ~SideTask();
  SideTask(const SideTask&) = delete;
  SideTask& operator=(const SideTask&) = delete;

  // Waits for the task to end; rethrows what it threw. Called once.
  void Wait();

 private:
  SideThread* thread_ = nullptr;  // null: the task ran on the caller's
  std::exception_ptr failure_;
};

// Makes sure one kept thread is idle, making it now if none is.
void PrepareSideThread();

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_SIDE_TASK_H_

#include "cli/clean_batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/clean_command.h"
#include "model/working_table.h"

namespace kestrelon {
namespace {

struct Result {
  int status = 0;
  std::string out;
  std::string err;
  bool done = false;
};

// The mechanisms of each directory, by their place in the arguments.
std::vector<std::vector<size_t>> ByDirectory(
    const std::vector<std::string>& files) {
  std::map<std::string, size_t> group_of;
  std::vector<std::vector<size_t>> groups;
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(files[i], ec);
    const std::string dir =
        ec ? std::string() : path.lexically_normal().parent_path().string();
    auto [at, added] = group_of.try_emplace(dir, groups.size());
    if (added) groups.emplace_back();
    groups[at->second].push_back(i);
  }
  return groups;
}

int JobCount(const CleanOptions& options) {
  if (options.jobs > 0) return options.jobs;
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool shown) : err_(err), shown_(shown) {}

  void Clear() {
    if (shown_ && width_ > 0) err_ << '\r' << std::string(width_, ' ') << '\r';
    width_ = 0;
  }

  void Show(size_t done, size_t total, const std::string& file) {
    if (!shown_) return;
    const std::string text =
        "[" + std::to_string(done) + "/" + std::to_string(total) + "] " + file;
    err_ << '\r' << text << std::flush;
    width_ = text.size();
  }

 private:
  std::ostream& err_;
  bool shown_;
  size_t width_ = 0;
};

}  // namespace

int RunCleanBatch(const CleanOptions& options, std::ostream& out,
                  std::ostream& err, bool progress) {
  const std::vector<std::string>& files = options.mechanisms;
  const std::vector<std::vector<size_t>> groups = ByDirectory(files);
  std::vector<Result> results(files.size());
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<size_t> next_group{0};

  auto work = [&] {
    // One table a worker, reused by each of its runs.
    WorkingTable table;
    for (size_t g; (g = next_group++) < groups.size();) {
      for (size_t i : groups[g]) {
        std::ostringstream run_out, run_err;
        const int status = CleanOneMechanism(ForMechanism(options, files[i]),
                                             run_out, run_err, &table);
        std::lock_guard<std::mutex> lock(mutex);
        results[i] = {status, run_out.str(), run_err.str(), true};
        finished.notify_one();
      }
    }
  };
  const size_t workers =
      std::min(groups.size(), static_cast<size_t>(JobCount(options)));
  std::vector<std::thread> threads;
  for (size_t w = 0; w < workers; ++w) threads.emplace_back(work);

  ProgressLine line(err, progress);
  int cleaned = 0, failed = 0, unreadable = 0, status = kExitOk;
  for (size_t i = 0; i < files.size(); ++i) {
    Result result;
    {
      std::unique_lock<std::mutex> lock(mutex);
      finished.wait(lock, [&] { return results[i].done; });
      result = std::move(results[i]);
    }
    line.Clear();
    out << result.out << std::flush;
    err << result.err << std::flush;
    line.Show(i + 1, files.size(), files[i]);
    if (result.status == kExitOk) {
      ++cleaned;
    } else {
      ++(result.status == kExitUnreadable ? unreadable : failed);
      if (status == kExitOk) status = result.status;
    }
  }
  for (std::thread& t : threads) t.join();
  line.Clear();
  if (!options.quiet || status != kExitOk) {
    out << cleaned << " cleaned, " << failed << " failed, " << unreadable
        << " unreadable\n";
  }
  return status;
}

}  // namespace kestrelon

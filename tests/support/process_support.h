// Helpers shared by the tests: a scratch directory that cleans up after
// itself, and a way to run the built `kestrelon` binary as a user would
// (no shell, stdin from /dev/null, stdout and stderr captured).
#ifndef KESTRELON_TESTS_SUPPORT_PROCESS_SUPPORT_H_
#define KESTRELON_TESTS_SUPPORT_PROCESS_SUPPORT_H_

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"

extern char** environ;

namespace kestrelon::testing_support {

class ScratchDir {
 public:
  ScratchDir() {
    std::string tmpl = ::testing::TempDir() + "kestrelonXXXXXX";
    if (mkdtemp(tmpl.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = tmpl;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const {
    return path_ + "/" + name;
  }
  // Writes `text` as it stands (the caller chooses the line ends).
  std::string Write(const std::string& name, const std::string& text) const {
    WriteFile(*this / name, text);
    return *this / name;
  }
  std::string Read(const std::string& name) const {
    return ReadFile(*this / name);
  }
  // The names in the directory, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string path_;
};

// The words of `text` between single blanks (a TAB stays in its word).
inline std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  for (size_t at = 0, end; at < text.size(); at = end + 1) {
    end = std::min(text.find(' ', at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
  }
  return words;
}

struct ProcessResult {
  int status = -1;  // exit status, -1 when killed by a signal
  std::string out;
  std::string err;
};

// Where a run's standard output goes instead of being captured (such as
// /dev/full), a limit on its address space in bytes (0: none), and the
// program and options to run it under (strace, a shell), if any.
struct ProcessSetup {
  std::string stdout_path = {};
  rlim_t memory_limit = 0;
  std::vector<std::string> under = {};
};

// Runs the built binary with `args`, in the directory `cwd` when given.
inline ProcessResult RunKestrelon(const std::vector<std::string>& args,
                                  const std::string& cwd = {},
                                  const ProcessSetup& setup = {}) {
  ScratchDir streams;
  const std::string out_path =
      setup.stdout_path.empty() ? streams / "stdout" : setup.stdout_path;
  const std::string err_path = streams / "stderr";
  std::vector<std::string> words = setup.under;
  words.push_back(KESTRELON_BINARY);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid == 0) {
    int in = ::open("/dev/null", O_RDONLY);
    int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0) ::_exit(127);
    int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (!cwd.empty() && ::chdir(cwd.c_str()) != 0) ::_exit(127);
    const rlimit limit{setup.memory_limit, setup.memory_limit};
    if (setup.memory_limit != 0 && ::setrlimit(RLIMIT_AS, &limit) != 0) {
      ::_exit(127);
    }
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  ProcessResult result;
  if (pid < 0) {
    ADD_FAILURE() << "cannot start " << KESTRELON_BINARY;
    return result;
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = setup.stdout_path.empty() ? ReadFile(out_path) : "";
  result.err = ReadFile(err_path);
  return result;
}

}  // namespace kestrelon::testing_support

#endif  // KESTRELON_TESTS_SUPPORT_PROCESS_SUPPORT_H_

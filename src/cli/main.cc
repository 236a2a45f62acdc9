// kestrelon: the batch command line, and the door to the window.
#include <limits.h>
#include <malloc.h>
#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/check_command.h"
#include "cli/clean_command.h"
#include "cli/compare_command.h"
#include "cli/output_check.h"
#include "platform/file_publisher.h"

namespace {

// With no arguments the window program takes over, so the batch commands
// never load the window's libraries. The one beside this program comes
// first: a build tree or a copied pair of programs runs its own window.
int OpenWindow(char** argv) {
  std::vector<std::string> candidates;
  char self[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
  if (n > 0) {
    self[n] = '\0';
    std::string beside(self);
    candidates.push_back(beside.substr(0, beside.rfind('/') + 1) +
                         "kestrelon-gui");
  }
  candidates.push_back(KESTRELON_INSTALLED_GUI);
  for (const std::string& gui : candidates) {
    if (::access(gui.c_str(), X_OK) == 0) ::execv(gui.c_str(), argv);
  }
  std::cerr << "kestrelon: the window is not available here\n";
  kestrelon::PrintUsage(std::cerr);
  return kestrelon::kExitUsage;
}

int Help() {
  kestrelon::PrintUsage(std::cout);
  return kestrelon::OutputWritten(std::cout, std::cerr)
             ? kestrelon::kExitOk
             : kestrelon::kExitFailed;
}

// Ctrl-C, a kill or a closed terminal: the files being published are
// removed, the outputs keep their old content, and the process ends by the
// same signal, so that the caller sees why.
void RemoveTemporariesAndDie(int signal) {
  kestrelon::RemovePendingTemporaries();
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void HandleSignals() {
  struct sigaction action = {};
  action.sa_handler = RemoveTemporariesAndDie;
  sigemptyset(&action.sa_mask);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old = {};
    // A signal the caller chose to ignore (nohup, a background job) stays
    // ignored.
    if (::sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
      continue;
    }
    sigaddset(&action.sa_mask, s);
  }
  for (int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old = {};
    if (::sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
      continue;
    }
    ::sigaction(s, &action, nullptr);
  }
  // Past a file-size limit (ulimit -f) a write fails with EFBIG and the run
  // reports it, instead of dying with a file cut short.
  ::signal(SIGXFSZ, SIG_IGN);
}

int RunCommand(const std::string& command,
               const std::vector<std::string>& args) {
  if (command == "--help" || command == "-h" || command == "help") {
    return Help();
  }
  if (command == "--version") {
    std::cout << "kestrelon " KESTRELON_VERSION "\n";
    return kestrelon::OutputWritten(std::cout, std::cerr)
               ? kestrelon::kExitOk
               : kestrelon::kExitFailed;
  }
  if (command == "clean") {
    HandleSignals();
    // A run makes and lets go of texts the size of its input, one after
    // another. glibc raises its threshold for handing large blocks back to
    // the system after the first is freed, and the later ones then stay in
    // the process; a fixed threshold returns each as it is let go.
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    for (const std::string& a : args) {
      if (a == "--") break;
      if (a == "--help" || a == "-h") return Help();
    }
    return kestrelon::RunCleanCommand(args, std::cout, std::cerr);
  }
  if (command == "check") {
    return kestrelon::RunCheckCommand(args, std::cout, std::cerr);
  }
  if (command == "compare") {
    return kestrelon::RunCompareCommand(args, std::cout, std::cerr);
  }
  std::cerr << "kestrelon: unknown command \"" << command << "\"\n";
  kestrelon::PrintUsage(std::cerr);
  return kestrelon::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) return OpenWindow(argv);
  const std::string command = argv[1];
  try {
    return RunCommand(command, std::vector<std::string>(argv + 2, argv + argc));
  } catch (const std::bad_alloc&) {
    // What the commands cannot catch themselves (the reports, the options)
    // still ends with a reason, not an abort.
    std::cerr << "kestrelon: out of memory\n";
    return command == "compare" ? 2 : kestrelon::kExitFailed;
  }
}

#include "cli/plot_option.h"

#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "compare/number_text.h"

extern char** environ;

namespace kestrelon {
namespace {

constexpr int kCannotWrite = 2;
constexpr int kLargestSide = 20000;  // pixels

bool EndsWithNoCase(const std::string& text, const char* end) {
  const std::string e(end);
  if (text.size() < e.size()) return false;
  for (size_t i = 0; i < e.size(); ++i) {
    char c = text[text.size() - e.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != e[i]) return false;
  }
  return true;
}

bool ParseSide(const std::string& text, int* side) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  *side = std::stoi(text);
  return *side >= 1 && *side <= kLargestSide;
}

bool ParseSize(const std::string& text, PlotRequest* plot) {
  const size_t x = text.find('x');
  return x != std::string::npos && ParseSide(text.substr(0, x), &plot->width) &&
         ParseSide(text.substr(x + 1), &plot->height);
}

bool ParseTemperatures(const std::string& text, PlotRequest* plot) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  std::optional<double> low = ParseNumberText(text.substr(0, colon));
  std::optional<double> high = ParseNumberText(text.substr(colon + 1));
  if (!low || !high || *low <= 0 || *low >= *high) return false;
  plot->t_low = *low;
  plot->t_high = *high;
  return true;
}

std::string GuiBesideThisProgram() {
  char self[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
  if (n <= 0) return {};
  self[n] = '\0';
  std::string gui(self);
  return gui.substr(0, gui.rfind('/') + 1) + "kestrelon-gui";
}

std::string Number(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", value);
  return buf;
}

}  // namespace

const char kPlotHelp[] =
    "  --plot FILE       also write the plot of k(B)/k(A) against T of the\n"
    "                    20 reactions whose rate constants differ most, as\n"
    "                    FILE.svg or FILE.png (no display needed)\n"
    "  --size WxH        the plot's size in pixels (default 1200x800)\n"
    "  --temperatures LOW:HIGH\n"
    "                    the plot's temperatures in K (default 300:3000)\n";

const char kPlotUsage[] =
    "usage: kestrelon compare FILE_A FILE_B --plot FILE.svg|FILE.png "
    "[--size WxH] [--temperatures LOW:HIGH]\n";

bool TakePlotOptions(std::vector<std::string>* args,
                     std::optional<PlotRequest>* plot, std::ostream& err) {
  auto fail = [&err](const std::string& what) {
    err << "kestrelon: " << what << "\n" << kPlotUsage;
    return false;
  };
  PlotRequest request;
  bool wanted = false;
  std::string size_given, temperatures_given;
  std::vector<std::string> rest;
  size_t i = 0;
  for (; i < args->size(); ++i) {
    const std::string& a = (*args)[i];
    if (a == "--") break;
    if (a != "--plot" && a != "--size" && a != "--temperatures") {
      rest.push_back(a);
      continue;
    }
    if (i + 1 >= args->size()) return fail(a + " needs a value");
    const std::string& v = (*args)[++i];
    if (a == "--plot") {
      if (!EndsWithNoCase(v, ".svg") && !EndsWithNoCase(v, ".png")) {
        return fail("--plot needs a file name ending in .svg or .png, not \"" +
                    v + "\"");
      }
      request.file = v;
      wanted = true;
    } else if (a == "--size") {
      if (!ParseSize(v, &request)) {
        return fail("--size needs WIDTHxHEIGHT in pixels from 1 to " +
                    std::to_string(kLargestSide) +
                    ", such as 1200x800, not \"" + v + "\"");
      }
      size_given = a;
    } else {
      if (!ParseTemperatures(v, &request)) {
        return fail(
            "--temperatures needs LOW:HIGH in K with 0 < LOW < HIGH, such as "
            "300:3000, not \"" +
            v + "\"");
      }
      temperatures_given = a;
    }
  }
  for (; i < args->size(); ++i) rest.push_back((*args)[i]);
  for (const std::string& alone : {size_given, temperatures_given}) {
    if (!alone.empty() && !wanted) return fail(alone + " needs --plot");
  }
  *args = std::move(rest);
  if (wanted) *plot = request;
  return true;
}

int WritePlot(const PlotRequest& plot, const CompareSettings& settings,
              std::ostream& err) {
  const std::string gui = GuiBesideThisProgram();
  if (gui.empty() || ::access(gui.c_str(), X_OK) != 0) {
    err << "kestrelon: --plot needs kestrelon-gui beside kestrelon, and it is "
           "not there\n";
    return kCannotWrite;
  }
  std::vector<std::string> words = {
      gui,
      "--draw-compare-plot",
      settings.file_a,
      settings.file_b,
      plot.file,
      std::to_string(plot.width),
      std::to_string(plot.height),
      Number(plot.t_low),
      Number(plot.t_high),
      settings.tolerance.relative ? Number(settings.tolerance.rel) : "digits"};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  // The plot writer's messages go where this command's go.
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) {
    err << "kestrelon: cannot start kestrelon-gui\n";
    return kCannotWrite;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[1]);
  pid_t pid = 0;
  const int spawned =
      ::posix_spawn(&pid, gui.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe_fds[1]);
  std::string messages;
  char buf[4096];
  ssize_t n = 0;
  while (spawned == 0 && (n = ::read(pipe_fds[0], buf, sizeof buf)) != 0) {
    if (n > 0) messages.append(buf, static_cast<size_t>(n));
    if (n < 0 && errno != EINTR) break;
  }
  ::close(pipe_fds[0]);
  int status = 0;
  if (spawned != 0 || ::waitpid(pid, &status, 0) != pid) {
    err << "kestrelon: cannot start kestrelon-gui\n";
    return kCannotWrite;
  }
  err << messages;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return 0;
  if (messages.empty()) err << "kestrelon: the plot was not written\n";
  return kCannotWrite;
}

}  // namespace kestrelon

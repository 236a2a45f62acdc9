#include "sandbox.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kestrelon::fuzz {

[[noreturn]] void Violation(const std::string& what) {
  std::fprintf(stderr, "clean_fuzzer: PROPERTY VIOLATED: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

std::optional<std::string> Slurp(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string out;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

void Spit(const std::string& path, std::string_view content) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Violation("harness cannot write " + path);
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) Violation("harness cannot write " + path);
    done += static_cast<size_t>(n);
  }
  ::close(fd);
}

std::set<std::string> List(const std::string& dir) {
  std::set<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) Violation("cannot list " + dir);
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name != "." && name != "..") names.insert(name);
  }
  ::closedir(d);
  return names;
}

// Made on first use and never destroyed, so that the exit handler that
// removes it can still read its path.
const Sandbox& TheSandbox() {
  static const Sandbox* const box = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl =
        std::string(tmp && *tmp ? tmp : "/tmp") + "/kestrelon-fuzz.XXXXXX";
    if (::mkdtemp(tmpl.data()) == nullptr) Violation("mkdtemp failed");
    auto* made = new Sandbox;
    Sandbox& s = *made;
    s.root = tmpl;
    s.work = s.root + "/work/";
    s.cwd = s.root + "/cwd";
    s.bait = s.root + "/bait";
    if (::mkdir(s.work.c_str(), 0755) != 0 || ::mkdir(s.cwd.c_str(), 0755) != 0)
      Violation("cannot make the sandbox");
    Spit(s.bait, kBaitText);
    if (::chdir(s.cwd.c_str()) != 0) Violation("cannot enter the sandbox");
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(TheSandbox().root, ec);
    });
    return made;
  }();
  return *box;
}

void EmptyWorkDirectory() {
  const Sandbox& box = TheSandbox();
  for (const std::string& name : List(box.work)) {
    std::error_code ec;
    std::filesystem::remove_all(box.work + name, ec);
    if (ec) Violation("cannot empty the scratch directory: " + name);
  }
}

}  // namespace kestrelon::fuzz

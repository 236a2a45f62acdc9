#include "run_checks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sandbox.h"

namespace kestrelon::fuzz {
namespace {

constexpr double kMaxSeconds = 20.0;
constexpr const char* kListHeading = "****List of non-elementary reactions****";

void CheckWrittenText(const std::string& path, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
      Violation(path + ": CR without LF at byte " + std::to_string(i));
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
      Violation(path + ": LF without CR at byte " + std::to_string(i));
  }
  if (!text.empty() && text.back() != '\n')
    Violation(path + ": last line does not end with CR LF");
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    std::string_view line(text.data() + start, end - start);
    if (line != kListHeading) {
      for (char c : line) {
        if (c >= 'a' && c <= 'z')
          Violation(path + ": lower-case letter in written line \"" +
                    std::string(line.substr(0, 200)) + "\"");
      }
    }
    start = end + 2;
  }
}

bool FileExistsHere(const char* name) {
  struct stat st;
  return ::lstat((TheSandbox().work + name).c_str(), &st) == 0;
}

}  // namespace

void CheckAfterRun(std::string_view data, const FuzzSettings& s,
                   const RunOutcome& outcome, double seconds) {
  const Sandbox& box = TheSandbox();
  if (seconds > kMaxSeconds)
    Violation("run took " + std::to_string(seconds) + " s");

  if (outcome.kind == RunOutcome::Kind::kFailed) {
    if (!outcome.error || outcome.error->reason().empty())
      Violation("failure without a reason");
    if (outcome.error->reason().rfind("internal error", 0) == 0 &&
        std::getenv("KESTRELON_FUZZ_ALLOW_INTERNAL") == nullptr)
      Violation("a phase threw something other than RunError: " +
                outcome.error->Describe());
  }

  // Nothing outside the scratch directory.
  std::set<std::string> root_expected = {"work", "cwd", "bait"};
  if (s.linked_input) root_expected.insert(kLinkedInput);
  if (List(box.root) != root_expected)
    Violation("an entry appeared beside the scratch directory");
  if (!List(box.cwd).empty())
    Violation("a file appeared in the current directory");
  std::optional<std::string> bait = Slurp(box.bait);
  if (!bait || *bait != kBaitText)
    Violation("the target of a planted link was changed");

  // The input is untouched.
  std::optional<std::string> input = Slurp(
      s.linked_input ? box.root + "/" + kLinkedInput : box.work + s.input_name);
  if (!input) Violation("the input file is gone");
  if (*input != data) Violation("the input file was changed");

  const std::vector<std::string> outputs = OutputNames(s);
  const std::string& thermo = outputs[3];
  std::set<std::string> working(std::begin(kWorkingFiles),
                                std::end(kWorkingFiles));
  bool success = outcome.kind == RunOutcome::Kind::kSuccess;

  for (const std::string& name : List(box.work)) {
    std::string path = box.work + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) Violation("cannot stat " + path);
    bool is_output = false;
    for (const std::string& o : outputs) is_output = is_output || o == name;
    if (S_ISLNK(st.st_mode) && s.linked_input && name == s.input_name) {
      continue;
    }
    if (S_ISLNK(st.st_mode)) {
      if (!s.plant_links || !working.count(name))
        Violation("a symbolic link appeared: " + name);
      char target[4096];
      ssize_t n = ::readlink(path.c_str(), target, sizeof target);
      if (n < 0 || std::string(target, static_cast<size_t>(n)) != box.bait)
        Violation("a planted link was redirected: " + name);
      continue;
    }
    if (!S_ISREG(st.st_mode)) Violation("not a regular file: " + name);
    if (name == s.input_name) continue;
    if (name == kBystanderName && HasBystander(s)) {
      if (Slurp(path) != std::optional<std::string>(kBystanderText))
        Violation("a file of the user was changed: " + name);
      continue;
    }
    if (working.count(name)) {
      if (success) Violation("working file left after a success: " + name);
      continue;
    }
    if (!is_output) Violation("unexpected file in the scratch dir: " + name);
    if (s.check_only) Violation("an analysis-only run wrote " + name);
    std::optional<std::string> text = Slurp(path);
    if (!text) Violation("cannot read " + path);
    CheckWrittenText(path, *text);
  }
  if (HasBystander(s) && !FileExistsHere(kBystanderName))
    Violation("a file of the user was deleted");

  if (success && !s.check_only) {
    const auto& v = outcome.vars;
    const std::string expect[] = {box.work + outputs[0], box.work + outputs[1],
                                  box.work + outputs[2]};
    if (v.outpathj != expect[0] || v.outpathcal != expect[1] ||
        v.outpathk != expect[2])
      Violation("output paths are not the typed names in the input directory");
    for (const std::string& path : expect) {
      if (!Slurp(path)) Violation("success, but no output file " + path);
    }
    if (v.has_thermo && !Slurp(box.work + thermo))
      Violation("success, but the thermodynamic file is missing");
  }
}

}  // namespace kestrelon::fuzz

// The scratch directory of the fuzzer and plain file helpers that do not
// use the code under test.
//
// The sandbox is one directory made under $TMPDIR (or /tmp) on first use:
// work/ is the directory of the mechanism file, cwd/ the process's current
// directory, bait the target of planted links. It is removed when the
// process exits normally. Violation() prints what failed and aborts, which
// libFuzzer reports as a finding.
#ifndef KESTRELON_FUZZ_SANDBOX_H_
#define KESTRELON_FUZZ_SANDBOX_H_

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace kestrelon::fuzz {

inline constexpr const char* kBaitText = "target of a planted link\n";
// The real input file, beside work/, when the input is reached by a link.
inline constexpr const char* kLinkedInput = "linked-input";

struct Sandbox {
  std::string root;  // holds work/, cwd/ and bait; nothing else may appear
  std::string work;  // the input file's directory, ends with "/"
  std::string cwd;   // the current directory of the process
  std::string bait;  // target of the planted links
};

const Sandbox& TheSandbox();

[[noreturn]] void Violation(const std::string& what);

// The bytes of a regular file (never through a link), or nothing.
std::optional<std::string> Slurp(const std::string& path);
// Creates or truncates `path` with `content`; a failure is a Violation.
void Spit(const std::string& path, std::string_view content);
// Names in `dir`, without "." and "..".
std::set<std::string> List(const std::string& dir);
// Removes everything in work/.
void EmptyWorkDirectory();

}  // namespace kestrelon::fuzz

#endif  // KESTRELON_FUZZ_SANDBOX_H_

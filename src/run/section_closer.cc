#include "run/section_closer.h"

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool IsKeyword(std::string_view code) {
  for (std::string_view prefix : {"ELEM", "SPEC", "THERM", "REAC"}) {
    if (StartsWith(code, prefix)) return true;
  }
  return false;
}

// The length of `code` less a last word END, or npos when it has none.
size_t WithoutEndWord(std::string_view code) {
  if (code.size() < 4 || code.substr(code.size() - 3) != "END" ||
      code[code.size() - 4] != ' ') {
    return std::string_view::npos;
  }
  return TrimBlanks(code.substr(0, code.size() - 3)).size();
}

}  // namespace

SectionLines SectionCloser::Read(std::string_view line) {
  const std::string_view code = TrimBlanks(line.substr(0, line.find('!')));
  if (code == "END") {
    // An END with no section open is none of this mode's business: the
    // strict reading of it stays, so that such files clean as before.
    if (!open_) return {false, line, false};
    open_ = false;
    return {false, "END", false};
  }
  const size_t start = line.find_first_not_of(' ');
  if (!IsKeyword(code)) {
    // A line of names may close its section ("H2 O2 N2 END"); in thermo
    // data or reactions the word would be part of a record or a line.
    const size_t kept = names_ ? WithoutEndWord(code) : std::string_view::npos;
    if (!open_ || kept == std::string_view::npos) return {false, line, false};
    open_ = false;
    return {false, line.substr(start, kept), true};
  }
  SectionLines out{open_, line.substr(start), false};
  names_ = StartsWith(code, "ELEM") || StartsWith(code, "SPEC");
  if (StartsWith(code, "ELEM")) {
    // The input pass splits an ELEMENTS line with END on it by itself.
    open_ = !Contains(code, "END");
    return out;
  }
  const size_t kept = WithoutEndWord(code);
  if (kept != std::string_view::npos) {
    // `code` starts where the unindented line starts.
    out.line = out.line.substr(0, kept);
    out.end_after = true;
  }
  open_ = !out.end_after;
  return out;
}

}  // namespace kestrelon

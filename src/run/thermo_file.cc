#include "run/thermo_file.h"

#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/extract_thermo.h"
#include "run/name_prompt.h"
#include "run/name_rules.h"
#include "run/tag_sections.h"

namespace kestrelon {
namespace {

// Whether `line` begins with `upper` (capital letters) in any case.
bool BeginsWithFolded(std::string_view line, std::string_view upper) {
  if (line.size() < upper.size()) return false;
  for (size_t i = 0; i < upper.size(); ++i) {
    if ((line[i] & ~0x20) != upper[i]) return false;
  }
  return true;
}

// The line as the input passes leave a line of a THERMO section.
std::string CleanLine(std::string_view line) {
  std::string out(line);
  UpperCaseAscii(out);
  for (char& c : out) c = c == '\t' ? ' ' : c;
  CutComment(out);
  return out;
}

}  // namespace

bool HasThermoSection(std::string_view text) {
  bool found = false;
  ForEachLineStartingWith(text, 'T', 1, [&found](std::string_view line) {
    found = BeginsWithFolded(line, "THERM");
    return !found;
  });
  return found;
}

std::string CleanThermoText(std::string_view text) {
  const std::vector<std::string_view> lines = LinesOf(text);
  size_t first = 0;
  while (first < lines.size() && !BeginsWithFolded(lines[first], "THERM")) {
    ++first;
  }
  // Without a THERMO line the whole file is the database; its own THERMO
  // line is written again as the keyword alone.
  if (first == lines.size()) {
    first = 0;
  } else {
    ++first;
  }
  LineBuffer out;
  out.Reserve(text.size() + 16);
  out.Add("THERMO");
  for (size_t i = first; i < lines.size(); ++i) {
    if (BeginsWithFolded(lines[i], "END")) break;
    out.Add(CleanLine(lines[i]));
  }
  out.Add("END");
  return out.text();
}

}  // namespace kestrelon

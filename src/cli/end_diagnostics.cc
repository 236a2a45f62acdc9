#include "cli/end_diagnostics.h"

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanksAndTabs(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  size_t e = text.size();
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

bool IsEndInAnyCase(std::string_view text) {
  return text.size() == 3 && (text[0] == 'E' || text[0] == 'e') &&
         (text[1] == 'N' || text[1] == 'n') &&
         (text[2] == 'D' || text[2] == 'd');
}

std::string Quoted(std::string_view line) {
  std::string out = "\"";
  for (char c : line) {
    if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::vector<NearEnd> FindNearEnds(std::string_view text) {
  std::vector<NearEnd> found;
  std::vector<std::string_view> lines = LinesOf(text);
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string_view line = lines[n];
    // The count upper-cases the line, so "end" alone does close a section.
    if (IsEndInAnyCase(line)) continue;
    std::string_view kept = line.substr(0, line.find('!'));
    if (!IsEndInAnyCase(TrimBlanksAndTabs(kept))) continue;
    found.push_back({static_cast<int>(n + 1), std::string(line)});
  }
  return found;
}

std::string DescribeNearEnd(const std::string& file, const NearEnd& near,
                            std::string_view advice) {
  return "kestrelon: " + file + ":" + std::to_string(near.line) + ": " +
         Quoted(near.text) +
         " is not counted: only a line reading exactly END closes a section" +
         std::string(advice);
}

std::vector<std::string> UnreadableDiagnostics(const std::string& file,
                                               int endcount,
                                               std::string_view text,
                                               std::string_view advice,
                                               size_t limit) {
  std::vector<std::string> out;
  // The count is taken on the normalised copy, where a one-line ELEMENTS
  // section has its own END line, so it speaks of sections, not lines.
  std::string count = endcount == 0   ? std::string("no section")
                      : endcount == 1 ? std::string("1 section")
                                      : std::to_string(endcount) + " sections";
  out.push_back("kestrelon: " + file + ": END closes " + count +
                "; ELEMENTS, SPECIES and REACTIONS each need one");
  std::vector<NearEnd> near = FindNearEnds(text);
  for (size_t i = 0; i < near.size() && i < limit; ++i) {
    out.push_back(DescribeNearEnd(file, near[i], advice));
  }
  if (near.size() > limit) {
    out.push_back("kestrelon: " + file + ": " +
                  std::to_string(near.size() - limit) +
                  " more such lines are not listed");
  }
  return out;
}

}  // namespace kestrelon

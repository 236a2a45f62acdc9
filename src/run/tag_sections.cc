#include "run/tag_sections.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

struct Keyword {
  const char* prefix;
  const char* canonical;
  // Element symbols and species names may share the keyword's line; units
  // and options on the THERMO and REACTIONS lines are not wanted later.
  bool keeps_rest;
  bool marks_thermo;
};

constexpr Keyword kKeywords[] = {
    {"ELEM", "ELEMENTS", true, false},
    {"SPEC", "SPECIES", true, false},
    {"THERM", "THERMO", false, true},
    {"REAC", "REACTIONS", false, false},
};

const Keyword* KeywordOf(std::string_view line) {
  for (const Keyword& k : kKeywords) {
    if (StartsWith(line, k.prefix)) return &k;
  }
  return nullptr;
}

bool IsBlankOnly(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

void CutComment(std::string& line) {
  ReplaceAll(line, "     !", "!");
  ReplaceAll(line, "    !", "!");
  ReplaceAll(line, "   !", "!");
  ReplaceAll(line, "  !", "!");
  ReplaceAll(line, " !", "!");
  size_t bang = line.find('!');
  if (bang != std::string::npos) line.resize(bang);
}

void TagSections(RunContext& ctx) {
  const std::string text = ReadFile(ctx.vars.tempopath);
  const std::vector<std::string_view> lines = SplitLines(text);
  // An origin that does not match the file would name wrong lines; no line
  // is better than a wrong one.
  const bool origin_known = ctx.origin.size() == lines.size();
  std::vector<int> origin;
  origin.reserve(lines.size() + 2);
  LineBuffer out;
  out.Reserve(text.size() + 64);
  ctx.vars.nothermo = 1;

  std::string line;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int from = origin_known ? ctx.origin[i] : 0;
    line.assign(lines[i]);
    const Keyword* keyword = KeywordOf(line);
    if (keyword != nullptr) {
      if (keyword->marks_thermo) ctx.vars.nothermo = 0;
      out.Add(keyword->canonical);
      origin.push_back(from);
      if (!keyword->keeps_rest) continue;
      size_t word_end = line.find_first_of(" !");
      if (word_end == std::string::npos) continue;
      line = line.substr(word_end);
      CutComment(line);
      if (IsBlankOnly(line)) continue;
    } else {
      CutComment(line);
    }
    out.Add(line);
    origin.push_back(from);
  }
  WriteFile(ctx.WorkPath(kTempo2), out.text());
  ctx.origin = std::move(origin);
}

}  // namespace kestrelon

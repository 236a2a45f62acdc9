#include "run/tag_sections.h"

#include <algorithm>
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

namespace {

// The length of `line` once the five blank-and-"!" steps have run and the
// line is cut at its first "!". Only the blanks just before the first "!"
// can matter: the steps take 5, then 4, 3, 2 and 1 of them, each step only
// while enough are left, and what stands after that "!" is cut anyway.
size_t CodeLength(std::string_view line) {
  const size_t bang = line.find('!');
  if (bang == std::string_view::npos) return line.size();
  size_t blanks = 0;
  while (blanks < bang && line[bang - 1 - blanks] == ' ') ++blanks;
  size_t left = blanks;
  for (size_t step = 5; step >= 1; --step) {
    if (left >= step) left -= step;
  }
  return bang - (blanks - left);
}

}  // namespace

void CutComment(std::string& line) { line.resize(CodeLength(line)); }

TaggedLine TagLine(std::string_view line, std::string& scratch) {
  const Keyword* keyword = KeywordOf(line);
  TaggedLine tagged;
  if (keyword == nullptr) {
    tagged.line = line.substr(0, CodeLength(line));
    return tagged;
  }
  tagged.line = keyword->canonical;
  tagged.keyword = true;
  tagged.thermo = keyword->marks_thermo;
  if (!keyword->keeps_rest) return tagged;
  const size_t word_end = line.find_first_of(" !");
  if (word_end == std::string_view::npos) return tagged;
  scratch.assign(line.substr(word_end));
  CutComment(scratch);
  if (!IsBlankOnly(scratch)) tagged.rest = scratch;
  return tagged;
}

bool TagSections(std::string_view text, std::string& out_text,
                 InputLines& input) {
  std::vector<int> origin;
  origin.reserve(input.origin.size() + 2);
  LineBuffer out;
  out.Reserve(text.size() + 64);
  LineCopier copier(text, out.mutable_text());

  bool matched = false;
  const bool has_thermo = ForEachTaggedLine(
      text, input.origin, matched,
      [&](std::string_view line, bool from_text, int from, const char*) {
        if (from_text) {
          copier.AddFromText(line);
        } else {
          copier.Add(line);
        }
        origin.push_back(from);
      });
  copier.Finish();
  out_text = std::move(out.mutable_text());
  // An origin that does not match the file would name wrong lines; no line
  // is better than a wrong one.
  if (!matched) std::fill(origin.begin(), origin.end(), 0);
  input.origin = std::move(origin);
  return has_thermo;
}

}  // namespace kestrelon

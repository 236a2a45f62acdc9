#include "run/unreadable_causes.h"

#include <optional>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

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

struct Section {
  const char* prefix;
  const char* name;
};

constexpr Section kSections[] = {{"ELEM", "ELEMENTS"},
                                 {"SPEC", "SPECIES"},
                                 {"THERM", "THERMO"},
                                 {"REAC", "REACTIONS"}};

// The line as the run compares it: upper case, TABs as blanks.
std::string AsRead(std::string_view line) {
  std::string out(line);
  for (char& c : out) {
    if (c == '\t') c = ' ';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

const Section* SectionOf(std::string_view code) {
  for (const Section& s : kSections) {
    if (StartsWith(code, s.prefix)) return &s;
  }
  return nullptr;
}

bool HasEndWord(std::string_view code) {
  for (size_t at = code.find("END"); at != std::string_view::npos;
       at = code.find("END", at + 1)) {
    const bool starts = at == 0 || code[at - 1] == ' ';
    const bool ends = at + 3 == code.size() || code[at + 3] == ' ';
    if (starts && ends) return true;
  }
  return false;
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

std::string NearEndReason(const NearEnd& near) {
  return Quoted(near.text) +
         " is not counted: only a line reading exactly END closes a section";
}

std::vector<LineCause> FindSectionCauses(std::string_view text) {
  std::vector<LineCause> causes;
  const std::vector<std::string_view> lines = LinesOf(text);
  // The section open at this point: its keyword line and its name.
  size_t open_at = 0;
  const Section* open = nullptr;
  bool end_on_keyword = false;
  auto close_open = [&] {
    if (open == nullptr) return;
    std::string reason = std::string("the ") + open->name +
                         " section that begins here has no line reading "
                         "exactly END";
    if (end_on_keyword) reason += ": an END on its keyword line closes nothing";
    causes.push_back({static_cast<int>(open_at + 1), std::move(reason)});
    open = nullptr;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string read = AsRead(lines[i]);
    if (read == "END") {
      open = nullptr;
      continue;
    }
    const std::string_view code =
        std::string_view(read).substr(0, read.find('!'));
    const std::string_view trimmed = TrimBlanks(code);
    // A near END ("END  ") is named on its own; the section it was meant
    // to close needs no second line.
    if (trimmed == "END") {
      open = nullptr;
      continue;
    }
    const Section* section = SectionOf(trimmed);
    if (section == nullptr) continue;
    const bool indented = trimmed.size() != code.size() && code[0] == ' ';
    if (indented && section != &kSections[0]) {
      causes.push_back({static_cast<int>(i + 1),
                        "\"" + std::string(lines[i]) +
                            "\" opens no section: a " + section->name +
                            " keyword must stand at the start of its line"});
      continue;
    }
    close_open();
    end_on_keyword = HasEndWord(trimmed);
    // The run gives an ELEMENTS line that ends its section an END line.
    if (section == &kSections[0] && end_on_keyword) continue;
    open = section;
    open_at = i;
  }
  close_open();
  return causes;
}

std::string EndCountReason(int endcount) {
  // The count is taken on the normalised copy, where a one-line ELEMENTS
  // section has its own END line, so it speaks of sections, not lines.
  const std::string count = endcount == 0 ? std::string("no section")
                            : endcount == 1
                                ? std::string("1 section")
                                : std::to_string(endcount) + " sections";
  return "END closes " + count +
         "; ELEMENTS, SPECIES and REACTIONS each need one";
}

std::string FirstUnreadableCause(int endcount, std::string_view text) {
  const std::vector<NearEnd> near = FindNearEnds(text);
  if (!near.empty()) {
    return "line " + std::to_string(near.front().line) + ": " +
           NearEndReason(near.front());
  }
  const std::vector<LineCause> causes = FindSectionCauses(text);
  if (!causes.empty()) {
    return "line " + std::to_string(causes.front().line) + ": " +
           causes.front().reason;
  }
  return EndCountReason(endcount);
}

}  // namespace kestrelon

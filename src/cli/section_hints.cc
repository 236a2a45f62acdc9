#include "cli/section_hints.h"

#include <optional>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

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

std::string Where(const std::string& file, size_t index) {
  return "kestrelon: " + file + ":" + std::to_string(index + 1) + ": ";
}

}  // namespace

std::vector<std::string> SectionHints(const std::string& file,
                                      std::string_view text,
                                      std::string_view advice) {
  std::vector<std::string> hints;
  const std::vector<std::string_view> lines = LinesOf(text);
  // The section open at this point: its keyword line and its name.
  std::optional<size_t> open_at;
  const Section* open = nullptr;
  bool end_on_keyword = false;
  auto close_open = [&] {
    if (open == nullptr) return;
    std::string hint = Where(file, *open_at) + "the " + open->name +
                       " section that begins here has no line reading "
                       "exactly END";
    if (end_on_keyword) hint += ": an END on its keyword line closes nothing";
    hints.push_back(hint + std::string(advice));
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
      hints.push_back(Where(file, i) + "\"" + std::string(lines[i]) +
                      "\" opens no section: a " + section->name +
                      " keyword must stand at the start of its line" +
                      std::string(advice));
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
  return hints;
}

}  // namespace kestrelon

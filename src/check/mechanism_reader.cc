#include "check/mechanism_reader.h"

#include <string>

#include "check/equation_terms.h"
#include "check/words.h"
#include "model/auxiliary_words.h"
#include "model/reaction_markers.h"
#include "platform/text_ops.h"
#include "table/reaction_lines.h"

namespace kestrelon {
namespace {

enum class Section { kNone, kElements, kSpecies, kThermo, kReactions };

struct AuxItem {
  std::string_view word;
  bool has_values = false;
};

// "WORD /values/ WORD WORD/values/ ..."
std::vector<AuxItem> AuxItems(std::string_view line) {
  std::vector<AuxItem> items;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t b = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != '/') ++i;
    AuxItem item{line.substr(b, i - b)};
    size_t j = i;
    while (j < line.size() && IsBlank(line[j])) ++j;
    if (j < line.size() && line[j] == '/') {
      size_t close = line.find('/', j + 1);
      item.has_values = true;
      i = close == std::string_view::npos ? line.size() : close + 1;
    }
    if (!item.word.empty()) items.push_back(item);
    if (item.word.empty() && !item.has_values) ++i;
  }
  return items;
}

void ReadAuxLine(std::string_view line, int line_number, Reaction& reaction) {
  std::vector<AuxItem> items = AuxItems(line);
  // The units of a UNITS line hold slashes of their own ("CAL/MOL").
  if (!items.empty() && Upper(items.front().word) == "UNITS") return;
  for (const AuxItem& item : items) {
    std::string word = Upper(item.word);
    if (word == "DUP" || word == "DUPLICATE") {
      reaction.duplicate = true;
    } else if (word == "LOW") {
      reaction.form = RateForm::kFalloff;
    } else if (word == "HIGH") {
      reaction.form = RateForm::kActivated;
    } else if (word == "PLOG") {
      reaction.form = RateForm::kPlog;
    } else if (word == "CHEB" || word == "TCHEB" || word == "PCHEB") {
      reaction.form = RateForm::kChebyshev;
    } else if (item.has_values && !IsAuxiliaryKeyword(word)) {
      reaction.efficiencies.push_back(
          {std::string(item.word), word, line_number, 1});
    }
  }
}

void ReadReactionLine(std::string_view text, int line_number,
                      const DeclaredKeys& declared,
                      std::vector<Reaction>& reactions) {
  // The canonical form tags every line without "=" as auxiliary; such
  // lines (LOW, PLOG, efficiencies: most of a large file) skip the work.
  std::string canonical;
  if (text.find('=') != std::string_view::npos) {
    canonical.assign(text);
    for (char& c : canonical) {
      if (c == '\t') c = ' ';
    }
    NormaliseReactionLine(canonical);
  }
  if (canonical.empty() || IsAuxiliaryLine(canonical)) {
    if (!reactions.empty()) ReadAuxLine(text, line_number, reactions.back());
    return;
  }
  Reaction reaction;
  reaction.line = line_number;
  std::vector<std::string_view> words = Words(canonical);
  reaction.equation = std::string(words[0]);
  if (words.size() > 1) reaction.a = NumberOfWord(words[1]);
  if (!ReadEquation(words[0], declared, reaction)) return;
  // The equation as written, for messages: the words before A, n and Ea.
  std::vector<std::string_view> written = Words(text);
  const size_t kept = written.size() > 3 ? written.size() - 3 : 1;
  reaction.equation.clear();
  for (size_t k = 0; k < kept; ++k) reaction.equation += written[k];
  reactions.push_back(std::move(reaction));
}

}  // namespace

MechanismReading ReadMechanism(const std::vector<std::string_view>& lines) {
  MechanismReading m;
  DeclaredKeys declared;
  Section section = Section::kNone;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line_number = static_cast<int>(i + 1);
    if (section == Section::kThermo) {
      if (Upper(FirstWord(lines[i])) == "END") {
        m.thermo_end = i;
        section = Section::kNone;
      }
      continue;
    }
    // Comments are cut as the run cuts them; the blanks it also takes from
    // before the "!" are blanks here anyway, and TABs count as blanks.
    std::string_view text = lines[i];
    const size_t bang = text.find('!');
    if (bang != std::string_view::npos) text = text.substr(0, bang);
    if (section == Section::kReactions) {
      std::string_view trimmed = TrimBlanksAndTabs(text);
      if (trimmed.empty()) continue;
      if (Upper(FirstWord(trimmed)) == "END") {
        section = Section::kNone;
        continue;
      }
      ReadReactionLine(trimmed, line_number, declared, m.reactions);
      continue;
    }
    for (std::string_view word : Words(text)) {
      std::string up = Upper(word);
      if (section == Section::kNone) {
        if (StartsWith(up, "ELEM")) {
          section = Section::kElements;
        } else if (StartsWith(up, "SPEC")) {
          section = Section::kSpecies;
          m.has_species = true;
        } else if (StartsWith(up, "THER")) {
          section = Section::kThermo;
          m.has_thermo = true;
          m.thermo_begin = i + 1;
          m.thermo_end = lines.size();
          break;
        } else if (StartsWith(up, "REAC")) {
          section = Section::kReactions;
          m.has_reactions = true;
          break;
        }
      } else if (up == "END") {
        section = Section::kNone;
      } else if (section == Section::kSpecies) {
        declared.Insert(up);
        m.species.push_back({std::string(word), up, line_number, 1});
      }
    }
  }
  return m;
}

}  // namespace kestrelon

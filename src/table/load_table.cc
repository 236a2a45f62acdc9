#include "table/load_table.h"

#include <initializer_list>
#include <string>

#include "platform/text_ops.h"
#include "table/written_forms.h"

namespace kestrelon {
namespace {

// `lifted`: a permissive run would not have refused.
[[noreturn]] void FailAt(const InputLines& input, int row,
                         const std::string& reason, bool lifted = false) {
  RunError error(reason, input.file, row > 0 ? input.LineOfRow(row) : 0);
  if (lifted) error.PermissiveCleans();
  throw error;
}

// The first line after `after` (0-based index of the line before the
// search, -1 for the start) that reads exactly `word`; as a row number,
// 0 when there is none.
int FindLine(const std::vector<std::string_view>& lines, int after,
             std::string_view word) {
  for (size_t i = static_cast<size_t>(after + 1); i < lines.size(); ++i) {
    if (lines[i] == word) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

void CheckTableRoom(WorkingTable& table,
                    const std::vector<std::string_view>& lines,
                    const InputLines& input, bool permissive) {
  // The one place the table's limit is checked against the input.
  if (permissive) {
    table.AllowRows(static_cast<int>(lines.size()) + 1);
  } else if (lines.size() > static_cast<size_t>(WorkingTable::kLastDataRow)) {
    FailAt(input, WorkingTable::kLastDataRow + 1,
           "more than 25999 lines: the working table is full", true);
  }
}

void FillTable(WorkingTable& table, const std::vector<std::string_view>& lines,
               const InputLines& input, bool permissive, RowRange lend) {
  CheckTableRoom(table, lines, input, permissive);
  table.Grow(static_cast<int>(lines.size()) + 1);
  int row = 1;
  for (std::string_view line : lines) {
    std::string_view item = ReadTableItem(line);
    if (row >= lend.first && row <= lend.last) {
      table.Lend(row, item);
    } else {
      table.Set(row, 1, item);
    }
    ++row;
  }
}

std::string_view ReadTableItem(std::string_view line) {
  size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  if (line[start] == '"') {
    ++start;
    size_t close = line.find('"', start);
    if (close == std::string_view::npos) close = line.size();
    return line.substr(start, close - start);
  }
  // The input stage holds every comma as ";", so an unquoted item is the
  // whole line less its outer blanks; a comma that still stood here would
  // stay in the row rather than push the rest of the line into the next.
  return TrimBlanks(line.substr(start));
}

namespace {

// A section's END must come before the next section's keyword: an END
// further down would fold that section, reactions and all, into this one's
// list of names. Fails naming the keyword line the END was missing before.
void CheckClosedBefore(const std::vector<std::string_view>& lines, int row,
                       int end, const char* section,
                       std::initializer_list<std::string_view> keywords,
                       const InputLines& input) {
  for (int r = row + 1; r < end; ++r) {
    for (std::string_view keyword : keywords) {
      if (ReadTableItem(lines[static_cast<size_t>(r) - 1]) != keyword) continue;
      FailAt(input, row,
             std::string(section) +
                 " section has no line reading exactly \"END\" before the " +
                 std::string(keyword) + " line (line " +
                 std::to_string(input.LineOfRow(r)) + ")",
             true);
    }
  }
}

// Between one section's END and the next section's keyword, a line that
// reads like a section keyword would open a section of its own to whoever
// reads the cleaned files: it is refused where it stands. A second section
// of the kind that just ended (`closed`), with only blank lines before it,
// is one that a permissive run reads as going on with the first.
void CheckNoKeywordBetween(const std::vector<std::string_view>& lines,
                           int after, int before, std::string_view closed,
                           const InputLines& input) {
  bool blanks_only = true;
  for (int r = after + 1; r < before; ++r) {
    // As the row will hold it, blanks around it dropped.
    const std::string_view line =
        ReadTableItem(lines[static_cast<size_t>(r) - 1]);
    if (line == "ELEMENTS" || line == "SPECIES" || line == "REACTIONS") {
      FailAt(input, r,
             std::string(line == "ELEMENTS" ? "an " : "a ") +
                 std::string(line) +
                 " line between two sections opens none; remove it or "
                 "close the section before it with END",
             blanks_only && line == closed);
    }
    blanks_only = blanks_only && line.empty();
  }
}

// Whether `line` reads as a reaction: an equation and three numbers.
bool IsReactionLike(std::string_view line) {
  if (line.find('=') == std::string_view::npos) return false;
  int numbers = 0;
  size_t end = line.size();
  while (numbers < 3) {
    const size_t blank = line.rfind(' ', end == 0 ? 0 : end - 1);
    if (blank == std::string_view::npos) return false;
    if (!StartsWithNumberWord(line.substr(blank + 1, end - blank - 1))) {
      return false;
    }
    ++numbers;
    end = blank;
    while (end > 0 && line[end - 1] == ' ') --end;
  }
  return end > 0;
}

// Nothing after the END of the REACTIONS section is written: a second
// REACTIONS section, or reactions after an END put too early, would be left
// out of the cleaned files without a word. Other text there (notes) is.
void CheckNoReactionsAfter(const std::vector<std::string_view>& lines,
                           int reacend, const InputLines& input) {
  for (size_t i = static_cast<size_t>(reacend); i < lines.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const std::string_view line = ReadTableItem(lines[i]);
    if (line == "REACTIONS") {
      FailAt(input, row,
             "a second REACTIONS section: its reactions would be left out of "
             "the cleaned files; join it to the first (their units must "
             "agree)");
    }
    if (IsReactionLike(line)) {
      FailAt(input, row,
             "reaction line after the END of the REACTIONS section (line " +
                 std::to_string(input.LineOfRow(reacend)) +
                 "): it would be left out of the cleaned files; move that "
                 "END below it");
    }
  }
}

}  // namespace

SectionIndex LocateSections(const std::vector<std::string_view>& lines,
                            const InputLines& input) {
  SectionIndex index;
  const int elemrow = FindLine(lines, -1, "ELEMENTS");
  if (elemrow == 0) FailAt(input, 0, "no line reading exactly \"ELEMENTS\"");
  const int elemend = FindLine(lines, elemrow - 1, "END");
  if (elemend == 0) {
    FailAt(input, elemrow,
           "ELEMENTS section has no line reading exactly \"END\"", true);
  }
  CheckClosedBefore(lines, elemrow, elemend, "ELEMENTS",
                    {"SPECIES", "REACTIONS"}, input);
  const int specrow = FindLine(lines, elemend - 1, "SPECIES");
  if (specrow == 0) {
    FailAt(input, elemend,
           "no line reading exactly \"SPECIES\" after the END of the "
           "ELEMENTS section");
  }
  const int specend = FindLine(lines, specrow - 1, "END");
  if (specend == 0) {
    FailAt(input, specrow,
           "SPECIES section has no line reading exactly \"END\"", true);
  }
  CheckClosedBefore(lines, specrow, specend, "SPECIES", {"REACTIONS"}, input);
  const int reacrow = FindLine(lines, specend - 1, "REACTIONS");
  if (reacrow == 0) {
    FailAt(input, specend,
           "no line reading exactly \"REACTIONS\" after the END of the "
           "SPECIES section");
  }
  const int reacend = FindLine(lines, reacrow - 1, "END");
  if (reacend == 0) {
    FailAt(input, reacrow,
           "REACTIONS section has no line reading exactly \"END\"", true);
  }
  CheckNoKeywordBetween(lines, elemend, specrow, "ELEMENTS", input);
  CheckNoKeywordBetween(lines, specend, reacrow, "SPECIES", input);
  CheckNoReactionsAfter(lines, reacend, input);
  index.elemrow = elemrow;
  index.elemend = elemend;
  index.specrow = specrow;
  index.specend = specend;
  index.reacrow = reacrow;
  index.reacend = reacend;
  return index;
}

std::vector<RunWarning> TextBetweenSections(
    const std::vector<std::string_view>& lines, const SectionIndex& index,
    const InputLines& input) {
  std::vector<RunWarning> warnings;
  const auto look = [&](int after, int before, const char* section,
                        const char* next) {
    for (int r = after + 1; r < before; ++r) {
      if (ReadTableItem(lines[static_cast<size_t>(r) - 1]).empty()) continue;
      warnings.push_back(
          {std::string("text between the END of the ") + section +
               " section and the " + next +
               " line is written as it stands, outside every section",
           input.file, input.LineOfRow(r)});
    }
  };
  look(index.elemend, index.specrow, "ELEMENTS", "SPECIES");
  look(index.specend, index.reacrow, "SPECIES", "REACTIONS");
  return warnings;
}

}  // namespace kestrelon

#include "table/auxiliary_lines.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "model/auxiliary_words.h"
#include "platform/side_task.h"
#include "platform/text_ops.h"
#include "table/written_forms.h"

namespace kestrelon {
namespace {

// The text up to the next "/" (blanks around it dropped), and `rest` moved
// past that "/"; false when there is no "/".
bool TakeUpToSlash(std::string_view& rest, std::string_view& part) {
  const size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return false;
  part = TrimBlanks(rest.substr(0, slash));
  rest.remove_prefix(slash + 1);
  return true;
}

bool IsEfficiencyLine(std::string_view text) {
  int pairs = 0;
  for (std::string_view rest = text; !TrimBlanks(rest).empty(); ++pairs) {
    std::string_view name;
    std::string_view value;
    if (!TakeUpToSlash(rest, name) || name.empty() || Contains(name, " ") ||
        !TakeUpToSlash(rest, value) || Contains(value, " ") ||
        !StartsWithNumberWord(value)) {
      return false;
    }
  }
  return pairs > 0;
}

}  // namespace

bool IsKnownAuxiliaryLine(std::string_view text) {
  return IsAuxiliaryKeyword(FirstAuxiliaryWord(text)) || IsEfficiencyLine(text);
}

namespace {

// The warnings of `rows`, after the reaction line of row `reaction_row`
// (0: none).
void ScanRows(const WorkingTable& table, RowRange rows, const InputLines& input,
              int reaction_row, std::vector<RunWarning>& warnings) {
  for (int row = rows.first; row <= rows.last; ++row) {
    std::string_view line = table.Get(row, kLineColumn);
    if (!IsAuxiliaryLine(line)) {
      reaction_row = row;
      if (IsNonElementaryLine(line)) line.remove_prefix(kNerTag.size());
      if (StartsWith(line, "<=>") || StartsWith(line, "|=>")) {
        warnings.push_back({"equation without reactants: cleaned as written",
                            input.file, input.LineOfRow(row)});
      }
      continue;
    }
    line.remove_prefix(kAuxTag.size());
    if (line.empty()) continue;
    if (reaction_row == 0 && IsKnownAuxiliaryLine(line)) {
      warnings.push_back(
          {"auxiliary line with no reaction before it: kept "
           "as it stands, belonging to no reaction",
           input.file, input.LineOfRow(row)});
      continue;
    }
    if (IsKnownAuxiliaryLine(line)) continue;
    std::string text = "neither a reaction nor a known auxiliary line: ";
    if (reaction_row == 0) {
      text += "kept as auxiliary data, with no reaction above it";
    } else {
      text += "kept as auxiliary data of the reaction on line " +
              std::to_string(input.LineOfRow(reaction_row));
    }
    warnings.push_back({std::move(text), input.file, input.LineOfRow(row)});
  }
}

}  // namespace

std::vector<RunWarning> UnknownAuxiliaryLines(const WorkingTable& table,
                                              RowRange rows,
                                              const InputLines& input) {
  std::vector<RunWarning> warnings;
  // A second thread costs more than it saves on a small section.
  constexpr int kFewRows = 4000;
  if (rows.last - rows.first < kFewRows) {
    ScanRows(table, rows, input, 0, warnings);
    return warnings;
  }
  // The table is only read: its halves are looked at side by side, the
  // second after the reaction line that stands last in the first.
  const int middle = rows.first + (rows.last - rows.first) / 2;
  int reaction_row = middle;
  while (reaction_row >= rows.first &&
         IsAuxiliaryLine(table.Get(reaction_row, kLineColumn))) {
    --reaction_row;
  }
  if (reaction_row < rows.first) reaction_row = 0;
  std::vector<RunWarning> later;
  SideTask second([&] {
    ScanRows(table, {middle + 1, rows.last}, input, reaction_row, later);
  });
  ScanRows(table, {rows.first, middle}, input, 0, warnings);
  second.Wait();
  warnings.insert(warnings.end(), std::make_move_iterator(later.begin()),
                  std::make_move_iterator(later.end()));
  return warnings;
}

}  // namespace kestrelon

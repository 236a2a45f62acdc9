#include "output/ner_list.h"

#include <algorithm>
#include <string>
#include <utility>

#include "model/auxiliary_words.h"
#include "model/energy_unit.h"
#include "model/number_format.h"
#include "output/reaction_units.h"
#include "output/working_forms.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// Prints the reaction line of row `row` once per output unit into `lists`.
void ListReaction(const WorkingTable& table, int row, int reacend,
                  const CoefficientStyle& style, const InputLines& input,
                  NonElementaryLists& lists) {
  std::string line(table.Get(row, kLineColumn));
  EraseAll(line, kNerTag);
  RestoreWorkingForms(line);
  size_t p1 = line.find(' ');
  size_t p2 = p1 == std::string::npos ? p1 : line.find(' ', p1 + 1);
  size_t p3 = p2 == std::string::npos ? p2 : line.find(' ', p2 + 1);
  if (p3 == std::string::npos) {
    input.FailAtRow(
        row,
        "non-elementary reaction without its three coefficients A, n "
        "and Ea");
  }
  if (HasFieldAfter(std::string_view(line).substr(p3 + 1))) {
    input.FailAtRow(row, kMoreThanThreeCoefficients);
  }
  // "|=>" stands in the equation only: a printed number holds no "|".
  std::string head = line.substr(0, p1);
  ReplaceAll(head, "|=>", "=>");
  const std::string_view view = line;
  head.push_back(' ');
  head.append(FormatNumber(LeadingNumber(view.substr(p1 + 1, p2 - p1 - 1)),
                           style.patterns.a));
  head.push_back(' ');
  head.append(FormatNumber(LeadingNumber(view.substr(p2 + 1, p3 - p2 - 1)),
                           style.patterns.n));
  head.push_back(' ');
  const size_t shared = head.size();
  const double ea = LeadingNumber(view.substr(p3 + 1));
  const EaUnit from = ReactionUnitOfRow(table, row, reacend, style.unit);
  for (int u = 0; u < 3; ++u) {
    head.resize(shared);
    head.append(
        FormatNumber(ConvertEa(from, kOutUnits[u], ea), style.patterns.ea));
    lists[u].Add(head);
  }
}

}  // namespace

int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         const CoefficientStyle& style, const InputLines& input,
                         NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* to_empty) {
  return TakeOutNonElementary(table, index, ReactionRows(index), style, input,
                              lists, listed_origin, to_empty);
}

int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         RowRange rows, const CoefficientStyle& style,
                         const InputLines& input, NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* to_empty) {
  const auto empty = [&table, to_empty](int row) {
    if (to_empty != nullptr) {
      to_empty->push_back(row);
    } else {
      table.Set(row, kLineColumn, {});
    }
  };
  int count = 0;
  std::vector<std::string_view> parts;
  const int end = index.reacend;
  const int last = std::min(rows.last, end - 1);
  for (int r = rows.first; r <= last; ++r) {
    if (!IsNonElementaryLine(table.Get(r, kLineColumn))) continue;
    ++count;
    input.AtRow(r, [&] { ListReaction(table, r, end, style, input, lists); });
    listed_origin.push_back(input.LineOfRow(r));
    empty(r);
    // The block ends at the next reaction line: within the section only
    // reaction lines hold "=>" (in "<=>", "|=>" or "=>").
    int next = r + 1;
    for (; next <= last && !Contains(table.Get(next, 1), "=>"); ++next) {
      std::string line(table.Get(next, 1));
      EraseAll(line, kAuxTag);
      RestoreWorkingForms(line);
      // A line of blanks in the input is an empty row here; the main part
      // of the files skips such rows, and so does the list.
      SplitAuxiliaryLine(line, parts);
      for (std::string_view part : parts) {
        if (part.empty()) continue;
        for (LineBuffer& list : lists) list.Add(part);
        listed_origin.push_back(input.LineOfRow(next));
      }
      empty(next);
    }
    r = next - 1;
  }
  return count;
}

void BeginNonElementaryLists(NonElementaryLists& lists) {
  for (LineBuffer& list : lists) list.Add(kNerHeading);
}

void EndNonElementaryLists(int count, NonElementaryLists& lists,
                           std::array<std::string, 3>& outputs) {
  for (size_t u = 0; u < 3; ++u) {
    if (count == 0) {
      outputs[u].clear();
    } else {
      outputs[u] = std::move(lists[u].mutable_text());
    }
  }
}

}  // namespace kestrelon

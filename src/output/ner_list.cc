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
  const double ea = LeadingNumber(view.substr(p3 + 1));
  const EaUnit from = ReactionUnitOfRow(table, row, reacend, style.unit);
  std::array<std::string, 3> eas;
  for (size_t u = 0; u < 3; ++u) {
    eas[u] = FormatNumber(ConvertEa(from, kOutUnits[u], ea), style.patterns.ea);
  }
  lists.AddReaction(head, eas);
}

}  // namespace

int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         const CoefficientStyle& style, const InputLines& input,
                         NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* taken) {
  return TakeOutNonElementary(table, index, ReactionRows(index), style, input,
                              lists, listed_origin, taken);
}

int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         RowRange rows, const CoefficientStyle& style,
                         const InputLines& input, NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* taken) {
  const auto empty = [&table, taken](int row) {
    if (taken != nullptr) {
      taken->push_back(row);
    } else {
      table.Set(row, kLineColumn, {});
    }
  };
  int count = 0;
  std::vector<std::string_view> parts;
  std::string line;  // keeps its room from line to line
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
      line.assign(table.Get(next, 1));
      EraseAll(line, kAuxTag);
      RestoreWorkingForms(line);
      // A line of blanks in the input is an empty row here; the main part
      // of the files skips such rows, and so does the list.
      SplitAuxiliaryLine(line, parts);
      for (std::string_view part : parts) {
        if (part.empty()) continue;
        lists.Add(part);
        listed_origin.push_back(input.LineOfRow(next));
      }
      empty(next);
    }
    r = next - 1;
  }
  return count;
}

void NonElementaryLists::Reserve(size_t bytes, size_t reactions) {
  lines_.Reserve(lines_.text().size() + bytes, lines_.holes() + reactions);
  eas_.Reserve(reactions);
}

void NonElementaryLists::Add(std::string_view line) {
  std::string& text = lines_.text();
  text.append(line);
  text.append(kCrLf, 2);
}

void NonElementaryLists::AddReaction(std::string_view head,
                                     const std::array<std::string, 3>& eas) {
  std::string& text = lines_.text();
  const size_t start = text.size();
  text.append(head);
  lines_.AddHole(start);
  text.append(kCrLf, 2);
  const std::string_view texts[] = {eas[0], eas[1], eas[2]};
  eas_.Add(texts);
}

void NonElementaryLists::Pieces(
    int u, const std::function<void(std::string_view)>& take) const {
  if (lines_.empty()) return;
  const size_t k = static_cast<size_t>(u);
  lines_.Pieces(
      0, lines_.holes(), [this, k](size_t h) { return eas_.Get(h, k); }, take);
}

std::string NonElementaryLists::Text(int u) const {
  std::string text;
  Pieces(u, [&text](std::string_view piece) { text.append(piece); });
  return text;
}

size_t NonElementaryLists::size() const {
  // Each file's Ea texts are about a third of them all.
  return lines_.text().size() + eas_.bytes() / 3;
}

void NonElementaryLists::clear() {
  lines_.clear();
  eas_.clear();
}

void BeginNonElementaryLists(NonElementaryLists& lists) {
  lists.Add(kNerHeading);
}

void EndNonElementaryLists(int count, NonElementaryLists& lists) {
  if (count == 0) lists.clear();
}

}  // namespace kestrelon

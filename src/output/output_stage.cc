#include "output/output_stage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/auxiliary_words.h"
#include "model/energy_unit.h"
#include "model/number_format.h"
#include "output/holed_text.h"
#include "output/ner_list.h"
#include "output/reaction_units.h"
#include "output/working_forms.h"
#include "platform/side_task.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

struct OutputFile {
  OutUnit unit;
  const char* word;  // between the name and the "."
  int ea_column;
};

constexpr OutputFile kOutputFiles[] = {
    {OutUnit::kJoule, "j", 6},
    {OutUnit::kCalorie, "cal", 7},
    {OutUnit::kKelvin, "kelvin", 5},
};
constexpr int kFirstEaColumn = 5;

bool IsReactionRow(const WorkingTable& table, int r,
                   const SectionIndex& index) {
  return r > index.reacrow && r < index.reacend &&
         !StartsWith(table.Get(r, 2), "####");
}

// Equation, A and n of reaction row `r`, each followed by a blank.
void AppendSharedPart(std::string& out, const WorkingTable& table, int r) {
  out.append(table.Get(r, 2));
  out.push_back(' ');
  out.append(table.Get(r, 9));
  out.push_back(' ');
  out.append(table.Get(r, 10));
  out.push_back(' ');
}

// A reaction line as the files hold it before the working forms are undone:
// equation, A, n and the file's Ea joined by single blanks.
void AppendReactionLine(std::string& out, const WorkingTable& table, int r,
                        int ea_column) {
  AppendSharedPart(out, table, r);
  out.append(table.Get(r, ea_column));
}

}  // namespace

void ShowFileLinesInTable(WorkingTable& table, const SectionIndex& index,
                          int f) {
  const OutputFile& file = kOutputFiles[f];
  for (int r = index.reacrow + 1; r < index.reacend; ++r) {
    if (!IsReactionRow(table, r, index)) continue;
    // The line is built from the other columns only.
    std::string line;
    AppendReactionLine(line, table, r, file.ea_column);
    table.Set(r, 1, line);
  }
}

// The number of rows of `rows`.
size_t RowCount(RowRange rows) {
  return rows.last >= rows.first
             ? static_cast<size_t>(rows.last - rows.first + 1)
             : 0;
}

// The three Ea texts of every row of the reaction section, in the order of
// the columns they go to (5 kelvin, 6 joule, 7 calorie), printed once. A
// printed number is a few hundred bytes at most.
class EaTexts {
 public:
  // Room for the texts of `rows`.
  explicit EaTexts(RowRange rows) : first_(rows.first) {
    texts_.Reserve(RowCount(rows));
  }

  // The next row's texts; rows are added in order.
  void Add(std::span<const std::string_view> texts) { texts_.Add(texts); }

  // Takes on the texts of the rows after this object's, where they are.
  void Append(EaTexts next) {
    next_ = std::make_unique<EaTexts>(std::move(next));
  }

  std::string_view Column(int row, int column) const {
    if (next_ != nullptr && row >= next_->first_) {
      return next_->Column(row, column);
    }
    return texts_.Get(static_cast<size_t>(row - first_),
                      static_cast<size_t>(column - kFirstEaColumn));
  }

 private:
  int first_;
  EaTriples texts_;
  std::unique_ptr<EaTexts> next_;  // the texts of the rows after these
};

// What the three files share: every line they write, from ELEMENTS to the
// END of the reaction section, with its working forms undone; a reaction
// line up to and with the blank before its Ea, which differs per file. The
// Ea is a printed number, which holds neither "+(" nor ";", and the blank
// keeps the two apart, so undoing the forms on the shared part is undoing
// them on the whole line. The Ea texts are the ones the conversion printed,
// so that writing a file reads no table cell again.
//
// Collecting is the one pass over the table after the non-elementary
// reactions are out: it also takes the auxiliary tags off, and leaves in
// the line column of each reaction row the kelvin file's line, which the
// table shows after the run. For a table nobody looks at, a large one is
// collected in two parts side by side, the second beginning with a
// reaction line, and each row is let go once read.
class SharedLines {
 public:
  // `origin` gets the input line of each line of the files. The rows of
  // `taken` (in order) were taken out of the main part: their lines count
  // as empty.
  SharedLines(WorkingTable& table, const SectionIndex& index, EaTexts eas,
              const InputLines& input, bool table_shown,
              std::span<const int> taken, std::vector<int>& origin)
      : eas_(std::move(eas)) {
    const RowRange all{index.elemrow, index.reacend};
    const int middle =
        table_shown ? all.last + 1 : MiddleReactionRow(table, index);
    if (middle > all.last) {
      Collect(parts_[0], table, index, all, input, table_shown, taken, origin);
      return;
    }
    const auto high = std::lower_bound(taken.begin(), taken.end(), middle);
    const std::span<const int> taken_low(taken.begin(), high);
    const std::span<const int> taken_high(high, taken.end());
    std::vector<int> later_origin;
    SideTask second([&] {
      Collect(parts_[1], table, index, {middle, all.last}, input, false,
              taken_high, later_origin);
    });
    Collect(parts_[0], table, index, {all.first, middle - 1}, input, false,
            taken_low, origin);
    second.Wait();
    for (size_t& before : parts_[1].lines_before) before += origin.size();
    origin.insert(origin.end(), later_origin.begin(), later_origin.end());
  }

  // The text of file `f` (0 joule, 1 calorie, 2 kelvin), the shared text
  // with the file's Ea in each hole, from the reaction line of hole `from`
  // (the start of the text for 0) to the one of hole `to` (the end of the
  // text for holes()), handed to `take` in pieces of some 64 KiB cut before
  // reaction lines.
  void FilePieces(int f, size_t from, size_t to,
                  const std::function<void(std::string_view)>& take) const {
    const int column = kOutputFiles[f].ea_column;
    const auto pieces = [&](const Part& part, size_t part_from,
                            size_t part_to) {
      part.lines.Pieces(
          part_from, part_to,
          [this, &part, column](size_t h) {
            return eas_.Column(part.rows[h], column);
          },
          take);
    };
    if (parts_[1].lines.empty()) return pieces(parts_[0], from, to);
    // The second part begins with the reaction line of its first hole: the
    // end of the first part's text, the start of the second's and that
    // line are one place.
    const size_t first_holes = parts_[0].lines.holes();
    if (from < first_holes) {
      pieces(parts_[0], from, std::min(to, first_holes));
    }
    if (to > first_holes) {
      pieces(parts_[1], from > first_holes ? from - first_holes : 0,
             to - first_holes);
    }
  }

  size_t holes() const {
    return parts_[0].lines.holes() + parts_[1].lines.holes();
  }
  // The bytes of the shared text from the reaction line of hole `h` on.
  size_t BytesFrom(size_t h) const {
    const size_t first_holes = parts_[0].lines.holes();
    if (h >= first_holes) return parts_[1].lines.BytesFrom(h - first_holes);
    return parts_[0].lines.BytesFrom(h) + parts_[1].lines.text().size();
  }
  // The number of lines of the files before the reaction line of hole `h`.
  size_t LinesBefore(size_t h) const {
    const size_t first_holes = parts_[0].lines.holes();
    if (h >= first_holes) return parts_[1].lines_before[h - first_holes];
    return parts_[0].lines_before[h];
  }

 private:
  // The lines of some rows: every line with its CR LF, each reaction line
  // with a hole for its Ea; for each hole, the row whose Ea texts go there
  // and the number of lines before its line.
  struct Part {
    HoledText lines;
    std::vector<int> rows;
    std::vector<size_t> lines_before;
  };

  struct Scratch {
    std::string buffer;
    std::vector<std::string_view> parts;
  };

  // A reaction row about halfway through the rows to collect, with one
  // before it; past the END row when the rows are too few to part.
  static int MiddleReactionRow(const WorkingTable& table,
                               const SectionIndex& index) {
    // A second thread costs more than it saves on a small table.
    constexpr int kFewRows = 8000;
    const int none = index.reacend + 1;
    if (index.reacend - index.elemrow < kFewRows) return none;
    int r = std::max(index.elemrow + (index.reacend - index.elemrow) / 2,
                     index.reacrow + 2);
    for (; r < index.reacend; ++r) {
      if (IsReactionRow(table, r, index)) break;
    }
    for (int before = index.reacrow + 1; before < r; ++before) {
      if (IsReactionRow(table, before, index)) return r;
    }
    return none;
  }

  // Collects `rows` into `part`, the input line of each line into
  // `origin`; with a table nobody looks at, lets go of each row once read.
  void Collect(Part& part, WorkingTable& table, const SectionIndex& index,
               RowRange rows, const InputLines& input, bool table_shown,
               std::span<const int> taken, std::vector<int>& origin) {
    const size_t n = RowCount(rows);
    part.lines.Reserve(n * 64, n);
    part.rows.reserve(n);
    part.lines_before.reserve(n);
    origin.reserve(origin.size() + n);
    Scratch scratch;
    for (int r = rows.first; r <= rows.last; ++r) {
      const bool taken_out = !taken.empty() && taken.front() == r;
      if (taken_out) taken = taken.subspan(1);
      AddRow(part, table, index, r, input, table_shown, taken_out, origin,
             scratch);
      // Read once: a table nobody looks at lets go of each row as it goes,
      // so that the table and the texts made from it are not held at once
      // (the reaction rows' pool stretches go back to the system whole).
      if (!table_shown) table.ReleaseRow(r);
    }
  }

  // The lines of row `r`; none when `taken_out`.
  static void AddRow(Part& part, WorkingTable& table, const SectionIndex& index,
                     int r, const InputLines& input, bool table_shown,
                     bool taken_out, std::vector<int>& origin,
                     Scratch& scratch) {
    std::string& buffer = scratch.buffer;
    std::vector<std::string_view>& parts = scratch.parts;
    const bool in_reactions = r > index.reacrow && r < index.reacend;
    std::string_view untagged =
        taken_out ? std::string_view() : table.Get(r, 1);
    if (in_reactions && StartsWith(untagged, "#DATAUX#")) {
      buffer.assign(untagged);
      EraseAll(buffer, "#DATAUX#");
      if (table_shown) table.Set(r, 1, buffer);
      untagged = buffer;
    }
    if (IsReactionRow(table, r, index)) {
      std::string& text = part.lines.text();
      const size_t at = text.size();
      AppendSharedPart(text, table, r);
      RestoreWorkingForms(text.data() + at, text.size() - at);
      part.lines.AddHole(at);
      part.rows.push_back(r);
      part.lines_before.push_back(origin.size());
      if (table_shown) {
        // The kelvin file's line, its working forms kept.
        buffer.clear();
        AppendReactionLine(buffer, table, r, kOutputFiles[2].ea_column);
        table.Set(r, 1, buffer);
      }
      text.append(kCrLf, 2);
      origin.push_back(input.LineOfRow(r));
      return;
    }
    // Any other row is a line as it stands, an auxiliary line of the
    // reaction section split where it holds a laid-out block.
    if (in_reactions) {
      SplitAuxiliaryLine(untagged, parts);
    } else {
      parts.assign(1, untagged);
    }
    for (std::string_view line : parts) {
      if (line.empty()) continue;
      std::string& text = part.lines.text();
      const size_t line_at = text.size();
      text.append(line);
      RestoreWorkingForms(text.data() + line_at, text.size() - line_at);
      text.append(kCrLf, 2);
      origin.push_back(input.LineOfRow(r));
    }
  }

  Part parts_[2];  // the second empty when the rows were collected whole
  EaTexts eas_;
};

namespace {

// Ea of `rows` of the reaction section (column 11), converted from
// style.unit and printed with the Ea pattern into `eas`; with `table_shown`
// also written into columns 6 (J/mol), 7 (cal/mol) and 5 (K).
void ConvertActivationEnergies(WorkingTable& table, const SectionIndex& index,
                               RowRange rows, const CoefficientStyle& style,
                               const InputLines& input, bool table_shown,
                               EaTexts& eas) {
  // Rows without an Ea (auxiliary lines) read 0, which every unit prints
  // alike.
  const std::string zero = FormatNumber(0.0, style.patterns.ea);
  for (int r = rows.first; r <= rows.last; ++r) {
    input.AtRow(r, [&] {
      const double x = LeadingNumber(table.Get(r, 11));
      // A reaction with a UNITS line of its own gives Ea in that unit.
      const EaUnit from =
          x == 0 ? style.unit
                 : ReactionUnitOfRow(table, r, index.reacend, style.unit);
      if (x == 0) {
        const std::string_view zeros[] = {zero, zero, zero};
        if (table_shown) table.SetRange(r, kFirstEaColumn, zeros);
        eas.Add(zeros);
        return;
      }
      // The three columns are side by side (kelvin, joule, calorie) and
      // written at once; a number out of range leaves the ones printed
      // before it written.
      std::string printed[3];
      std::string_view cells[3];
      for (const OutputFile& f : kOutputFiles) {
        const size_t k = static_cast<size_t>(f.ea_column - kFirstEaColumn);
        try {
          printed[k] =
              FormatNumber(ConvertEa(from, f.unit, x), style.patterns.ea);
        } catch (...) {
          for (const OutputFile& g : kOutputFiles) {
            if (&g == &f || !table_shown) break;
            table.Set(
                r, g.ea_column,
                printed[static_cast<size_t>(g.ea_column - kFirstEaColumn)]);
          }
          throw;
        }
      }
      for (size_t k = 0; k < 3; ++k) cells[k] = printed[k];
      if (table_shown) table.SetRange(r, kFirstEaColumn, cells);
      eas.Add(cells);
    });
  }
}

// Room in the lists for what `rows` may add: a listed line is rarely longer
// than a mechanism line.
void ReserveLists(NonElementaryLists& lists, RowRange rows) {
  constexpr size_t kRoomPerRow = 128;
  lists.Reserve(kRoomPerRow * RowCount(rows), RowCount(rows));
}

// What the conversion and the list of some rows of the reaction section
// gathered.
struct HalfOutput {
  std::optional<EaTexts> eas;
  NonElementaryLists lists;
  std::vector<int> listed;
  std::vector<int> taken;
  int count = 0;
  std::exception_ptr convert_failure;
  std::exception_ptr list_failure;

  // Converts the Ea of `convert` and lists the reactions of `list`; a
  // failed conversion lists nothing, as its failure comes first.
  void Make(WorkingTable& table, const SectionIndex& index, RowRange convert,
            RowRange list, const CoefficientStyle& style,
            const InputLines& input) {
    try {
      eas.emplace(convert);
      ConvertActivationEnergies(table, index, convert, style, input, false,
                                *eas);
    } catch (...) {
      convert_failure = std::current_exception();
      return;
    }
    try {
      ReserveLists(lists, list);
      count = TakeOutNonElementary(table, index, list, style, input, lists,
                                   listed, &taken);
    } catch (...) {
      list_failure = std::current_exception();
    }
  }
};

// The Ea converted into `eas` and the non-elementary reactions taken out,
// as one after the other, for a table nobody looks at: each of two threads
// converts half the rows of the section and lists half its non-elementary
// reactions while the table is only read; the rows taken out go to
// `taken`, in order, instead of being emptied. `non_elementary` holds the
// rows of the reactions to list. The lists of the second half go to
// `more_lists`. Returns the number listed.
int ConvertAndList(WorkingTable& table, const SectionIndex& index,
                   const CoefficientStyle& style, const InputLines& input,
                   std::span<const int> non_elementary,
                   std::optional<EaTexts>& eas, NonElementaryLists& lists,
                   NonElementaryLists& more_lists, std::vector<int>& listed,
                   std::vector<int>& taken) {
  const RowRange rows = ReactionRows(index);
  // A second thread costs more than it saves on a small section: the first
  // half is then the whole. Otherwise the list halves hold as many
  // non-elementary reactions each and meet at one of them: a reaction's
  // lines stay together.
  constexpr int kFewRows = 2000;
  const bool few = rows.last - rows.first < kFewRows;
  const int list_middle = few || non_elementary.empty()
                              ? rows.last + 1
                              : non_elementary[non_elementary.size() / 2];
  const int convert_middle =
      few ? rows.last + 1 : rows.first + (rows.last - rows.first + 1) / 2;
  HalfOutput low;
  BeginNonElementaryLists(low.lists);
  HalfOutput high;
  const auto make_high = [&] {
    high.Make(table, index, {convert_middle, rows.last},
              {list_middle, rows.last}, style, input);
  };
  {
    std::optional<SideTask> second;
    if (!few) second.emplace(make_high);
    low.Make(table, index, {rows.first, convert_middle - 1},
             {rows.first, list_middle - 1}, style, input);
    if (second) {
      second->Wait();
    } else {
      make_high();  // over no rows
    }
  }
  // Converting comes first when one follows the other, then the rows in
  // their order.
  for (const std::exception_ptr& f : {low.convert_failure, high.convert_failure,
                                      low.list_failure, high.list_failure}) {
    if (f) std::rethrow_exception(f);
  }
  taken = std::move(low.taken);
  taken.insert(taken.end(), high.taken.begin(), high.taken.end());
  for (const HalfOutput* half : {&low, &high}) {
    listed.insert(listed.end(), half->listed.begin(), half->listed.end());
  }
  low.eas->Append(std::move(*high.eas));
  eas = std::move(low.eas);
  lists = std::move(low.lists);
  more_lists = std::move(high.lists);
  return low.count + high.count;
}

}  // namespace

OutputResult::OutputResult() = default;
OutputResult::OutputResult(OutputResult&&) noexcept = default;
OutputResult::~OutputResult() = default;

void OutputResult::Pieces(
    int f, const std::function<void(std::string_view)>& take) const {
  HalfPieces(f, Split{}, 1, take);
}

OutputResult::Split OutputResult::Halves() const {
  // A second thread costs more than it saves on few reactions.
  constexpr size_t kFewReactions = 2000;
  const size_t holes = shared->holes();
  if (holes < kFewReactions) return {};
  // The first half, whose pass also writes it to the file, holds two lines
  // in five, the list at the end counted in; the second is laid out into
  // memory meanwhile.
  const size_t half = lines.origin.size() * 2 / 5;
  size_t low = 1;
  size_t high = holes - 1;
  while (low < high) {
    const size_t mid = low + (high - low) / 2;
    if (shared->LinesBefore(mid) < half) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return {low, shared->LinesBefore(low)};
}

void OutputResult::HalfPieces(
    int f, const Split& split, int half,
    const std::function<void(std::string_view)>& take) const {
  if (half == 0) {
    shared->FilePieces(f, 0, split.hole, take);
    return;
  }
  shared->FilePieces(f, split.hole, shared->holes(), take);
  lists.Pieces(f, take);
  more_lists.Pieces(f, take);
}

size_t OutputResult::SecondHalfSize(const Split& split) const {
  const size_t from = split.hole < shared->holes() ? split.hole : 0;
  return shared->BytesFrom(from) + kPrintedEaBytes * (shared->holes() - from) +
         lists.size() + more_lists.size();
}

OutputResult RunOutputStage(WorkingTable& table, const SectionIndex& index,
                            const CoefficientStyle& style,
                            const InputLines& input, bool table_shown,
                            std::span<const int> non_elementary) {
  OutputResult result;
  result.lines.file = input.file;
  std::vector<int> listed;
  std::vector<int> taken;  // rows taken out of the main part, not emptied
  std::optional<EaTexts> eas;
  {
    NonElementaryLists& lists = result.lists;
    if (table_shown) {
      BeginNonElementaryLists(lists);
      ReserveLists(lists, ReactionRows(index));
      eas.emplace(ReactionRows(index));
      ConvertActivationEnergies(table, index, ReactionRows(index), style, input,
                                table_shown, *eas);
      result.nercount =
          TakeOutNonElementary(table, index, style, input, lists, listed);
    } else {
      result.nercount =
          ConvertAndList(table, index, style, input, non_elementary, eas, lists,
                         result.more_lists, listed, taken);
    }
    EndNonElementaryLists(result.nercount, lists);
    if (result.nercount == 0) result.more_lists.clear();
  }
  result.shared = std::make_unique<const SharedLines>(
      table, index, std::move(*eas), input, table_shown, taken,
      result.lines.origin);
  if (result.nercount > 0) {
    result.lines.origin.push_back(0);  // the list's heading
    result.lines.origin.insert(result.lines.origin.end(), listed.begin(),
                               listed.end());
  }
  return result;
}

}  // namespace kestrelon

// The list of non-elementary reactions at the end of each cleaned file.
//
// TakeOutNonElementary reads the working table after the activation energies
// have been converted: every reaction-section row whose line begins with
// "#NER#", together with the auxiliary rows that follow it (up to the next
// row holding "=>" or the END of the section), is added to `lists` (the
// lists of the J/mol, cal/mol and K files, which a run on disk kept in
// "tempo4.int" to "tempo6.int"), and its rows' line cells are emptied, so
// the writer leaves them out of the main part. The reaction line is printed
// again with the run's patterns and the converted Ea ("|=>" written "=>");
// auxiliary lines keep their text without the tag (empty ones are left
// out, as in the main part of the files). Both get "(+" and "," back.
// Returns the number of such reactions; `listed_origin` gets the input line
// of each listed line. Given `taken`, the rows are listed there, in order,
// for the caller to leave out instead of being emptied, and the table is
// only read (so that another thread may read it meanwhile).
//
// BeginNonElementaryLists puts the heading
// "****List of non-elementary reactions****" at the start of the lists,
// before anything is listed; EndNonElementaryLists empties them when
// `count` is 0. Every line ends with CR LF.
//
// Throws RunError naming the input line when a non-elementary reaction lacks
// its three coefficients or a number is out of range.
#ifndef KESTRELON_OUTPUT_NER_LIST_H_
#define KESTRELON_OUTPUT_NER_LIST_H_

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/working_table.h"
#include "output/holed_text.h"

namespace kestrelon {

// The lists of the joule, calorie and kelvin files (0, 1, 2), held once:
// their lines are the same but for the Ea of each reaction line.
class NonElementaryLists {
 public:
  // Room for about `bytes` of lines and `reactions` reaction lines.
  void Reserve(size_t bytes, size_t reactions);
  // A line of the three lists.
  void Add(std::string_view line);
  // A reaction line: `head` (up to the Ea), then the Ea of each list.
  void AddReaction(std::string_view head,
                   const std::array<std::string, 3>& eas);
  // The list of file `u`, in pieces as HoledText::Pieces hands them;
  // nothing for an empty list.
  void Pieces(int u, const std::function<void(std::string_view)>& take) const;
  // The list of file `u`, whole.
  std::string Text(int u) const;
  // About the bytes of the list of one file.
  size_t size() const;
  bool empty() const { return lines_.empty(); }
  void clear();

 private:
  HoledText lines_;
  EaTriples eas_;  // the three Ea texts of each reaction line
};

int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         const CoefficientStyle& style, const InputLines& input,
                         NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* taken = nullptr);
// The same over `rows` of the reaction section alone, which begin at a
// reaction line (or the section's first row) and end before one (or at
// the section's last row).
int TakeOutNonElementary(WorkingTable& table, const SectionIndex& index,
                         RowRange rows, const CoefficientStyle& style,
                         const InputLines& input, NonElementaryLists& lists,
                         std::vector<int>& listed_origin,
                         std::vector<int>* taken);

void BeginNonElementaryLists(NonElementaryLists& lists);
void EndNonElementaryLists(int count, NonElementaryLists& lists);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_NER_LIST_H_

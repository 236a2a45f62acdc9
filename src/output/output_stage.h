// The output stage of a cleaning run: turns the analysed working table into
// the texts of the three cleaned mechanism files. Writes no file: the run
// publishes the texts once they are complete and laid out.
//
// RunOutputStage converts the activation energies of the reaction section
// (column 11) from style.unit into J/mol, cal/mol and K, printed with the
// Ea pattern, takes the non-elementary reactions out of the table, removes
// the auxiliary tags, and composes the joule, calorie and kelvin texts, the
// non-elementary list at their end.
// Returns what the three texts share, from which OutputResult::Pieces makes
// each on demand (one at a time: the three need not be held at once), with
// the number of non-elementary reactions and the input line of each line.
//
// Each text holds the non-empty rows from "ELEMENTS" to the END of the
// reaction section, reaction lines rebuilt as equation, A, n and the file's
// Ea joined by single blanks, with "(+" and "," restored, every line ending
// in CR LF; an auxiliary line holding a LOW, HIGH, REV or PLOG block beside
// other items becomes one line per block and per run of other items
// (SplitAuxiliaryLine), so that laying the block out loses nothing. With
// `table_shown` (someone looks at the table after the run)
// the converted Ea are also in columns 6 (J/mol), 7 (cal/mol) and 5 (K)
// and the line column of each reaction row holds the kelvin file's line;
// ShowFileLinesInTable puts file `f`'s line there instead (0 joule,
// 1 calorie, 2 kelvin), as the table shows a file that failed. Without
// it, each row of the table is let go once its lines are composed: the
// table reads empty after.
//
// Throws RunError when a number is out of range or a non-elementary reaction
// lacks its coefficients (naming the input line).
#ifndef KESTRELON_OUTPUT_OUTPUT_STAGE_H_
#define KESTRELON_OUTPUT_OUTPUT_STAGE_H_

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "model/run_record.h"
#include "model/working_table.h"
#include "output/ner_list.h"

namespace kestrelon {

class SharedLines;

struct OutputResult {
  OutputResult();
  OutputResult(OutputResult&&) noexcept;
  ~OutputResult();

  // The text of file `f` (0 joule, 1 calorie, 2 kelvin) in pieces of whole
  // lines, each cut before a reaction line, as LayoutPass takes them.
  void Pieces(int f, const std::function<void(std::string_view)>& take) const;

  // Where the texts may be parted in two, for two layout passes side by
  // side: before the reaction line of hole `hole`, the `lines`th line of
  // the texts. `hole` 0: the texts are not worth parting.
  struct Split {
    size_t hole = 0;
    size_t lines = 0;
  };
  Split Halves() const;
  // The pieces of file `f` before the split (`half` 0) or from it on (1),
  // which together are Pieces(f); from the start of no split (Split{}),
  // half 1 is the whole file.
  void HalfPieces(int f, const Split& split, int half,
                  const std::function<void(std::string_view)>& take) const;
  // About the bytes HalfPieces(f, split, 1) hands over for any file `f`,
  // for the room of a copy of them.
  size_t SecondHalfSize(const Split& split) const;

  int nercount = 0;  // non-elementary reactions
  // The input line of each line of the files (they have the same lines).
  InputLines lines;
  std::unique_ptr<const SharedLines> shared;
  NonElementaryLists lists;       // the non-elementary lists of the files
  NonElementaryLists more_lists;  // and their rest, when listed apart
};

// Without `table_shown`, `non_elementary` holds the rows of the
// non-elementary reactions in order, as RunReactionPasses returns them.
OutputResult RunOutputStage(WorkingTable& table, const SectionIndex& index,
                            const CoefficientStyle& style,
                            const InputLines& input, bool table_shown = true,
                            std::span<const int> non_elementary = {});

void ShowFileLinesInTable(WorkingTable& table, const SectionIndex& index,
                          int f);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_OUTPUT_STAGE_H_

// The layout pass over the text of one cleaned file: re-prints the auxiliary
// keyword lines "LOW", "HIGH", "PLOG" and "REV" with the run's number patterns
// and with their activation energy converted from the input unit (style.unit),
// or from the energy unit of the reaction's own UNITS line
// (output/reaction_units.h), into `unit`, the unit of the file. The energy word
// leaves a UNITS line, and a UNITS line left empty leaves the file. Every other
// line is copied unchanged, in the order output/reverse_block.h gives the lines
// of a reaction with a REV line.
//
// A keyword line is a line from "REACTIONS" on whose first word is the
// keyword: it begins with "LOW", "HIGH", "PLOG" or "REV" followed by a blank, a
// "/" or its end. Element and species lines, and reaction lines (any line
// with a "="), whatever their first letters, are never keyword lines.
//
//   LOW / 1.04E+26 -2.76 1600.0 /   ->  LOW /1.040E+26 -2.7600 6694.4/
//   PLOG / 0.1 1.0E+10 0.0 1600.0 / ->  PLOG /0.1 1.000E+10 0.0000 6694.4/
//   REV / 1.0E+13 0.0 700.0 /       ->  O+OH<=>H+O2 1.000E+13 0.0000 2928.8
//     (after H+O2<=>O+OH ..., in the joule file of a cal/mol run)
//
// A "LOW" or "HIGH" line keeps its keyword text and becomes
// keyword " /" A " " n " " Ea "/" (items that stood beside the block in the
// input are on lines of their own by now, model/auxiliary_words.h).
// A "PLOG" line keeps its pressure as written: keyword " /" P " " A ...
// so that every line of a pressure-dependent rate is in the file's unit.
// A "REV" line becomes the reversible reaction line of the reverse
// direction, built from the reaction line above it, which must be
// reversible.
//
// The new text, every line ending with CR LF, goes to a sink in pieces; the
// run writes them straight into the file's staged copy. What the keyword
// lines hold is kept in `memo`, so that the next
// file of the run, which holds the same lines, needs only its Ea printed.
//
// Throws RunError naming the input line that the failing line came from
// (`origin`, line by line of the text), or else `path` (the file the text
// is for) and the line, when a keyword line holds no "/.../" block of three
// values (four for "PLOG") or holds more (the next would be read into Ea),
// when a "REV" line has no reversible reaction
// line above it (after an irreversible "=>" reaction it is invalid input),
// or when a number is out of range.
#ifndef KESTRELON_OUTPUT_LAYOUT_PASS_H_
#define KESTRELON_OUTPUT_LAYOUT_PASS_H_

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/energy_unit.h"
#include "model/run_record.h"

namespace kestrelon {

// What the layout pass read from keyword lines, kept from one file of a run
// to the next; made by the first file, only read by the later ones.
struct LayoutMemo;

// The pass is fed the text piece by piece, each piece whole lines and cut
// only before a reaction line (a reaction is never parted from its
// auxiliary lines); the new text goes to `sink` in pieces of whole lines,
// in order, so that a file is never held whole. A failure may come after
// some pieces were handed on.
using TextSink = std::function<void(std::string_view)>;
class LayoutPass {
 public:
  // `lines_before`: the text fed begins after that many lines of the file,
  // at a reaction line (0: at the start of the file).
  LayoutPass(const std::string& path, OutUnit unit,
             const CoefficientStyle& style, std::shared_ptr<LayoutMemo>& memo,
             const InputLines& origin, const TextSink& sink,
             size_t lines_before = 0);
  ~LayoutPass();

  void Feed(std::string_view piece);
  void Finish();  // hands on what is left

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Appends to `memo` what `later` holds, made by a pass over the rest of
// the same file, so that the next files find every line in order.
void JoinMemos(std::shared_ptr<LayoutMemo>& memo,
               std::shared_ptr<LayoutMemo>& later);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_LAYOUT_PASS_H_

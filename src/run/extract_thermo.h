// The third pass of a cleaning run. It reads the tagged copy "tempo2.int"
// and writes the text of "tempo3.int", the file the working table is loaded
// from: the same lines in the same order without the empty ones (a line of
// blanks is not empty), every "," turned into ";", and without the THERMO
// section when the input has one. Every line written ends with CR LF, and
// input.origin is rewritten so that entry i is the input line of line i+1
// of "tempo3.int" (of table row i+1 once the table is loaded).
//
// The THERMO section runs from the first "THERMO" line to the first "END"
// line after it; ThermoFileText gives those lines, empty lines included
// and commas untouched, as the database file's text. FindThermoSection finds
// the section before anything is asked or written, so that a cut-off database
// never reaches a file.
//
// Throws RunError when the THERMO section has no END line (naming the input
// line of "THERMO").
#ifndef KESTRELON_RUN_EXTRACT_THERMO_H_
#define KESTRELON_RUN_EXTRACT_THERMO_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/run_record.h"

namespace kestrelon {

// The text of "tempo2.int", with the input line of each of its lines.
class TaggedCopy {
 public:
  // Views `text`, which must outlive the object.
  TaggedCopy(std::string_view text, const InputLines& input);
  TaggedCopy(const TaggedCopy&) = delete;
  TaggedCopy& operator=(const TaggedCopy&) = delete;

  size_t size() const { return lines_.size(); }
  size_t text_size() const { return text_.size(); }
  std::string_view text() const { return text_; }
  std::string_view line(size_t i) const { return lines_[i]; }
  // 0 when the lines of the input are not known.
  int origin(size_t i) const { return origin_.empty() ? 0 : origin_[i]; }

  // Index of the first line from `from` on that reads exactly `what`, or
  // size() when there is none.
  size_t Find(std::string_view what, size_t from) const;

 private:
  std::string_view text_;
  std::vector<std::string_view> lines_;
  std::vector<int> origin_;
};

// Lines `first` ("THERMO") to `last` ("END") of the tagged copy.
struct ThermoRange {
  size_t first;
  size_t last;
};

ThermoRange FindThermoSection(const TaggedCopy& tagged,
                              const InputLines& input);

std::string ThermoFileText(const TaggedCopy& tagged, ThermoRange range);

// The text of "tempo3.int" into `out`, leaving out `thermo` when given.
void WriteMechanismCopy(const TaggedCopy& tagged,
                        std::optional<ThermoRange> thermo, std::string& out,
                        InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_EXTRACT_THERMO_H_

// The reader of NASA 7-coefficient thermodynamic data in the fixed columns
// of the CHEMKIN format: a THERMO section of a mechanism or a thermo file of
// its own (original or cleaned).
//
// Reads lines `begin` to `end` - 1 of `lines` (index 0 is line 1). An entry
// is four lines: line 1 carries "1" in column 80, or no mark there and a
// line 2 carrying "2" after it (some files leave the marks out); lines 2 to
// 4 are the next three lines that are neither empty nor comments ("!" in
// column 1). Line 1: the name (first word of columns 1-24), four element
// fields of columns 25-44 (symbol of two columns, count of three) and a
// fifth in columns 74-78, T low (46-55), T high (56-65), T middle (66-73;
// blank means the section's default). Lines 2-4: 15-column numbers, high
// range a1..a7 then low range a1..a7. Element counts that do not fit their
// fields may follow column 80 of line 1 ("1C      193H       84") or, after
// a "&" in column 80 or 81, stand on a line of their own before line 2
// ("C 160.00 H 115.00"). A TAB moves to the next multiple of 8
// columns; blanks inside a number are dropped (Fortran's "1.5E 01") and "D"
// exponents read as "E". Text after column 80 is never read.
//
// The first line that is neither empty nor a comment may hold the default
// temperatures (low, middle, high), as it does after "THERMO ALL". Reading
// stops at a line whose first word is END or ENDOFDATA. An entry whose
// numbers cannot be read is reported in `problems` and left out. Nothing
// here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_THERMO_READER_H_
#define KESTRELON_CHECK_THERMO_READER_H_

#include <string>
#include <string_view>
#include <vector>

#include "check/nasa7.h"

namespace kestrelon {

struct ThermoProblem {
  int line = 0;
  std::string text;
};

struct ThermoData {
  std::vector<ThermoEntry> entries;  // in file order
  std::vector<ThermoProblem> problems;
  double default_mid = 1000.0;
};

ThermoData ReadThermoLines(const std::vector<std::string_view>& lines,
                           size_t begin, size_t end);

// A thermo file: from the line after its THERMO line (when it has one; the
// first line otherwise) to its END.
ThermoData ReadThermoFile(std::string_view text);

// Whether `text` is thermo data rather than a mechanism: its first line
// that is neither empty nor a comment begins with THERM (any case) or is
// the first line of an entry.
bool LooksLikeThermoFile(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_READER_H_

// The second pass of a cleaning run. It reads the normalised copy
// "tempo.int" (`text`) and writes "tempo2.int" (`out_text`), line for
// line, each line ending with CR LF:
//
// - A line that begins (nothing before it) with ELEM, SPEC, THERM or REAC
//   becomes "ELEMENTS", "SPECIES", "THERMO" or "REACTIONS". What follows the
//   keyword word on an ELEMENTS or SPECIES line (symbols, names) is kept on
//   a line of its own after the keyword; on a THERMO or REACTIONS line it
//   (options, units) is dropped. Returns whether there was a THERMO
//   line.
// - Up to 15 blanks directly before a "!" are removed (five replacement
//   steps of 5, 4, 3, 2 and 1 blanks), then everything from the first "!"
//   on. A line holding only a comment becomes an empty line.
//
// Nothing else is trimmed. input.origin is rewritten to match the lines of
// "tempo2.int" (a kept names line has the input line of its keyword line).
//
// Never throws but for want of memory.
#ifndef KESTRELON_RUN_TAG_SECTIONS_H_
#define KESTRELON_RUN_TAG_SECTIONS_H_

#include <string>
#include <string_view>

#include "model/run_record.h"

namespace kestrelon {

bool TagSections(std::string_view text, std::string& out_text,
                 InputLines& input);

// What "tempo2.int" holds for one line of "tempo.int": the line cut at its
// comment, or a keyword line's keyword and the rest it keeps.
struct TaggedLine {
  std::string_view line;  // a prefix of the line given, or a keyword
  bool keyword = false;   // `line` is a keyword
  bool thermo = false;    // the keyword is THERMO
  std::string_view rest;  // a line of its own after it; empty: none
};

// `scratch` holds the rest.
TaggedLine TagLine(std::string_view line, std::string& scratch);

// Applies the five blank-and-"!" steps to `line` and cuts it at its first
// "!".
void CutComment(std::string& line);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_TAG_SECTIONS_H_

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
#include <vector>

#include "model/run_record.h"
#include "platform/text_ops.h"

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

// Hands every line "tempo2.int" holds for `text` ("tempo.int") to
// `add(line, from_text, from, unread)`: the line, whether it views `text`,
// the input line it came from (`origin`, line by line of `text`; 0 past
// its end), and where the text not read yet begins. Returns whether the
// text has a THERMO line; `matched` tells whether `origin` had one entry
// per line of `text`.
template <typename Add>
bool ForEachTaggedLine(std::string_view text, const std::vector<int>& origin,
                       bool& matched, Add&& add) {
  LineReader reader(text);
  std::string_view view;
  std::string scratch;
  bool has_thermo = false;
  size_t count = 0;
  for (; reader.Next(view); ++count) {
    const int from = count < origin.size() ? origin[count] : 0;
    const TaggedLine tagged = TagLine(view, scratch);
    has_thermo = has_thermo || tagged.thermo;
    const char* const unread = reader.rest().data();
    add(tagged.line, !tagged.keyword, from, unread);
    if (!tagged.rest.empty()) add(tagged.rest, false, from, unread);
  }
  matched = count == origin.size();
  return has_thermo;
}

// Applies the five blank-and-"!" steps to `line` and cuts it at its first
// "!".
void CutComment(std::string& line);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_TAG_SECTIONS_H_

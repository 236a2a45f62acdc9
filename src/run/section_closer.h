// SectionCloser reads the section lines of a mechanism as other CHEMKIN
// readers do, for a permissive run. It reads the lines of the normalised
// copy one by one (upper case, TABs already blanks) and says what to write
// in place of each, so that the strict passes after it find every section:
//
// - A line whose text before its first "!", less the blanks around it, is
//   END closes the open section and is written as "END" (" END  ",
//   "END ! species"). With no section open it is left as it stands.
// - A line whose text begins, after blanks, with ELEM, SPEC, THERM or REAC
//   is a keyword line; it loses its leading blanks. When a section is still
//   open, an "END" is written before it. A SPECIES, THERMO or REACTIONS line
//   whose text ends with the word END ("SPECIES H O END") is written
//   without that word and followed by "END". An ELEMENTS line with END on
//   it is closed by the input pass itself.
// - In an open ELEMENTS or SPECIES section, a line of names that ends with
//   the word END ("H2 O2 N2 END") is written without that word and
//   followed by "END": END is no element or species.
// - A SPECIES (or ELEMENTS) keyword line inside a section of its kind, or
//   after its END with nothing but blank and comment lines between, goes on
//   with that section: it is written as the names on it, and an END before
//   it is taken back by the caller (`reopens`).
// - Every other line is written as it stands.
//
// At the end of the input, a section still open (REACTIONS, as a rule)
// needs an "END" after the last line. Nothing here throws.
#ifndef KESTRELON_RUN_SECTION_CLOSER_H_
#define KESTRELON_RUN_SECTION_CLOSER_H_

#include <string_view>

namespace kestrelon {

// What to write for one line: `line` (a view into the line read, or the
// literal "END"), with an "END" line before and/or after it.
struct SectionLines {
  bool end_before = false;
  std::string_view line;
  bool end_after = false;
  bool reopens = false;  // the END written last is to be taken back
};

class SectionCloser {
 public:
  enum class Kind { kNone, kElements, kSpecies, kThermo, kReactions };

  SectionLines Read(std::string_view line);

  // A section opened and not closed yet.
  bool open() const { return open_; }

 private:
  bool open_ = false;
  Kind kind_ = Kind::kNone;    // of the section opened last
  Kind closed_ = Kind::kNone;  // of the section closed last, when nothing
                               // but blank and comment lines came after
};

}  // namespace kestrelon

#endif  // KESTRELON_RUN_SECTION_CLOSER_H_

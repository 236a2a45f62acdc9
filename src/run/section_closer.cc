#include "run/section_closer.h"

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// The kind of section a keyword line opens, by the first letters of its
// text (ELEM, SPEC, THERM, REAC); kNone for any other line.
SectionCloser::Kind KindOf(std::string_view code) {
  if (StartsWith(code, "ELEM")) return SectionCloser::Kind::kElements;
  if (StartsWith(code, "SPEC")) return SectionCloser::Kind::kSpecies;
  if (StartsWith(code, "THERM")) return SectionCloser::Kind::kThermo;
  if (StartsWith(code, "REAC")) return SectionCloser::Kind::kReactions;
  return SectionCloser::Kind::kNone;
}

bool HoldsNames(SectionCloser::Kind kind) {
  return kind == SectionCloser::Kind::kElements ||
         kind == SectionCloser::Kind::kSpecies;
}

// The length of `code` less a last word END, or npos when it has none.
size_t WithoutEndWord(std::string_view code) {
  if (code.size() < 4 || code.substr(code.size() - 3) != "END" ||
      code[code.size() - 4] != ' ') {
    return std::string_view::npos;
  }
  return TrimBlanks(code.substr(0, code.size() - 3)).size();
}

}  // namespace

SectionLines SectionCloser::Read(std::string_view line) {
  // Most lines are told apart by their first character: one that begins
  // neither END nor a keyword nor a comment is a line of text, which stands
  // as it is unless it may be a line of names ending with END.
  const size_t first = line.find_first_not_of(' ');
  if (first != std::string_view::npos && !(open_ && HoldsNames(kind_))) {
    const char c = line[first];
    if (c != 'E' && c != 'S' && c != 'T' && c != 'R' && c != '!') {
      closed_ = Kind::kNone;
      return {false, line, false};
    }
  }
  const std::string_view code = TrimBlanks(line.substr(0, line.find('!')));
  if (code == "END") {
    // An END with no section open is none of this mode's business: the
    // strict reading of it stays, so that such files clean as before.
    if (!open_) {
      closed_ = Kind::kNone;  // no longer right after the section's END
      return {false, line, false};
    }
    open_ = false;
    closed_ = kind_;
    return {false, "END", false};
  }
  const size_t start = line.find_first_not_of(' ');
  const Kind kind = KindOf(code);
  if (kind == Kind::kNone) {
    // A line of names may close its section ("H2 O2 N2 END"); in thermo
    // data or reactions the word would be part of a record or a line.
    const size_t kept =
        HoldsNames(kind_) ? WithoutEndWord(code) : std::string_view::npos;
    if (!code.empty()) closed_ = Kind::kNone;
    if (!open_ || kept == std::string_view::npos) return {false, line, false};
    open_ = false;
    closed_ = kind_;
    return {false, line.substr(start, kept), true};
  }
  const bool reopens = !open_ && kind == closed_;
  if (HoldsNames(kind) && (reopens || (open_ && kind == kind_))) {
    // A second SPECIES (or ELEMENTS) section goes on with the first: other
    // readers read every such section, and one section keeps the cleaned
    // files in the shape a reader expects. The names on the keyword line
    // stay.
    const size_t word = code.find(' ');
    const std::string_view names = word == std::string_view::npos
                                       ? std::string_view()
                                       : TrimBlanks(code.substr(word));
    const size_t kept = WithoutEndWord(names);
    open_ = kept == std::string_view::npos;
    closed_ = open_ ? Kind::kNone : kind;
    SectionLines out{false, open_ ? names : names.substr(0, kept), !open_};
    out.reopens = reopens;
    return out;
  }
  closed_ = Kind::kNone;
  kind_ = kind;
  SectionLines out{open_, line.substr(start), false};
  if (kind == Kind::kElements) {
    // The input pass splits an ELEMENTS line with END on it by itself.
    open_ = !Contains(code, "END");
    if (!open_) closed_ = kind;
    return out;
  }
  const size_t kept = WithoutEndWord(code);
  if (kept != std::string_view::npos) {
    // `code` starts where the unindented line starts.
    out.line = out.line.substr(0, kept);
    out.end_after = true;
    closed_ = kind;
  }
  open_ = !out.end_after;
  return out;
}

}  // namespace kestrelon

// Renaming one species in a cleaned mechanism file (the joule, calorie and
// kelvin files a run writes).
//
// Reads: the lines of one cleaned mechanism file, in file order. Writes:
// each line with the former name replaced by the new one wherever it stands
// as a whole name by the layout of that kind of line:
//   - section keywords, "DUP" lines and the "LOW", "TROE", "HIGH", "REV" and
//     "SRI" lines are never changed, nor are the lines of numbers opened by
//     "PLOG", "CHEB", "PCHEB", "TCHEB", "LT", "RLT", "JAN" or "FIT1" and a
//     blank or "/" (a line with "=>" is a reaction line whatever its first
//     letters), nor the element lines between "ELEMENTS" and its "END";
//   - before "REACTIONS": blank-separated words;
//   - after it, lines without "=>" (efficiency lines, the heading of the
//     non-elementary list): words before a blank or a "/";
//   - after it, lines with "=>": species between "+", "<=>", "=>", "(+" and
//     the blank that ends the equation; the numbers after that blank
//     never change, whatever the name ("4.600E+00" with a species "00").
// Promises: every replacement scans the line once from the left and never
// looks again at text it put in, so of two occurrences that share a "+" only
// the first is replaced; a name that is the beginning of a longer name is
// never touched; a line without the former name comes back unchanged.
// Names are compared exactly: callers pass them upper-cased. Throws only
// std::bad_alloc.
#ifndef KESTRELON_RENAME_MECHANISM_RULES_H_
#define KESTRELON_RENAME_MECHANISM_RULES_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

class MechanismRenamer {
 public:
  // `former` must not be empty.
  MechanismRenamer(std::string_view former, std::string_view renamed);

  // Forgets the section of the previous file: the next line is the first
  // line of a file.
  void StartFile();

  // Passes the next line of the file through the rules.
  std::string RenameLine(std::string_view line);

 private:
  struct Pattern {
    std::string find;
    std::string with;
  };

  // Renames a line that is the former name alone, or a name that opens the
  // line followed by a blank; false when nothing more of the line can hold
  // the name.
  bool RenameLeadingName(std::string& s) const;
  std::string BeforeReactions(std::string_view line) const;
  std::string Auxiliary(std::string_view line) const;
  std::string Reaction(std::string_view line) const;

  std::string former_;
  std::string renamed_;
  Pattern blank_name_blank_;
  Pattern blank_name_slash_;
  std::array<Pattern, 9> reaction_table_;
  bool in_reactions_ = false;
  bool in_elements_ = false;
};

// The whole text of a cleaned mechanism file renamed, every line ended by
// CR LF; nothing when no line changes (the file can stay as it is).
std::optional<std::string> RenameInMechanism(std::string_view text,
                                             std::string_view former,
                                             std::string_view renamed);

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_MECHANISM_RULES_H_

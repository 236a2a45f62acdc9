#include "rename/mechanism_rules.h"

#include <string>

#include "model/auxiliary_words.h"
#include "platform/text_ops.h"
#include "rename/line_rewrite.h"

namespace kestrelon {
namespace {

bool IsSectionKeyword(std::string_view line) {
  return line == "END" || line == "REACTIONS" || line == "THERMO" ||
         line == "SPECIES" || line == "ELEMENTS";
}

// Lines that carry parameters, never species names to rename. They are
// recognised by their first letters, as the layout pass recognises them.
bool IsParameterLine(std::string_view line) {
  for (std::string_view word : {"DUP", "LOW", "TROE", "HIGH", "REV", "SRI"}) {
    if (StartsWith(line, word)) return true;
  }
  // Lines of numbers only, whose words a species named like a number would
  // otherwise match; a species whose name merely begins with these letters
  // keeps its efficiency line renamed.
  const std::string_view first = FirstAuxiliaryWord(line);
  for (std::string_view word : {"PLOG", "CHEB", "PCHEB", "TCHEB", "LT", "RLT",
                                "JAN", "FIT1"}) {
    if (first == word) return true;
  }
  return false;
}

}  // namespace

MechanismRenamer::MechanismRenamer(std::string_view former,
                                   std::string_view renamed)
    : former_(former), renamed_(renamed) {
  const std::string o(former);
  const std::string n(renamed);
  blank_name_blank_ = {" " + o + " ", " " + n + " "};
  blank_name_slash_ = {" " + o + "/", " " + n + "/"};
  // The order is binding: each row works on what the rows before it left.
  reaction_table_ = {{
      {"+" + o + "=", "+" + n + "="},  // last reactant before "=>"
      {"+" + o + "<", "+" + n + "<"},  // last reactant before "<=>"
      {">" + o + " ", ">" + n + " "},  // the only product
      {">" + o + "+", ">" + n + "+"},  // first product
      {"+" + o + "(", "+" + n + "("},  // later species before "(+"
      {"+" + o + "+", "+" + n + "+"},  // species in the middle of a side
      {">" + o + "(", ">" + n + "("},  // first product before "(+"
      {"+" + o + " ", "+" + n + " "},  // last of several products
      {"+" + o + ")", "+" + n + ")"},  // collision partner inside "(+ )"
  }};
}

void MechanismRenamer::StartFile() {
  in_reactions_ = false;
  in_elements_ = false;
}

std::string MechanismRenamer::RenameLine(std::string_view line) {
  if (IsSectionKeyword(line)) {
    if (line == "REACTIONS") in_reactions_ = true;
    if (!in_reactions_) in_elements_ = line == "ELEMENTS";
    return std::string(line);
  }
  // Every rule below needs the name somewhere in the line.
  if (!Contains(line, former_)) return std::string(line);
  // A reaction line is one whatever its first letters ("PLOG/X=>Y" names a
  // species "PLOG/X"), as the layout reads it.
  const bool reaction = in_reactions_ && Contains(line, "=>");
  if (!reaction && IsParameterLine(line)) return std::string(line);
  if (!in_reactions_) {
    // An element symbol may equal a species name (AR); the element list
    // names elements, not species.
    if (in_elements_) return std::string(line);
    return BeforeReactions(line);
  }
  return reaction ? Reaction(line) : Auxiliary(line);
}

bool MechanismRenamer::RenameLeadingName(std::string& s) const {
  const size_t len = former_.size();
  if (s.size() < len) return false;
  if (s.size() == len) {
    ReplaceAll(s, former_, renamed_);
    return false;
  }
  if (StartsWith(s, former_) && s[len] == ' ') {
    s = renamed_ + s.substr(len);
  }
  return true;
}

std::string MechanismRenamer::BeforeReactions(std::string_view line) const {
  std::string s(line);
  if (!RenameLeadingName(s)) return s;
  const size_t len = former_.size();
  size_t last_blank = s.rfind(' ');
  if (last_blank != std::string::npos &&
      std::string_view(s).substr(last_blank + 1) == former_) {
    s.replace(last_blank + 1, len, renamed_);
  }
  ReplaceAll(s, blank_name_blank_.find, blank_name_blank_.with);
  return s;
}

std::string MechanismRenamer::Auxiliary(std::string_view line) const {
  std::string s(line);
  if (!RenameLeadingName(s)) return s;
  const size_t len = former_.size();
  if (s.size() > len && StartsWith(s, former_) && s[len] == '/') {
    s = renamed_ + s.substr(len);
  }
  ReplaceAll(s, blank_name_slash_.find, blank_name_slash_.with);
  ReplaceAll(s, blank_name_blank_.find, blank_name_blank_.with);
  return s;
}

std::string MechanismRenamer::Reaction(std::string_view line) const {
  std::string s(line);
  const size_t len = former_.size();
  if (s.size() <= len) return s;
  if (StartsWith(s, former_)) {
    std::string_view after = std::string_view(s).substr(len);
    if (StartsWith(after, "+") || StartsWith(after, "<") ||
        StartsWith(after, "(+") || StartsWith(after, "=")) {
      s = renamed_ + s.substr(len);
    }
  }
  // The numbers after the equation hold "+" too ("4.600E+00"): only the
  // equation and the blank that ends it are looked at.
  const size_t blank = s.find(' ');
  const size_t end = blank == std::string::npos ? s.size() : blank + 1;
  std::string equation = s.substr(0, end);
  for (const Pattern& row : reaction_table_) {
    ReplaceAll(equation, row.find, row.with);
  }
  return s.replace(0, end, equation);
}

std::optional<std::string> RenameInMechanism(std::string_view text,
                                             std::string_view former,
                                             std::string_view renamed) {
  // Every rule needs the name in the line; most files do not hold it.
  if (!Contains(text, former)) return std::nullopt;
  MechanismRenamer renamer(former, renamed);
  return RewriteLines(
      text, [&renamer, former](std::string_view line, std::string& out) {
        // A line without the name stays as it is; only the section keywords
        // tell the renamer where it is.
        if (!IsSectionKeyword(line) && !Contains(line, former)) return false;
        out = renamer.RenameLine(line);
        return true;
      });
}

}  // namespace kestrelon

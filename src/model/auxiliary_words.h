// The words that open an auxiliary line of reaction data in a mechanism
// (LOW, TROE, REV, PLOG, DUP, UNITS, ...), as against a line of third-body
// efficiencies ("H2/2.5/ H2O/12/"), and which auxiliary lines belong to the
// reverse of a reaction too. The cleaning passes, the layout of REV lines
// and the cleaned-file reader share them. Never throws.
#ifndef KESTRELON_MODEL_AUXILIARY_WORDS_H_
#define KESTRELON_MODEL_AUXILIARY_WORDS_H_

#include <string_view>
#include <vector>

namespace kestrelon {

// The first word of an auxiliary line: up to a blank or a "/".
std::string_view FirstAuxiliaryWord(std::string_view line);

// Whether `word` (upper case) is one of the keywords of auxiliary lines.
bool IsAuxiliaryKeyword(std::string_view word);

// Whether an auxiliary line is copied after the reverse reaction line of a
// REV line: a line of third-body efficiencies (its first word no keyword,
// a "/" in it) or a DUP line. The reverse of a third-body reaction has the
// same third body, and the reverses of two duplicates are duplicates too.
bool CopiedToReverse(std::string_view line);

// The lines an auxiliary line becomes in a cleaned file. CHEMKIN lets one
// line hold several items ("LOW/1.0E20 -1.7 525/ TROE/0.5 1E-30 1E30/",
// "REV/1E12 0 100/ DUP"), but a LOW, HIGH, REV or PLOG block is laid out as
// a line of its own, which would drop the items beside it. So each such
// block with three values or more between its slashes becomes a part of its
// own, and the items between such blocks stay together as written:
//
//   LOW/1 2 3/ H2/2/ H2O/6/   ->  "LOW/1 2 3/", "H2/2/ H2O/6/"
//   DUP REV / 1 0 100 /       ->  "DUP", "REV / 1 0 100 /"
//   H2/2/ H2O/6/              ->  "H2/2/ H2O/6/"
//
// `line` is upper case, without comment; the parts are views into it,
// without blanks at either end, in the order of the line. A line that is
// not split is its one part, unchanged.
void SplitAuxiliaryLine(std::string_view line,
                        std::vector<std::string_view>& parts);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_AUXILIARY_WORDS_H_

// The words that open an auxiliary line of reaction data in a mechanism
// (LOW, TROE, REV, PLOG, DUP, UNITS, ...), as against a line of third-body
// efficiencies ("H2/2.5/ H2O/12/"), and which auxiliary lines belong to the
// reverse of a reaction too. The cleaning passes, the layout of REV lines
// and the cleaned-file reader share them. Never throws.
#ifndef KESTRELON_MODEL_AUXILIARY_WORDS_H_
#define KESTRELON_MODEL_AUXILIARY_WORDS_H_

#include <string_view>

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

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_AUXILIARY_WORDS_H_

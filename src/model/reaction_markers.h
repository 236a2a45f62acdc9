// The markers the reaction passes leave in the working table, read again by
// the output stage:
//   "#DATAUX#" before the line (column 1) of an auxiliary data row, a row of
//              the reaction section without an equation;
//   "#NER#"    before the line of a non-elementary reaction;
//   "####"     in columns 2 to 8 of a row that is not analysed as a reaction;
//   "///"      in a species slot (columns 3 to 8) that holds no species;
//   "Irr"      in column 12 of an irreversible reaction.
// Column numbers of the reaction rows are named here too.
#ifndef KESTRELON_MODEL_REACTION_MARKERS_H_
#define KESTRELON_MODEL_REACTION_MARKERS_H_

#include <string_view>

#include "platform/text_ops.h"

namespace kestrelon {

// The heading of the list of non-elementary reactions at the end of each
// cleaned file.
inline constexpr const char* kNerHeading =
    "****List of non-elementary reactions****";

inline constexpr std::string_view kAuxTag = "#DATAUX#";
inline constexpr std::string_view kNerTag = "#NER#";
inline constexpr std::string_view kSkipMark = "####";
inline constexpr std::string_view kEmptySlot = "///";
inline constexpr std::string_view kIrreversibleFlag = "Irr";

inline constexpr int kLineColumn = 1;
inline constexpr int kEquationColumn = 2;
inline constexpr int kFirstSlotColumn = 3;  // R1, R2, R3, P1, P2, P3: 3 to 8
inline constexpr int kAColumn = 9;
inline constexpr int kNColumn = 10;
inline constexpr int kEaColumn = 11;
inline constexpr int kFlagColumn = 12;

inline bool IsAuxiliaryLine(std::string_view line) {
  return StartsWith(line, kAuxTag);
}
inline bool IsNonElementaryLine(std::string_view line) {
  return StartsWith(line, kNerTag);
}

// A canonical reaction line is "EQUATION A N EA": a field after Ea is not
// part of any coefficient, and would be read into Ea ("16800. 5.0" as
// 16800.5). `ea_field` is the text after the line's third blank.
inline constexpr const char* kMoreThanThreeCoefficients =
    "reaction has more than three coefficients after its equation";
inline bool HasFieldAfter(std::string_view ea_field) {
  const size_t blank = ea_field.find(' ');
  return blank != std::string_view::npos &&
         ea_field.find_first_not_of(' ', blank) != std::string_view::npos;
}

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_REACTION_MARKERS_H_

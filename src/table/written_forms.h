// Two ways mechanisms are commonly written that the blank rules of the
// reaction lines (table/reaction_lines.h) would otherwise misread. Both read
// one line of the reaction section as the input passes leave it (upper case,
// TABs as blanks) and nothing else; nothing here throws.
//
// A coefficient written apart from its species, "2 OH" or "0.5 O2", is a
// number standing alone in an equation (after the start of the line, a "+",
// an "=" or a ">", blanks allowed between) followed by blanks and a species.
// JoinCoefficients writes it against the species ("2OH"), on either side of
// the arrow, and must run before the blank rules; it changes nothing else.
//
// A signed number, "+5.08E+004" or "-1.4", is a word (up to the next blank,
// "/" or the end of the line) that reads whole as a number: an optional sign,
// digits with at most one ".", at least one digit, and an optional exponent
// (E or D, optional sign, digits). The blank rules keep the blank before a
// "+" that starts such a word: it is the number's sign, not a species
// separator.
#ifndef KESTRELON_TABLE_WRITTEN_FORMS_H_
#define KESTRELON_TABLE_WRITTEN_FORMS_H_

#include <string>
#include <string_view>

namespace kestrelon {

// Whether `text` begins with a word that reads whole as a number.
bool StartsWithNumberWord(std::string_view text);

// Writes every coefficient that stands apart from its species against it.
void JoinCoefficients(std::string& line);

// Removes the blanks right before each "+" that does not start a number
// word, as replacing " +" by "+" would with signs left alone. Returns the
// number of blanks removed.
size_t RemoveBlankBeforeSeparators(std::string& line);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_WRITTEN_FORMS_H_

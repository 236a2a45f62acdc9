// Numbers as a cleaned mechanism file prints them, read to their values.
// Reads a text, writes nothing, never throws.
//
// ParseNumberText gives the same value as from_chars, to the last bit: the
// coefficients of nearly every reaction line, whose digits and power of
// ten are exact doubles, are read in one rounding without it.
#ifndef KESTRELON_MODEL_NUMBER_READING_H_
#define KESTRELON_MODEL_NUMBER_READING_H_

#include <cstddef>
#include <optional>
#include <string_view>

namespace kestrelon {

// The value of `text` when the whole text is one finite number as a cleaned
// file prints it: an optional sign, digits with at most one ".", at least
// one digit, an optional exponent (E or D, either case, optional sign,
// digits). A value too small for a double reads as 0.
std::optional<double> ParseNumberText(std::string_view text);

// The length of the digits-and-point part at the start of `text` (at most
// one "."), 0 when it holds no digit: the mantissa of a number without its
// sign.
size_t MantissaLength(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_NUMBER_READING_H_

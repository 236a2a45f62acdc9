// Numbers as a cleaned mechanism file prints them, and when two of them count
// as the same. Reads texts such as "3.547E+15", "-0.4060", "1600.0", ".5",
// "1.0D+13" (read by ParseNumberText); writes nothing; never throws.
//
// Under the default tolerance two numbers are the same when one value could
// have been printed as both texts: each text stands for the values that
// round to it (within half a unit of its last decimal place), and the two
// differ when these ranges do not meet, i.e. when |a - b| is at least half
// a unit of the one plus half a unit of the other. So the same value printed
// with different number patterns ("1.05" and "1.1") is not a difference,
// while a change in the last printed digit ("0.5" and "0.6") is. Under a
// relative tolerance REL they differ when |a - b| > REL * max(|a|, |b|). A
// text that is not a number differs from every text but itself.
#ifndef KESTRELON_COMPARE_NUMBER_TEXT_H_
#define KESTRELON_COMPARE_NUMBER_TEXT_H_

#include <string_view>

#include "model/number_reading.h"

namespace kestrelon {

struct Tolerance {
  bool relative = false;  // false: one unit of the last printed digit
  double rel = 0.0;       // used when `relative`
};

// One unit of the last decimal place of a number text: 1E-3 for "0.001"
// and "1.234", 1E+12 for "3.547E+15", 1 for "7". Assumes ParseNumberText
// accepts the text.
double LastDigitUnit(std::string_view text);

bool NumberTextsDiffer(std::string_view a, std::string_view b,
                       const Tolerance& tolerance);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_NUMBER_TEXT_H_

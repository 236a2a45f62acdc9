// Conversion of an activation energy from the input file's unit into the
// three output units. The constants and the order of the operations are
// fixed (1000.0, 4.184, 8.3144 and 1.9872, left to right) so that files
// cleaned anywhere print the same digits. Both values of R are used: 1.9872
// for calorie-based input, 8.3144 for joule-based input.
#ifndef KESTRELON_OUTPUT_EA_CONVERT_H_
#define KESTRELON_OUTPUT_EA_CONVERT_H_

#include "platform/ui_services.h"

namespace kestrelon {

enum class OutUnit { kJoule, kCalorie, kKelvin };

// Never throws; an overflow gives an infinity, which FormatNumber refuses.
double ConvertEa(EaUnit from, OutUnit to, double x);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_EA_CONVERT_H_

#include "output/number_format.h"

namespace kestrelon {

std::optional<NumberPattern> ParsePattern(std::string_view) { return std::nullopt; }
double LeadingNumber(std::string_view) { return 0; }
std::string FormatNumber(double, NumberPattern) { return {}; }

}  // namespace kestrelon

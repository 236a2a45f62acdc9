#include "compare/number_text.h"

#include <algorithm>
#include <cmath>

namespace kestrelon {

double LastDigitUnit(std::string_view text) {
  const size_t e = text.find_first_of("EeDd");
  const std::string_view mantissa = text.substr(0, e);
  const size_t point = mantissa.find('.');
  long decimals = point == std::string_view::npos
                      ? 0
                      : static_cast<long>(mantissa.size() - point - 1);
  long exponent = 0;
  if (e != std::string_view::npos) {
    size_t i = e + 1;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    for (; i < text.size(); ++i) {
      // Exponents past any double's range only need to stay large.
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return std::pow(10.0, static_cast<double>(exponent - decimals));
}

bool NumberTextsDiffer(std::string_view a, std::string_view b,
                       const Tolerance& tolerance) {
  if (a == b) return false;
  std::optional<double> x = ParseNumberText(a);
  std::optional<double> y = ParseNumberText(b);
  if (!x || !y) return true;
  double gap = std::fabs(*x - *y);
  if (tolerance.relative) {
    return gap > tolerance.rel * std::max(std::fabs(*x), std::fabs(*y));
  }
  double reach = (LastDigitUnit(a) + LastDigitUnit(b)) / 2;
  // Ranges that only touch do not meet (a half-way value rounds one way);
  // the slack keeps the binary error of the decimal texts from turning
  // 0.6 - 0.5 into a little less than the 0.1 it is.
  return gap >= reach * (1.0 - 1e-9);
}

}  // namespace kestrelon

#include "compare/rate_constant.h"

#include <cmath>

namespace kestrelon {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  text = text.substr(text.size() - end.size());
  for (size_t i = 0; i < end.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != end[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<OutUnit> EaUnitFromName(std::string_view path) {
  size_t slash = path.rfind('/');
  std::string_view name =
      slash == std::string_view::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  // "kelvin" first: it ends like no other word, while "j" is short.
  for (OutUnit unit : {OutUnit::kKelvin, OutUnit::kCalorie, OutUnit::kJoule}) {
    if (EndsWithNoCase(name, FileWord(unit))) return unit;
  }
  return std::nullopt;
}

std::optional<double> RateRatio(const Arrhenius& first, const Arrhenius& second,
                                OutUnit unit, double temperature) {
  // Through logarithms, so that A of 1E+30 and more does not overflow a
  // ratio that is itself moderate.
  if (first.a == 0 || second.a == 0 || (first.a < 0) != (second.a < 0)) {
    return std::nullopt;
  }
  double r = unit == OutUnit::kJoule     ? kGasConstantJoule
             : unit == OutUnit::kCalorie ? kGasConstantCalorie
                                         : 1.0;
  double log_ratio = std::log(std::fabs(second.a)) -
                     std::log(std::fabs(first.a)) +
                     (second.n - first.n) * std::log(temperature) -
                     (second.ea - first.ea) / (r * temperature);
  double ratio = std::exp(log_ratio);
  if (!std::isfinite(ratio)) return std::nullopt;
  return ratio;
}

}  // namespace kestrelon

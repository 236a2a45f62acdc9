#include "output/ea_convert.h"

namespace kestrelon {
namespace {

constexpr double kKilo = 1000.0;
constexpr double kJoulesPerCalorie = 4.184;
constexpr double kGasConstantJoule = 8.3144;
// Not kGasConstantJoule / kJoulesPerCalorie: calorie-based input divides by
// this rounded value, so its kelvin digits differ slightly from the joule
// route's, and files from both routes must keep printing what they always
// printed.
constexpr double kGasConstantCalorie = 1.9872;

}  // namespace

double ConvertEa(EaUnit from, OutUnit to, double x) {
  // Every expression is written in the order of its operations; the compiler
  // may not regroup them (no fast-math), so the digits are reproducible.
  switch (from) {
    case EaUnit::kKj:
      switch (to) {
        case OutUnit::kJoule:
          return x * kKilo;
        case OutUnit::kCalorie:
          return (x * kKilo) / kJoulesPerCalorie;
        case OutUnit::kKelvin:
          return (x * kKilo) / kGasConstantJoule;
      }
      break;
    case EaUnit::kKcal:
      switch (to) {
        case OutUnit::kJoule:
          return (x * kJoulesPerCalorie) * kKilo;
        case OutUnit::kCalorie:
          return x * kKilo;
        case OutUnit::kKelvin:
          return (x * kKilo) / kGasConstantCalorie;
      }
      break;
    case EaUnit::kJ:
      switch (to) {
        case OutUnit::kJoule:
          return x;
        case OutUnit::kCalorie:
          return x / kJoulesPerCalorie;
        case OutUnit::kKelvin:
          return x / kGasConstantJoule;
      }
      break;
    case EaUnit::kCal:
      switch (to) {
        case OutUnit::kJoule:
          return x * kJoulesPerCalorie;
        case OutUnit::kCalorie:
          return x;
        case OutUnit::kKelvin:
          return x / kGasConstantCalorie;
      }
      break;
    case EaUnit::kKelvin:
      switch (to) {
        case OutUnit::kJoule:
          return x * kGasConstantJoule;
        case OutUnit::kCalorie:
          return x * kGasConstantCalorie;
        case OutUnit::kKelvin:
          return x;
      }
      break;
  }
  return x;
}

}  // namespace kestrelon

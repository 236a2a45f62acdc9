#include "model/energy_unit.h"

namespace kestrelon {
const char* FileWord(OutUnit unit) {
  switch (unit) {
    case OutUnit::kJoule:
      return "j";
    case OutUnit::kCalorie:
      return "cal";
    case OutUnit::kKelvin:
      return "kelvin";
  }
  return "";
}

const char* UnitName(OutUnit unit) {
  switch (unit) {
    case OutUnit::kJoule:
      return "J/mol";
    case OutUnit::kCalorie:
      return "cal/mol";
    case OutUnit::kKelvin:
      return "K";
  }
  return "";
}

const char* UnitName(EaUnit unit) {
  switch (unit) {
    case EaUnit::kCal:
      return "cal/mol";
    case EaUnit::kKcal:
      return "kcal/mol";
    case EaUnit::kJ:
      return "J/mol";
    case EaUnit::kKj:
      return "kJ/mol";
    case EaUnit::kKelvin:
      return "K";
  }
  return "cal/mol";
}

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

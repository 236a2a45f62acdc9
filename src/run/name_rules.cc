#include "run/name_rules.h"

namespace kestrelon {
namespace {

bool IsForbidden(char c) {
  switch (c) {
    case '"':
    case '.':
    case '/':
    case '\\':
    case ':':
    case '?':
    case '\'':
    case '<':
    case '>':
    case '|':
    case '*':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string CleanTypedName(std::string_view typed) {
  std::string name(typed);
  for (char& c : name) {
    if (IsForbidden(c)) c = 'x';
  }
  return name;
}

std::string MechanismExtension(MechExtChoice choice, std::string_view text) {
  switch (choice) {
    case MechExtChoice::kRxn:
      return "rxn";
    case MechExtChoice::kMech:
      return "mech";
    case MechExtChoice::kCustom:
      break;
  }
  std::string ext;
  for (char c : text) {
    if (!IsForbidden(c)) ext += c;
  }
  return ext.empty() ? "rxn" : ext;
}

std::string ThermoExtension(ThermoExtChoice choice, std::string_view text) {
  switch (choice) {
    case ThermoExtChoice::kDat:
      return "dat";
    case ThermoExtChoice::kThe:
      return "the";
    case ThermoExtChoice::kCustom:
      break;
  }
  std::string ext;
  for (char c : text) {
    if (c == '*' || c == '.') continue;
    ext += IsForbidden(c) ? 'x' : c;
  }
  return ext.empty() ? "dat" : ext;
}

}  // namespace kestrelon

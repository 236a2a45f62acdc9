#include "model/species_name.h"

namespace kestrelon {

std::optional<std::string> NewSpeciesNameProblem(std::string_view name) {
  if (name.empty()) return "a species name cannot be empty";
  for (char c : name) {
    switch (c) {
      case ' ':
        return "a species name cannot hold a blank";
      case '\t':
        return "a species name cannot hold a TAB";
      case '\r':
      case '\n':
        return "a species name cannot hold a line break";
      case '+':
      case '=':
      case '<':
      case '>':
      case '!':
      case '/':
        return std::string("a species name cannot hold \"") + c + "\"";
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          return "a species name cannot hold a control character";
        }
    }
  }
  return std::nullopt;
}

}  // namespace kestrelon

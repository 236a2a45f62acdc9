#include "model/run_warning.h"

namespace kestrelon {

std::string FormatWarning(const std::string& file, int line,
                          const std::string& text) {
  std::string out = "kestrelon: ";
  if (!file.empty()) {
    out += file;
    if (line > 0) out += ":" + std::to_string(line);
    out += ": ";
  }
  return out + "warning: " + text;
}

}  // namespace kestrelon

#include "cli/section_hints.h"

#include "run/unreadable_causes.h"

namespace kestrelon {

std::vector<std::string> SectionHints(const std::string& file,
                                      std::string_view text,
                                      std::string_view advice) {
  std::vector<std::string> hints;
  for (const LineCause& cause : FindSectionCauses(text)) {
    hints.push_back("kestrelon: " + file + ":" + std::to_string(cause.line) +
                    ": " + cause.reason + std::string(advice));
  }
  return hints;
}

}  // namespace kestrelon

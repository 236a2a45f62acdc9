#include "cli/compare_command.h"

namespace kestrelon {

int RunCompareCommand(const std::vector<std::string>&, std::ostream&,
                      std::ostream& err) {
  err << "kestrelon: compare is not available yet\n";
  return 64;
}

}  // namespace kestrelon

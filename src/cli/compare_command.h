// `kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]` (stub).
#ifndef KESTRELON_CLI_COMPARE_COMMAND_H_
#define KESTRELON_CLI_COMPARE_COMMAND_H_

#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

int RunCompareCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_COMPARE_COMMAND_H_

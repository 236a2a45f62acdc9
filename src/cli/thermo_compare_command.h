// `kestrelon compare A B` when A and B are thermo files (cleaned or
// original NASA-7 files, recognised by their content: check/
// thermo_reader.h): the species of both compared (check/thermo_compare.h)
// and the report on `out`, as text or, with --json, JSON.
//
// Options: --tolerance X (default 0.001), --temperatures T1,T2,... (default
// 300,1000,2000), --json. Exit status as for two mechanisms: 0 same, 1
// different, 2 unreadable, 64 usage error ("kestrelon: ..." on `err`).
#ifndef KESTRELON_CLI_THERMO_COMPARE_COMMAND_H_
#define KESTRELON_CLI_THERMO_COMPARE_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

// Two files read whole, for the comparison of mechanisms to take over.
struct FilesRead {
  bool read = false;  // both files could be read
  std::string names[2];
  std::string texts[2];
};

// Runs the comparison when the two files named in `args` (the words after
// "compare") can be read and both hold thermo data, and returns its exit
// status; returns nothing, having written nothing, otherwise, and then
// leaves in `*files`, when given, the two files if it read them.
std::optional<int> CompareIfThermoFiles(const std::vector<std::string>& args,
                                        std::ostream& out, std::ostream& err,
                                        FilesRead* files = nullptr);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_THERMO_COMPARE_COMMAND_H_

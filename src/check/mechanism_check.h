// The checks of one mechanism, with its own THERMO section and a thermo
// file given apart, run together: reads the texts (mechanism_reader.h,
// thermo_reader.h) and gathers the findings of the declarations, the
// element balance, the duplicates and the thermo entries, sorted by file
// (the mechanism first) and line, in the order found within a line.
//
// Thermo data is available when at least one entry was read: the THERMO
// section (taken as all the data there is) and the file, the section first.
// Without it, coverage and balance are not judged. Entries are checked on
// their own (thermo_continuity.h) only where a run uses them: the first
// entry of each declared species. Entries that cannot be read are warnings.
// Linear in the size of the texts; nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_MECHANISM_CHECK_H_
#define KESTRELON_CHECK_MECHANISM_CHECK_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/finding.h"
#include "check/thermo_continuity.h"

namespace kestrelon {

struct CheckInput {
  std::string_view mechanism;
  std::optional<std::string_view> thermo;  // the --thermo file's text
  double thermo_tolerance = kDefaultThermoTolerance;
  // The files by index, for messages that name another place.
  std::vector<std::string> files;
};

struct CheckResult {
  bool has_species = false;
  bool has_reactions = false;
  int species = 0;  // declared, repeats not counted
  int reactions = 0;
  bool with_thermo = false;
  int unjudged = 0;  // reactions whose balance was not judged
  Findings findings;
};

CheckResult CheckMechanism(const CheckInput& input);

// Sorts by file, then line, keeping the order within a line.
void SortFindings(Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_MECHANISM_CHECK_H_

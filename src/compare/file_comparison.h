// Two cleaned mechanism files read and compared in one step, as the window
// and the plot writer need them: the two mechanisms, the report, and the
// report's differences as rows (see difference_rows.h). The Ea unit comes
// from the file names as for `kestrelon compare`; also the short summary
// the window shows above its table.
//
// CompareFiles throws RunError for a file that cannot be read or is not a
// cleaned mechanism file (naming the file and the line), and for two file
// names that say different Ea units (no file).
#ifndef KESTRELON_COMPARE_FILE_COMPARISON_H_
#define KESTRELON_COMPARE_FILE_COMPARISON_H_

#include <string>
#include <vector>

#include "compare/compare_report.h"
#include "compare/difference_rows.h"
#include "model/cleaned_file.h"

namespace kestrelon {

struct FileComparison {
  CleanedFile a;
  CleanedFile b;
  CompareReport report;
  std::vector<DifferenceRow> rows;
};

FileComparison CompareFiles(const std::string& path_a,
                            const std::string& path_b,
                            const Tolerance& tolerance = {});

// Five lines without a final line break: the Ea unit, the element and
// species counts, the counts of the reaction section and of the list of
// non-elementary reactions, the verdict.
std::string ShortSummary(const CompareReport& report);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_FILE_COMPARISON_H_

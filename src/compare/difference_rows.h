// The differences of a comparison as one flat list, a row per difference,
// for a table that sorts and filters them and a plot that draws them: its
// kind, its equation, its line in each file, the coefficients of each side
// and k(B)/k(A) at 1000 K. Reads a CompareReport and the two mechanisms it
// was made from (for the coefficients as numbers); writes nothing. A
// reaction whose rate parameters and auxiliary lines both differ gives two
// rows. Also chooses which rows a ratio plot draws. Never throws beyond
// std::bad_alloc.
#ifndef KESTRELON_COMPARE_DIFFERENCE_ROWS_H_
#define KESTRELON_COMPARE_DIFFERENCE_ROWS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "compare/compare_report.h"
#include "compare/rate_series.h"
#include "model/cleaned_file.h"

namespace kestrelon {

enum class DifferenceKind { kOnlyInA, kOnlyInB, kRateParameters, kAuxLines };

// "only in A", "only in B", "rate parameters", "auxiliary lines".
const char* DifferenceKindName(DifferenceKind kind);

// One side of a row: the reaction as that file writes it.
struct RowSide {
  int line = 0;
  std::string a, n, ea;  // coefficient texts
  Arrhenius rate;
};

struct DifferenceRow {
  DifferenceKind kind = DifferenceKind::kOnlyInA;
  bool non_elementary = false;  // from the list after the reactions
  std::string equation;         // as A writes it (B when only in B)
  // B writes the sides the other way round; each side's coefficients are
  // as written, for opposite directions.
  bool other_way_round = false;
  std::optional<RowSide> a;  // nothing: not in that file
  std::optional<RowSide> b;
  std::optional<double> ratio_1000;  // k(B)/k(A) at 1000 K
};

// Rows in the report's order: the reaction section, then the list of
// non-elementary reactions; within each, only in A, only in B, rate
// parameters, auxiliary lines.
std::vector<DifferenceRow> DifferenceRows(const CompareReport& report,
                                          const CleanedFile& a,
                                          const CleanedFile& b);

// The ratio plot shows at most this many curves.
inline constexpr size_t kMaxRatioCurves = 20;

// Of `candidates` (indices into `rows`), the rate-parameter rows whose two
// rate constants get furthest apart over `range` (the largest |log10
// k(B)/k(A)| anywhere in the range first, the earlier row first on a
// tie), at most kMaxRatioCurves of them. Rows whose
// ratio is defined nowhere in the range are left out, and so are rows
// written the other way round in B: their ratio sets the rate constant of
// one direction against that of the other, which tells nothing of how the
// mechanisms differ.
std::vector<size_t> LargestSpread(const std::vector<DifferenceRow>& rows,
                                  const std::vector<size_t>& candidates,
                                  OutUnit unit, const TemperatureRange& range);

// Number of temperatures of each curve.
inline constexpr int kCurvePoints = 60;

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_DIFFERENCE_ROWS_H_

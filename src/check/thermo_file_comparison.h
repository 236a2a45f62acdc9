// Two thermo files read and compared in one step, as the window needs them:
// the data of both, the report (thermo_compare.h), and the report as table
// rows: one per species only in A, one per species only in B, then one per
// value that differs (species in A's order, values in the report's order).
// Also the short summary the window shows above its table, and the entry a
// run uses for a species.
//
// CompareThermoFiles reads both files. It gives nothing when neither holds
// thermo data (LooksLikeThermoFile): they are for the mechanism compare. It
// throws FileError for a file that cannot be read, and RunError (no file)
// when one file holds thermo data and the other does not.
#ifndef KESTRELON_CHECK_THERMO_FILE_COMPARISON_H_
#define KESTRELON_CHECK_THERMO_FILE_COMPARISON_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/thermo_compare.h"
#include "check/thermo_reader.h"

namespace kestrelon {

enum class ThermoRowKind { kOnlyInA, kOnlyInB, kValue };

struct ThermoRow {
  ThermoRowKind kind = ThermoRowKind::kValue;
  std::string species;  // as A writes it; as B does for a species of B only
  std::string key;      // upper-cased, for finding the entries
  int line_a = 0;       // 0: not in that file
  int line_b = 0;
  const char* quantity = "";  // "Cp/R", "H/RT", "S/R"; "" when not a value
  double temperature = 0;
  double a = 0;
  double b = 0;
};

struct ThermoFileComparison {
  ThermoData a;
  ThermoData b;
  ThermoCompareReport report;  // file_a and file_b: the paths given
  std::vector<ThermoRow> rows;
};

std::optional<ThermoFileComparison> CompareThermoFiles(
    const std::string& path_a, const std::string& path_b,
    const ThermoCompareSettings& settings = {});

std::vector<ThermoRow> ThermoRows(const ThermoCompareReport& report);

// Three lines without a final line break: the quantities, temperatures and
// tolerance; the counts of species matched, only in A, only in B and with
// different values; the verdict.
std::string ThermoShortSummary(const ThermoCompareReport& report);

// What the window says of the entries neither file could give (their
// numbers cannot be read): "FILE:LINE: what; left out of the comparison",
// for the first, and how many more; empty when every entry was read.
std::string UnreadEntriesNote(const ThermoFileComparison& c);

// The first entry of `data` for the upper-cased `key`, or null.
const ThermoEntry* FirstEntry(const ThermoData& data, std::string_view key);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_FILE_COMPARISON_H_

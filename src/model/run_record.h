// The record one cleaning run keeps while its phases hand over to each
// other: paths, the section index, the END count, whether the input has
// thermodynamic data, the settings fixed at its start (unit, extensions,
// patterns), the names typed for its files, the number of non-elementary
// reactions, and where every line of the working files came from in the
// input. The driver makes a fresh one for every run, so nothing of a
// previous run leaks into the next; passes receive only the parts they
// read or write.
//
// Working files live in the input file's directory; WorkPath() names them.
#ifndef KESTRELON_MODEL_RUN_RECORD_H_
#define KESTRELON_MODEL_RUN_RECORD_H_

#include <string>
#include <vector>

#include "model/energy_unit.h"
#include "model/number_format.h"
#include "model/run_error.h"
#include "model/run_warning.h"

namespace kestrelon {

inline constexpr const char* kProgramTitle = "Kestrelon";
inline constexpr const char* kCrLf = "\r\n";

// The working files of a run, in the input file's directory.
inline constexpr const char* kTempo = "tempo.int";
inline constexpr const char* kTempo2 = "tempo2.int";
inline constexpr const char* kTempo3 = "tempo3.int";
inline constexpr const char* kTempo4 = "tempo4.int";
inline constexpr const char* kTempo5 = "tempo5.int";
inline constexpr const char* kTempo6 = "tempo6.int";
inline constexpr const char* kWorkingFiles[] = {kTempo,  kTempo2, kTempo3,
                                                kTempo4, kTempo5, kTempo6};

// Whether `name` (a file name without directory) is a working file's.
bool IsWorkingFileName(const std::string& name);

// The rows of the six section lines (ELEMENTS, END, SPECIES, END,
// REACTIONS, END); wide enough for any input a run reads.
struct SectionIndex {
  int elemrow = 0;
  int elemend = 0;
  int specrow = 0;
  int specend = 0;
  int reacrow = 0;
  int reacend = 0;
};

// Rows `first` to `last` of the table; empty when the first is past the
// last.
struct RowRange {
  int first;
  int last;
};

// The rows between a section's keyword line and its END line.
inline RowRange ElementRows(const SectionIndex& index) {
  return {index.elemrow + 1, index.elemend - 1};
}
inline RowRange SpeciesRows(const SectionIndex& index) {
  return {index.specrow + 1, index.specend - 1};
}
inline RowRange ReactionRows(const SectionIndex& index) {
  return {index.reacrow + 1, index.reacend - 1};
}

// Where the lines of the current working file, and after loading the rows
// of the table, came from in the input, so that a failure in any phase
// names the input file and line.
struct InputLines {
  std::string file;  // the input file's name, for messages
  // Entry i is the input line of line i+1 of the current working file
  // (of table row i+1 once the table is loaded).
  std::vector<int> origin;

  // The input line that row `row` came from, 0 when unknown.
  int LineOfRow(int row) const {
    return row >= 1 && static_cast<size_t>(row) <= origin.size()
               ? origin[row - 1]
               : 0;
  }

  // Ends the run with `reason`, naming the input line of row `row`.
  [[noreturn]] void FailAtRow(int row, const std::string& reason) const {
    throw RunError(reason, file, LineOfRow(row));
  }

  // Runs `work` for row `row`; a RunError that names no file (a number out
  // of range, a table address) is given the input file and line.
  template <typename Work>
  void AtRow(int row, Work&& work) const {
    try {
      work();
    } catch (const RunError& e) {
      if (!e.file().empty()) throw;
      FailAtRow(row, e.reason());
    }
  }
};

// How a run prints coefficients: the unit of Ea in the input and the three
// number patterns.
struct CoefficientStyle {
  EaUnit unit = EaUnit::kCal;
  Patterns patterns;
};

struct RunVariables {
  SectionIndex index;
  int endcount = 0;
  int slashpos = 0;
  std::string inputpath;
  std::string inputdir;  // ends with "/"
  std::string tempopath;
  std::string thermopath;
  std::string outpathj;
  std::string outpathcal;
  std::string outpathk;
  // The input has a THERMO section, written to its own file.
  bool has_thermo = false;
};

struct RunRecord {
  RunVariables vars;
  CoefficientStyle style;
  std::string outext;
  std::string thermoext;
  std::string thermoname;
  std::string cleanname;
  // The separate thermodynamic database of the run, if any
  // (WindowSettings::thermo_file).
  std::string thermo_file;
  int nercount = 0;
  // Stop after the analysis; the thermodynamic section is then neither
  // asked for nor written (the command line's --check).
  bool check_only = false;
  // Read the section lines as other CHEMKIN readers do and let the table
  // hold the whole input (the command line's --permissive).
  bool permissive = false;
  InputLines input;
  // What the run found worth saying without stopping, in the order found.
  std::vector<RunWarning> warnings;

  std::string WorkPath(const char* name) const { return vars.inputdir + name; }
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_RUN_RECORD_H_

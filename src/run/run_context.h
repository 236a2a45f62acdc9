// RunContext is the record one cleaning run shares between its phases: the
// run variables (paths, unit flags, the thermodynamic flag, the END count,
// the section index), the values the run keeps for its own length
// (extensions, typed names, patterns, the non-elementary count), and the
// services and the working table it works with. The driver makes a fresh
// one for every run, so nothing of a previous run leaks into the next.
//
// Working files live in the input file's directory; WorkPath() names them.
#ifndef KESTRELON_RUN_RUN_CONTEXT_H_
#define KESTRELON_RUN_RUN_CONTEXT_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "output/number_format.h"
#include "platform/run_error.h"
#include "platform/run_warning.h"
#include "platform/ui_services.h"
#include "table/working_table.h"

namespace kestrelon {

inline constexpr const char* kProgramTitle = "Kestrelon";
inline constexpr const char* kCrLf = "\r\n";

inline constexpr const char* kTempo = "tempo.int";
inline constexpr const char* kTempo2 = "tempo2.int";
inline constexpr const char* kTempo3 = "tempo3.int";
inline constexpr const char* kTempo4 = "tempo4.int";
inline constexpr const char* kTempo5 = "tempo5.int";
inline constexpr const char* kTempo6 = "tempo6.int";

struct SectionIndex {
  int16_t elemrow = 0;
  int16_t elemend = 0;
  int16_t specrow = 0;
  int16_t specend = 0;
  int16_t reacrow = 0;
  int16_t reacend = 0;
};

struct RunVariables {
  SectionIndex index;
  int16_t endcount = 0;
  int16_t slashpos = 0;
  std::string inputpath;
  std::string inputdir;  // ends with "/"
  std::string tempopath;
  std::string thermopath;
  std::string outpathj;
  std::string outpathcal;
  std::string outpathk;
  // Exactly one is -1 during a run.
  int16_t unitkj = 0;
  int16_t unitkcal = 0;
  int16_t unitj = 0;
  int16_t unitcal = 0;
  int16_t unitk = 0;
  int16_t nothermo = 0;
};

struct Patterns {
  NumberPattern a{true, 3};
  NumberPattern n{false, 4};
  NumberPattern ea{false, 1};
};

// What the layout pass read from keyword lines (output/layout_pass.cc).
struct LayoutMemo;

struct RunContext {
  RunContext(UiServices& ui_in, WorkingTable& table_in)
      : ui(ui_in), table(table_in) {}

  UiServices& ui;
  WorkingTable& table;
  RunVariables vars;

  EaUnit unit = EaUnit::kCal;  // the unit whose flag is -1
  std::string outext;
  std::string thermoext;
  std::string thermoname;
  std::string cleanname;
  int nercount = 0;
  Patterns patterns;
  // Stop after the analysis; the thermodynamic section is then neither
  // asked for nor written (the command line's --check).
  bool check_only = false;

  // The input file's name, for messages.
  std::string input_name;
  // For each line of the current working file (index 0 is line 1), the line
  // of the input file it came from; kept by the input passes so that a
  // failure in a later phase can name the input line. After the table is
  // loaded, entry r-1 belongs to table row r.
  std::vector<int> origin;
  // For each line of the cleaned files (they have the same lines), the input
  // line it came from, 0 when none did; kept by the output stage so that the
  // layout of the written files names input lines. The lines of the list of
  // non-elementary reactions are kept apart until the list is appended.
  std::vector<int> output_origin;
  std::vector<int> listed_origin;

  // The keyword lines the layout pass read in the first file it laid out,
  // for the files after it, which hold the same lines.
  std::shared_ptr<LayoutMemo> layout_memo;

  // What the run found worth saying without stopping, in the order found.
  std::vector<RunWarning> warnings;

  std::string WorkPath(const char* name) const { return vars.inputdir + name; }

  // The input line that line `line` of a cleaned file came from, 0 when
  // unknown.
  int InputLineOfOutputLine(int line) const {
    return line >= 1 && static_cast<size_t>(line) <= output_origin.size()
               ? output_origin[line - 1]
               : 0;
  }

  // The input line that row `row` of the table came from, 0 when unknown.
  int InputLineOfRow(int row) const {
    return row >= 1 && static_cast<size_t>(row) <= origin.size()
               ? origin[row - 1]
               : 0;
  }
};

// Ends the run with `reason`, naming the input file and the input line that
// table row `row` came from.
[[noreturn]] inline void FailAtRow(const RunContext& ctx, int row,
                                   const std::string& reason) {
  throw RunError(reason, ctx.input_name, ctx.InputLineOfRow(row));
}

// Runs `work` for table row `row`; a RunError that names no file (a number
// out of range, a table address) is given the input file and line.
template <typename Work>
void AtRow(const RunContext& ctx, int row, Work&& work) {
  try {
    work();
  } catch (const RunError& e) {
    if (!e.file().empty()) throw;
    FailAtRow(ctx, row, e.reason());
  }
}

}  // namespace kestrelon

#endif  // KESTRELON_RUN_RUN_CONTEXT_H_

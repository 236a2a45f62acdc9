// Helpers for the tests of the run's passes: a run context over a scripted
// user interface and one shared working table, a fixture that gives it a
// scratch input directory, and the text of the RunError a piece of work
// throws. Tests only.
#ifndef KESTRELON_TESTS_SUPPORT_RUN_TEST_SUPPORT_H_
#define KESTRELON_TESTS_SUPPORT_RUN_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/run_error.h"
#include "model/run_record.h"
#include "model/working_table.h"
#include "tests/support/process_support.h"
#include "tests/support/scripted_ui.h"

namespace kestrelon::testing_support {

// One table for all tests of a binary: allocating 338,000 cells per test
// would cost more than the tests themselves.
inline WorkingTable& SharedTable() {
  static WorkingTable* table = new WorkingTable();
  return *table;
}

// A run record and an emptied table, with the input file "mech.inp" in
// `inputdir` (with its trailing "/"). Row r came from input line 2r + 1, so
// that a test sees whether a message names the row or the line.
struct TestRun {
  ScriptedUi ui;
  WorkingTable& table = SharedTable();
  RunRecord run;

  explicit TestRun(const std::string& inputdir = "/nonexistent/") {
    table.Clear();
    run.vars.inputdir = inputdir;
    run.vars.inputpath = inputdir + "mech.inp";
    run.input.file = "mech.inp";
    for (int r = 1; r <= WorkingTable::kRows; ++r) {
      run.input.origin.push_back(2 * r + 1);
    }
  }

  // Rows 1.. of column 1: "REACTIONS", `lines`, "END", with the index set.
  void SetReactionSection(const std::vector<std::string>& lines) {
    int row = 1;
    table.Set(row, 1, "REACTIONS");
    run.vars.index.reacrow = row;
    for (const std::string& line : lines) table.Set(++row, 1, line);
    table.Set(++row, 1, "END");
    run.vars.index.reacend = row;
  }

  RowRange Reactions() const { return ReactionRows(run.vars.index); }

  std::string Cell(int row, int column) const {
    return std::string(table.Get(row, column));
  }
};

// A fixture whose run has a scratch directory as its input directory.
class ScratchRunTest : public ::testing::Test {
 protected:
  ScratchDir dir_;
  TestRun run_{dir_.path() + "/"};
  RunRecord& rec_ = run_.run;
};

// "FILE:LINE: reason" of the RunError (or FileError) `work` throws, or
// "(no error)".
template <typename Work>
std::string ErrorOf(Work&& work) {
  try {
    work();
  } catch (const RunError& e) {
    return e.Describe();
  } catch (const FileError& e) {
    return RunError(e).Describe();
  }
  return "(no error)";
}

}  // namespace kestrelon::testing_support

#endif  // KESTRELON_TESTS_SUPPORT_RUN_TEST_SUPPORT_H_

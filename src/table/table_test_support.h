// Helpers for the tests of the analysis passes: a scratch directory that
// stands in for the input file's directory, and a run context over a
// scripted user interface and one shared working table. Tests only.
#ifndef KESTRELON_TABLE_TABLE_TEST_SUPPORT_H_
#define KESTRELON_TABLE_TABLE_TEST_SUPPORT_H_

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "run/run_context.h"
#include "table/working_table.h"

namespace kestrelon {
namespace testing_support {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrelon-table-XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) == nullptr) {
      ADD_FAILURE() << "cannot create a scratch directory";
    }
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // With a trailing "/", as the run keeps the input directory.
  std::string dir() const { return path_ + "/"; }

 private:
  std::string path_;
};

// One table for all tests of a binary: allocating 338,000 cells per test
// would cost more than the tests themselves.
inline WorkingTable& SharedTable() {
  static WorkingTable* table = new WorkingTable();
  return *table;
}

// A run context whose table is emptied, with the input file "mech.inp".
// Input line numbers are made to differ from row numbers (row r came from
// input line 2r + 1), so that a test sees which of them a message names.
struct TestRun {
  ScriptedUi ui;
  RunContext ctx{ui, SharedTable()};

  explicit TestRun(const std::string& inputdir = "/nonexistent/") {
    ctx.table.Clear();
    ctx.vars.inputdir = inputdir;
    ctx.input_name = "mech.inp";
    ctx.origin.resize(WorkingTable::kRows);
    for (size_t i = 0; i < ctx.origin.size(); ++i) {
      ctx.origin[i] = static_cast<int>(2 * (i + 1) + 1);
    }
  }

  // Puts `lines` into column 1 of rows 1.. and sets the reaction section
  // index to hold them: a "REACTIONS" row before and an "END" row after.
  void SetReactionSection(std::initializer_list<const char*> lines) {
    int row = 1;
    ctx.table.Set(row, 1, "REACTIONS");
    ctx.vars.index.reacrow = static_cast<int16_t>(row);
    for (const char* line : lines) ctx.table.Set(++row, 1, line);
    ctx.table.Set(++row, 1, "END");
    ctx.vars.index.reacend = static_cast<int16_t>(row);
  }

  std::string Cell(int row, int column) const {
    return ctx.table.Get(row, column);
  }
};

}  // namespace testing_support
}  // namespace kestrelon

#endif  // KESTRELON_TABLE_TABLE_TEST_SUPPORT_H_

#include "output/output_stage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_ops.h"
#include "table/reaction_passes.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class OutputStageTest : public testing_support::ScratchRunTest {
 protected:
  // A mechanism as the analysis leaves it, with rows before ELEMENTS and
  // after the reaction section; row 14 is its END.
  OutputStageTest() {
    // Row 12 comes from a line of blanks.
    const std::string rows =
        "BEFORE\nELEMENTS\nH   O   N;C\nEND\nSPECIES\nH   O2   OH   HO2   H2O\n"
        "END\nREACTIONS\nH+O2(+M)=HO2(+M) 4.65E12 0.44 0\nLOW /1.0;2.0;3.0/\n\n"
        "H+H+H+H=H2+H2 1.0E13 0 10\nH+OH=>H2O 1.0E13 0 -100\nEND\nAFTER";
    int r = 0;
    for (std::string_view row : LinesOf(rows)) {
      run_.table.Set(++r, 1, std::string(row));
    }
    rec_.vars.index = {2, 4, 5, 7, 8, 14};
    const RowRange reactions = ReactionRows(rec_.vars.index);
    NormaliseAndFlag(run_.table, reactions, rec_.input);
    SplitAndFillSlots(run_.table, reactions, rec_.style.patterns,
                      DeclaredSpecies(), rec_.input);
    dir_.Write("mech.inp", "the input\r\n");
  }

  OutputResult Run() {
    return RunOutputStage(run_.table, rec_.vars.index, rec_.style, rec_.input);
  }
};

TEST_F(OutputStageTest, ComposesTheFilesWithTheListAtTheEnd) {
  const OutputResult result = Run();
  EXPECT_EQ(result.nercount, 1);
  std::string calorie;
  result.Pieces(1, [&calorie](std::string_view piece) { calorie += piece; });
  EXPECT_EQ(calorie,
            "ELEMENTS\r\nH   O   N,C\r\nEND\r\nSPECIES\r\n"
            "H   O2   OH   HO2   H2O\r\nEND\r\nREACTIONS\r\n"
            "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\nLOW /1.0,2.0,3.0/\r\n"
            "H+OH=>H2O 1.000E+13 0.0000 -100.0\r\nEND\r\n"
            "****List of non-elementary reactions****\r\n"
            "H+H+H+H<=>H2+H2 1.000E+13 0.0000 10.0\r\n");
  // The stage writes nothing: the run publishes what it composed.
  EXPECT_EQ(dir_.Files(), std::vector<std::string>{"mech.inp"});
}

TEST_F(OutputStageTest, OverflowNamesTheInputLine) {
  rec_.style.unit = EaUnit::kKj;
  run_.table.Set(13, 11, "1E306");
  // Row 13 came from input line 27.
  EXPECT_EQ(testing_support::ErrorOf([&] { Run(); }),
            "mech.inp:27: number out of range");
}

}  // namespace
}  // namespace kestrelon

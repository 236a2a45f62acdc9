#include "output/output_stage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/ner_list.h"
#include "platform/text_file.h"
#include "run/name_prompt.h"
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
    for (std::string_view row : SplitLines(rows))
      ctx_.table.Set(++r, 1, std::string(row));
    ctx_.vars.index = {2, 4, 5, 7, 8, 14};
    NormaliseReactions(ctx_);
    run_.ui.log.clear();
    ctx_.vars.nothermo = 1;
    ctx_.outext = "rxn";
    dir_.Write("mech.inp", "the input\r\n");
  }
};

TEST_F(OutputStageTest, WritesTheFilesUnderTheTypedName) {
  run_.ui.answers = {"", "C:\\out\\m.1"};
  RunOutputStage(ctx_);
  const std::string ask = std::string("ask Kestrelon|") + kCleanNamePrompt;
  EXPECT_EQ(run_.ui.log, (std::vector<std::string>{
                             "status Creating Files...", ask,
                             "message Kestrelon|You did not enter a name.|none",
                             ask, "progress 90", "repaint"}));
  EXPECT_EQ(ctx_.cleanname, "Cxxoutxmx1");
  EXPECT_EQ(ctx_.vars.outpathk, dir_ / "Cxxoutxmx1kelvin.rxn");
  EXPECT_EQ(ctx_.nercount, 1);
  EXPECT_EQ(dir_.Read("Cxxoutxmx1cal.rxn"),
            "ELEMENTS\r\nH   O   N,C\r\nEND\r\nSPECIES\r\n"
            "H   O2   OH   HO2   H2O\r\nEND\r\nREACTIONS\r\n"
            "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\nLOW /1.0,2.0,3.0/\r\n"
            "H+OH=>H2O 1.000E+13 0.0000 -100.0\r\nEND\r\n"
            "****List of non-elementary reactions****\r\n"
            "H+H+H+H<=>H2+H2 1.000E+13 0.0000 10.0\r\n");
  EXPECT_EQ(dir_.Files(),
            (std::vector<std::string>{"Cxxoutxmx1cal.rxn", "Cxxoutxmx1j.rxn",
                                      "Cxxoutxmx1kelvin.rxn", "mech.inp"}));
}

TEST_F(OutputStageTest, NameThatWouldOverwriteTheInputOrThermoFileIsRefused) {
  ctx_.vars.inputpath = dir_.Write("gj.rxn", "the input\r\n");
  ctx_.vars.nothermo = 0;
  ctx_.vars.thermopath = dir_.Write("hcal.rxn", "THERMO\r\nEND\r\n");
  run_.ui.answers = {"g", "h", "k"};
  RunOutputStage(ctx_);
  EXPECT_EQ(ctx_.cleanname, "k");
  EXPECT_EQ(run_.ui.messages,
            (std::vector<std::string>{kOverwritesInput, kOverwritesThermo}));
  EXPECT_EQ(dir_.Read("gj.rxn"), "the input\r\n");
  EXPECT_EQ(dir_.Read("hcal.rxn"), "THERMO\r\nEND\r\n");
}

TEST_F(OutputStageTest, OverflowNamesTheInputLineAndWritesNoFile) {
  ctx_.unit = EaUnit::kKj;
  ctx_.table.Set(13, 11, "1E306");
  run_.ui.answers = {"m"};
  // Row 13 came from input line 27.
  EXPECT_EQ(testing_support::ErrorOf([&] { RunOutputStage(ctx_); }),
            "mech.inp:27: number out of range");
  EXPECT_EQ(dir_.Files(), std::vector<std::string>{"mech.inp"});
}

}  // namespace
}  // namespace kestrelon

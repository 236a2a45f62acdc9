#include "run/extract_thermo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class ExtractThermoTest : public testing_support::ScratchRunTest {
 protected:
  ExtractThermoTest() {
    ctx_.thermoext = "dat";
    dir_.Write("mech.inp", "the input\r\n");
  }
  // Writes "tempo2.int" from `lines`, which came from input lines 101, ...
  void WriteTagged(const std::vector<std::string>& lines) {
    LineBuffer text;
    ctx_.origin.clear();
    for (const std::string& line : lines) {
      text.Add(line);
      ctx_.origin.push_back(101 + static_cast<int>(ctx_.origin.size()));
    }
    dir_.Write("tempo2.int", text.text());
  }
};

TEST_F(ExtractThermoTest, SplitsOffTheThermoSectionWithItsEmptyLines) {
  WriteTagged({"ELEMENTS", "END", "", "THERMO", "H2  1,2", "", "END",
               "REACTIONS", "H+O2=OH+O 1,2 3", "", "END"});
  // An empty answer (or Cancel) asks again; forbidden characters become x.
  run_.ui.answers = {"", "a.b"};
  ExtractThermo(ctx_);

  EXPECT_EQ(dir_.Read("axb.dat"), "THERMO\r\nH2  1,2\r\n\r\nEND\r\n");
  EXPECT_EQ(dir_.Read("tempo3.int"),
            "ELEMENTS\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1;2 3\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin, (std::vector<int>{101, 102, 108, 109, 111}));
  EXPECT_EQ(ctx_.thermoname, "axb");
  EXPECT_EQ(ctx_.vars.thermopath, dir_ / "axb.dat");
  const std::string ask =
      "ask Kestrelon|A thermodynamic database is present in your file;\r\n"
      "it will be copied to a new separate file.\r\n"
      "What do you want to call this file?\r\n\r\n"
      "Reminder... A filename cannot contain any of the following "
      "characters:\r\n\\/:*?<>|\"";
  EXPECT_EQ(run_.ui.log,
            (std::vector<std::string>{
                "status Thermo Section...", ask,
                "message Kestrelon|You did not enter a name!|none", ask,
                "repaint", "repaint", "progress 30", "status In progress..."}));
}

TEST_F(ExtractThermoTest, ASectionWithoutEndFailsBeforeAskingOrWriting) {
  for (bool check_only : {false, true}) {
    ctx_.check_only = check_only;
    WriteTagged({"ELEMENTS", "END", "THERMO", "H2 1", "", "REACTIONS"});
    run_.ui.log.clear();
    EXPECT_EQ(testing_support::ErrorOf([&] { ExtractThermo(ctx_); }),
              "mech.inp:103: THERMO section has no END line");
    EXPECT_EQ(run_.ui.log,
              std::vector<std::string>{"status Thermo Section..."});
    EXPECT_EQ(dir_.Files(),
              (std::vector<std::string>{"mech.inp", "tempo2.int"}));
  }
}

}  // namespace
}  // namespace kestrelon

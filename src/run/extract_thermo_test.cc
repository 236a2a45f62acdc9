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
  // The text of "tempo2.int" from `lines`, which came from input lines
  // 101, ...
  void WriteTagged(const std::vector<std::string>& lines) {
    LineBuffer text;
    rec_.input.origin.clear();
    for (const std::string& line : lines) {
      text.Add(line);
      rec_.input.origin.push_back(101 +
                                  static_cast<int>(rec_.input.origin.size()));
    }
    tagged_ = text.text();
  }
  std::string tagged_;
};

TEST_F(ExtractThermoTest, SplitsOffTheThermoSectionWithItsEmptyLines) {
  WriteTagged({"ELEMENTS", "END", "", "THERMO", "H2  1,2", "", "END",
               "REACTIONS", "H+O2=OH+O 1,2 3", "", "END"});
  const TaggedCopy tagged(tagged_, rec_.input);
  const ThermoRange range = FindThermoSection(tagged, rec_.input);
  std::string copy;
  WriteMechanismCopy(tagged, range, copy, rec_.input);

  EXPECT_EQ(ThermoFileText(tagged, range), "THERMO\r\nH2  1,2\r\n\r\nEND\r\n");
  EXPECT_EQ(copy, "ELEMENTS\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1;2 3\r\nEND\r\n");
  EXPECT_EQ(rec_.input.origin, (std::vector<int>{101, 102, 108, 109, 111}));
}

TEST_F(ExtractThermoTest, ASectionWithoutEndNamesTheThermoLine) {
  WriteTagged({"ELEMENTS", "END", "THERMO", "H2 1", "", "REACTIONS"});
  const TaggedCopy tagged(tagged_, rec_.input);
  EXPECT_EQ(
      testing_support::ErrorOf([&] { FindThermoSection(tagged, rec_.input); }),
      "mech.inp:103: THERMO section has no END line");
}

}  // namespace
}  // namespace kestrelon

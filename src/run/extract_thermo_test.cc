#include "run/extract_thermo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/tag_sections.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class ExtractThermoTest : public testing_support::ScratchRunTest {
 protected:
  // The text of "tempo.int" from `lines`, which came from input lines
  // 101, ...
  std::string Normalised(const std::vector<std::string>& lines) {
    LineBuffer text;
    rec_.input.origin.clear();
    for (const std::string& line : lines) {
      text.Add(line);
      rec_.input.origin.push_back(101 +
                                  static_cast<int>(rec_.input.origin.size()));
    }
    return text.text();
  }
};

TEST_F(ExtractThermoTest, SplitsOffTheThermoSectionWithItsEmptyLines) {
  std::string text =
      Normalised({"ELEMENTS", "END", "", "THERMO ALL", "H2  1,2", "! note",
                  "END", "REACTIONS KCAL", "H+O2=OH+O 1,2 3 ! fast", "",
                  "SPECIES H2 ! names", "END"});
  const MechanismCopy copy = CopyMechanism(text, rec_.input);
  EXPECT_TRUE(copy.has_thermo);
  EXPECT_FALSE(copy.thermo_failure);
  EXPECT_EQ(copy.thermo_text, "THERMO\r\nH2  1,2\r\n\r\nEND\r\n");
  EXPECT_EQ(text,
            "ELEMENTS\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1;2 3\r\nSPECIES\r\n"
            " H2\r\nEND\r\n");
  EXPECT_EQ(copy.lines, LinesOf(text));
  EXPECT_EQ(rec_.input.origin,
            (std::vector<int>{101, 102, 108, 109, 111, 111, 112}));
}

TEST_F(ExtractThermoTest, ASectionWithoutEndNamesTheThermoLine) {
  std::string text =
      Normalised({"ELEMENTS", "END", "THERMO", "H2 1", "", "REACTIONS"});
  const MechanismCopy copy = CopyMechanism(text, rec_.input);
  ASSERT_TRUE(copy.thermo_failure);
  EXPECT_EQ(copy.thermo_failure->Describe(),
            "mech.inp:103: THERMO section has no END line");
  EXPECT_EQ(copy.thermo_text, "");
}

// The copy is the tagged copy without its empty lines and its THERMO
// section, commas held as ";", whatever stands where. It is written over
// the normalised copy: a keyword line split in two with too little room
// before it (no comment or empty line cut away yet) is longer than the
// line it was read from, and is never written over a line still to read.
TEST_F(ExtractThermoTest, HoldsTheTaggedLinesOutsideTheThermoSection) {
  const std::vector<std::vector<std::string>> inputs = {
      {"ELEMENTS H O ! two", "END", "REACTIONS", "H+O=OH 1 2 3", "END"},
      {"THERMO", "THERMO", "END", "THERMO", "END", "REAC", "END"},
      {"SPEC", "H2,O2", "END", "THERMOS", "END", "END"},
      {"", "  ", "! only", "ELEM    ! x", "END"},
      {"ELEM H O N", "END", "SPEC H2 O2", "SPEC N2,AR", "END", "REAC",
       "H+O2=OH+O 1,2 3", "END"},
      {"!", "ELEM H", "X", "SPEC A B C D", "Y", "SPEC E", "END"},
      {"! a long note that leaves room", "ELEM H O N", "SPEC H2 O2", "END",
       "REACTIONS", "H+O=OH 1 2 3 ! fast", "H+H=H2 1 2 3", "END"},
      {"SPEC A", "SPEC B", "SPEC C", "SPEC D", "SPEC E"},
  };
  for (const std::vector<std::string>& lines : inputs) {
    std::string text = Normalised(lines);
    InputLines tagged_lines = rec_.input;
    std::string tagged;
    TagSections(text, tagged, tagged_lines);
    LineBuffer expected;
    bool in_thermo = false;
    bool thermo_seen = false;
    for (std::string_view line : LinesOf(tagged)) {
      if (!thermo_seen && line == "THERMO") in_thermo = thermo_seen = true;
      if (!in_thermo && !line.empty()) expected.Add(line);
      if (in_thermo && line == "END") in_thermo = false;
    }
    std::string want = expected.text();
    SwapChar(want.data(), want.size(), ',', ';');
    const MechanismCopy copy = CopyMechanism(text, rec_.input);
    EXPECT_EQ(text, want) << lines[0];
    // The lines given view the text written, in place or not.
    EXPECT_EQ(copy.lines, LinesOf(text)) << lines[0];
    EXPECT_TRUE(copy.lines.empty() || copy.lines[0].data() == text.data());
  }
}

}  // namespace
}  // namespace kestrelon

#include "run/summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"

namespace kestrelon {
namespace {

// A path of exactly `length` characters in directory /d/ ending in `tail`.
std::string PathOfLength(size_t length, const std::string& tail) {
  std::string dir = "/d/";
  return dir + std::string(length - dir.size() - tail.size(), 'p') + tail;
}

class SummaryTest : public testing::Test {
 protected:
  SummaryTest() : ctx_(ui_, table_) {
    ctx_.vars.nothermo = 1;
    ctx_.vars.outpathj = "/d/mj.rxn";
    ctx_.vars.outpathcal = "/d/mcal.rxn";
    ctx_.vars.outpathk = "/d/mkelvin.rxn";
    ctx_.cleanname = "m";
    ctx_.outext = "rxn";
    ui_.current_directory = "/home/user";
  }
  void WithThermo(const std::string& path) {
    ctx_.vars.nothermo = 0;
    ctx_.vars.thermopath = path;
    ctx_.thermoname = "th";
    ctx_.thermoext = "dat";
  }

  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_;
};

TEST_F(SummaryTest, ThreeFilesWithoutThermodynamicSection) {
  ShowSummary(ctx_);
  EXPECT_EQ(ui_.log, (std::vector<std::string>{
                         "status Information...",
                         "message Operation successful!|"
                         "3 Ouput Files have been created:\r\n"
                         "/d/mj.rxn (Ea in joule/mole)\r\n"
                         "/d/mcal.rxn (Ea in calorie/mole)\r\n"
                         "/d/mkelvin.rxn (Ea/R in Kelvin)|information",
                     }));
  EXPECT_EQ(ui_.output_label,
            "Output file: /d/mj.rxn\r\n"
            "Output file: /d/mcal.rxn\r\n"
            "Output file: /d/mkelvin.rxn");
}

TEST_F(SummaryTest, FourFilesWithTheThermodynamicFileFirst) {
  WithThermo("/d/th.dat");
  ShowSummary(ctx_);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0],
            "4 Ouput Files have been created:\r\n"
            "/d/th.dat (Thermo Data)\r\n"
            "/d/mj.rxn (Ea in joule/mole)\r\n"
            "/d/mcal.rxn (Ea in calorie/mole)\r\n"
            "/d/mkelvin.rxn (Ea/R in Kelvin)");
  EXPECT_EQ(ui_.output_label,
            "Output file: /d/th.dat\r\n"
            "Output file: /d/mj.rxn\r\n"
            "Output file: /d/mcal.rxn\r\n"
            "Output file: /d/mkelvin.rxn");
}

TEST_F(SummaryTest, LongPathsAreShortenedFromFiftyCharacters) {
  struct Case {
    size_t thermo_length;
    size_t kelvin_length;
    bool thermo_short;
    bool cleaned_short;
  } cases[] = {
      {49, 49, false, false},
      {50, 49, true, false},
      {49, 50, false, true},
      {80, 50, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.thermo_length << " / " << c.kelvin_length);
    const std::string thermo = PathOfLength(c.thermo_length, "th.dat");
    WithThermo(thermo);
    ctx_.vars.outpathk = PathOfLength(c.kelvin_length, "mkelvin.rxn");
    ASSERT_EQ(thermo.size(), c.thermo_length);
    ASSERT_EQ(ctx_.vars.outpathk.size(), c.kelvin_length);
    // The kelvin file's length decides for all three cleaned files, even
    // for the short joule and calorie paths.
    const std::string want =
        "Output file: " + (c.thermo_short ? "/[...]/th.dat" : thermo) +
        "\r\nOutput file: " +
        (c.cleaned_short ? "/[...]/mj.rxn" : ctx_.vars.outpathj) +
        "\r\nOutput file: " +
        (c.cleaned_short ? "/[...]/mcal.rxn" : ctx_.vars.outpathcal) +
        "\r\nOutput file: " +
        (c.cleaned_short ? "/[...]/mkelvin.rxn" : ctx_.vars.outpathk);
    EXPECT_EQ(OutputFileLines(ctx_, "/home/user"), want);
  }
}

TEST_F(SummaryTest, NonElementaryMessage) {
  struct Case {
    int nercount;
    const char* text;  // nullptr: no message
  } cases[] = {
      {0, nullptr},
      {1,
       "Kestrelon has detected \r\n"
       " 1 non-elementary reaction in your mechanism.\r\n"
       "It has been flagged and placed at the end of each output file.\r\n"
       "\r\n"
       "Some non-elementary reactions may have slipped through the net, for "
       "example:\r\n"
       "A+B+C=>2D+F+2D cannot be detected."},
      {2,
       "Kestrelon has detected at least\r\n"
       " 2 non-elementary reactions in your mechanism.\r\n"
       "They have been flagged and placed at the end of each output file.\r\n"
       "\r\n"
       "Some non-elementary reactions may have slipped through the net, for "
       "example:\r\n"
       "A+B+C=>2D+F+2D cannot be detected."},
      {12,
       "Kestrelon has detected at least\r\n"
       " 12 non-elementary reactions in your mechanism.\r\n"
       "They have been flagged and placed at the end of each output file.\r\n"
       "\r\n"
       "Some non-elementary reactions may have slipped through the net, for "
       "example:\r\n"
       "A+B+C=>2D+F+2D cannot be detected."},
  };
  for (const Case& c : cases) {
    ui_.log.clear();
    ctx_.nercount = c.nercount;
    ShowSummary(ctx_);
    if (c.text == nullptr) {
      EXPECT_EQ(ui_.log.size(), 2u) << c.nercount;
      continue;
    }
    ASSERT_EQ(ui_.log.size(), 3u) << c.nercount;
    EXPECT_EQ(ui_.log[2],
              std::string("message Information|") + c.text + "|information");
  }
}

}  // namespace
}  // namespace kestrelon

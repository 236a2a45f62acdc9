#include "run/summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/table_test_support.h"

namespace kestrelon {
namespace {

class SummaryTest : public testing::Test {
 protected:
  SummaryTest() {
    ctx_.vars.nothermo = 1;
    ctx_.vars.outpathj = "/d/mj.rxn";
    ctx_.vars.outpathcal = "/d/mcal.rxn";
    ctx_.vars.outpathk = "/d/mkelvin.rxn";
    ctx_.cleanname = "m";
    ctx_.outext = "rxn";
    ctx_.thermoname = "th";
    ctx_.thermoext = "dat";
    run_.ui.current_directory = "/home/user";
  }
  void WithThermo(const std::string& path) {
    ctx_.vars.nothermo = 0;
    ctx_.vars.thermopath = path;
  }
  testing_support::TestRun run_;
  RunContext& ctx_ = run_.ctx;
};

TEST_F(SummaryTest, ThreeOrFourFilesTheThermodynamicFileFirst) {
  const std::string cleaned =
      "/d/mj.rxn (Ea in joule/mole)\r\n/d/mcal.rxn (Ea in calorie/mole)\r\n"
      "/d/mkelvin.rxn (Ea/R in Kelvin)";
  const std::string labels =
      "Output file: /d/mj.rxn\r\nOutput file: /d/mcal.rxn\r\n"
      "Output file: /d/mkelvin.rxn";
  ShowSummary(ctx_);
  EXPECT_EQ(run_.ui.log,
            (std::vector<std::string>{
                "status Information...",
                "message Operation successful!|3 Ouput Files have been "
                "created:\r\n" +
                    cleaned + "|information"}));
  EXPECT_EQ(run_.ui.output_label, labels);

  WithThermo("/d/th.dat");
  ShowSummary(ctx_);
  EXPECT_EQ(run_.ui.messages.at(1),
            "4 Ouput Files have been created:\r\n/d/th.dat (Thermo Data)\r\n" +
                cleaned);
  EXPECT_EQ(run_.ui.output_label, "Output file: /d/th.dat\r\n" + labels);
}

TEST_F(SummaryTest, LongPathsAreShortenedFromFiftyCharacters) {
  // A path of exactly `length` characters in /d/ ending in `tail`.
  auto path = [](size_t length, const std::string& tail) {
    return "/d/" + std::string(length - 3 - tail.size(), 'p') + tail;
  };
  struct Case {
    size_t thermo_length, kelvin_length;
    bool thermo_short, cleaned_short;
  } cases[] = {
      {49, 49, false, false}, {50, 49, true, false}, {49, 50, false, true}};
  for (const Case& c : cases) {
    const std::string thermo = path(c.thermo_length, "th.dat");
    WithThermo(thermo);
    ctx_.vars.outpathk = path(c.kelvin_length, "mkelvin.rxn");
    // The kelvin file's length decides for all three cleaned files, even
    // for the short joule and calorie paths.
    const std::string dir = c.cleaned_short ? "/[...]/" : "/d/";
    EXPECT_EQ(OutputFileLines(ctx_, "/home/user"),
              "Output file: " + (c.thermo_short ? "/[...]/th.dat" : thermo) +
                  "\r\nOutput file: " + dir + "mj.rxn\r\nOutput file: " + dir +
                  "mcal.rxn\r\nOutput file: " +
                  (c.cleaned_short ? "/[...]/mkelvin.rxn" : ctx_.vars.outpathk))
        << c.thermo_length << " / " << c.kelvin_length;
  }
}

TEST_F(SummaryTest, NonElementaryMessageIsSingularOrPlural) {
  const std::string tail =
      " been flagged and placed at the end of each output file.\r\n\r\n"
      "Some non-elementary reactions may have slipped through the net, for "
      "example:\r\nA+B+C=>2D+F+2D cannot be detected.|information";
  ShowSummary(ctx_);
  EXPECT_EQ(run_.ui.log.size(), 2u);  // none found: no message
  ctx_.nercount = 1;
  ShowSummary(ctx_);
  EXPECT_EQ(run_.ui.log.back(),
            "message Information|Kestrelon has detected \r\n 1 "
            "non-elementary reaction in your mechanism.\r\nIt has" +
                tail);
  ctx_.nercount = 2;
  ShowSummary(ctx_);
  EXPECT_EQ(run_.ui.log.back(),
            "message Information|Kestrelon has detected at least\r\n 2 "
            "non-elementary reactions in your mechanism.\r\nThey have" +
                tail);
}

}  // namespace
}  // namespace kestrelon

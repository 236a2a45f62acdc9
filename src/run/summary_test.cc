#include "run/summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_test_support.h"

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
  WithThermo(path(50, "th.dat"));
  ctx_.vars.outpathk = path(49, "mkelvin.rxn");
  EXPECT_EQ(OutputFileLines(ctx_, "/home/user"),
            "Output file: /[...]/th.dat\r\nOutput file: /d/mj.rxn\r\n"
            "Output file: /d/mcal.rxn\r\nOutput file: " +
                ctx_.vars.outpathk);
  // The kelvin file's length decides for all three cleaned files, even for
  // the short joule and calorie paths.
  WithThermo(path(49, "th.dat"));
  ctx_.vars.outpathk = path(50, "mkelvin.rxn");
  EXPECT_EQ(OutputFileLines(ctx_, "/home/user"),
            "Output file: " + ctx_.vars.thermopath +
                "\r\nOutput file: /[...]/mj.rxn\r\nOutput file: "
                "/[...]/mcal.rxn\r\nOutput file: /[...]/mkelvin.rxn");
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

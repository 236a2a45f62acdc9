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
    run_.run.vars.has_thermo = false;
    run_.run.vars.outpathj = "/d/mj.rxn";
    run_.run.vars.outpathcal = "/d/mcal.rxn";
    run_.run.vars.outpathk = "/d/mkelvin.rxn";
    run_.run.cleanname = "m";
    run_.run.outext = "rxn";
    run_.run.thermoname = "th";
    run_.run.thermoext = "dat";
    run_.ui.current_directory = "/home/user";
  }
  void WithThermo(const std::string& path) {
    run_.run.vars.has_thermo = true;
    run_.run.vars.thermopath = path;
  }
  testing_support::TestRun run_;
};

TEST_F(SummaryTest, LongPathsAreShortenedFromFiftyCharacters) {
  // A path of exactly `length` characters in /d/ ending in `tail`.
  auto path = [](size_t length, const std::string& tail) {
    return "/d/" + std::string(length - 3 - tail.size(), 'p') + tail;
  };
  WithThermo(path(50, "th.dat"));
  run_.run.vars.outpathk = path(49, "mkelvin.rxn");
  EXPECT_EQ(OutputFileLines(run_.run, "/home/user"),
            "Output file: /[...]/th.dat\r\nOutput file: /d/mj.rxn\r\n"
            "Output file: /d/mcal.rxn\r\nOutput file: " +
                run_.run.vars.outpathk);
  // The kelvin file's length decides for all three cleaned files, even for
  // the short joule and calorie paths.
  WithThermo(path(49, "th.dat"));
  run_.run.vars.outpathk = path(50, "mkelvin.rxn");
  EXPECT_EQ(OutputFileLines(run_.run, "/home/user"),
            "Output file: " + run_.run.vars.thermopath +
                "\r\nOutput file: /[...]/mj.rxn\r\nOutput file: "
                "/[...]/mcal.rxn\r\nOutput file: /[...]/mkelvin.rxn");
}

TEST_F(SummaryTest, NonElementaryMessageIsSingularOrPlural) {
  const std::string tail =
      " been flagged and placed at the end of each output file.\r\n\r\n"
      "Some non-elementary reactions may have slipped through the net, for "
      "example:\r\nA+B+C=>2D+F+2D cannot be detected.|information";
  ShowSummary(run_.ui, run_.run);
  EXPECT_EQ(run_.ui.log.size(), 2u);  // none found: no message
  run_.run.nercount = 1;
  ShowSummary(run_.ui, run_.run);
  EXPECT_EQ(run_.ui.log.back(),
            "message Information|Kestrelon has detected \r\n 1 "
            "non-elementary reaction in your mechanism.\r\nIt has" +
                tail);
  run_.run.nercount = 2;
  ShowSummary(run_.ui, run_.run);
  EXPECT_EQ(run_.ui.log.back(),
            "message Information|Kestrelon has detected at least\r\n 2 "
            "non-elementary reactions in your mechanism.\r\nThey have" +
                tail);
}

}  // namespace
}  // namespace kestrelon

#include "cli/check_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/check_test_support.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using namespace check_test;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;
using P = nlohmann::json::json_pointer;

// The clean mechanism with a REACTIONS line declaring kJ/mol (line 7), so
// that the cleaning run's unit warning comes first, and one unbalanced
// reaction at line 21.
std::string Declaring(const std::string& reactions) {
  std::string text = Mechanism(kSpecies, kCleanReactions + reactions);
  text.replace(text.find("REACTIONS\n"), 10, "REACTIONS KJOULES/MOLE\n");
  return text;
}

TEST(CheckCommand, ReportsTheRunsWarningsAndTheFindingsInInputOrder) {
  ScratchDir dir;
  dir.Write("m.inp", Declaring("H+O2<=>OH 1E13 0 0\n"));
  dir.Write("t.dat", ThermoFile(BaseEntries()));
  auto r = RunKestrelon({"check", dir / "m.inp", "--thermo", dir / "t.dat"});
  EXPECT_EQ(r.status, 1) << r.err;
  const std::string m = dir / "m.inp";
  EXPECT_EQ(r.out,
            "kestrelon: " + m +
                ":7: warning: REACTIONS declares KJOULES/MOLE, cleaning as "
                "cal/mol; --unit auto takes the declared unit\n"
                "kestrelon: " +
                m +
                ":21: error: reaction H+O2<=>OH is not balanced in O: 2 on "
                "the left, 1 on the right\n" +
                m + ": 9 reactions, 10 species: 1 error, 1 warning\n");
  EXPECT_EQ(r.err, "");
}

TEST(CheckCommand, ExitsZeroOnWarningsAndGivesJson) {
  ScratchDir dir;
  dir.Write("m.inp", Declaring(""));
  auto r = RunKestrelon({"check", dir / "m.inp", "--json", "--unit", "kj"});
  EXPECT_EQ(r.status, 0) << r.err;
  auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json[P("/errors")], 0);
  EXPECT_EQ(json[P("/warnings")], 0);
  EXPECT_EQ(json[P("/thermo_data")], false);
  EXPECT_EQ(json[P("/reactions")], 8);

  dir.Write("d.inp", Declaring("H+HO2<=>H2+O2 1E13 0 0\nDUP\n"));
  r = RunKestrelon({"check", dir / "d.inp", "--json"});
  EXPECT_EQ(r.status, 0) << r.err;
  json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json[P("/warnings")], 2);
  EXPECT_EQ(json[P("/findings/1/line")], 21);
  EXPECT_EQ(json[P("/findings/1/severity")], "warning");
}

TEST(CheckCommand, ExitStatusesOfFailures) {
  ScratchDir dir;
  dir.Write("m.inp", Declaring(""));
  struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"check"}, 64},
      {{"check", dir / "m.inp", "--unit", "erg"}, 64},
      {{"check", dir / "m.inp", "--thermo-tolerance", "-1"}, 64},
      {{"check", dir / "m.inp", "--bogus"}, 64},
      {{"check", dir / "missing.inp"}, 2},
      {{"check", dir / "m.inp", "--thermo", dir / "missing.dat"}, 2},
  };
  for (const auto& c : cases) {
    auto r = RunKestrelon(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back() << r.err;
    EXPECT_EQ(r.out, "") << c.args.back();
  }
}

TEST(CheckCommand, ARunFailureIsAnErrorAtItsLine) {
  ScratchDir dir;
  dir.Write("m.inp", Mechanism(kSpecies, "H+O2<=>O+OH 3.5E15\n"));
  auto r = RunKestrelon({"check", dir / "m.inp"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(dir / "m.inp" + ":8: error: "), std::string::npos)
      << r.out;
}

TEST(CompareCommand, ComparesThermoFilesRecognisedByContent) {
  ScratchDir dir;
  const Poly high = {3.6, 0, 0, 0, 0, 0, 0};
  dir.Write("a.dat", ThermoFile(Entry("H2", {{"H", 2}})));
  dir.Write("b.dat", ThermoFile(Entry("H2", {{"H", 2}}, kFlat, high)));
  auto same = RunKestrelon({"compare", dir / "a.dat", dir / "a.dat"});
  EXPECT_EQ(same.status, 0) << same.err;
  auto r = RunKestrelon({"compare", dir / "a.dat", dir / "b.dat", "--json",
                         "--temperatures", "500,2000"});
  EXPECT_EQ(r.status, 1) << r.err;
  auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json[P("/differences/0/species")], "H2");
  EXPECT_EQ(json[P("/differences/0/values/0/quantity")], "Cp/R");
  EXPECT_EQ(json[P("/differences/0/values/0/temperature")], 2000);
  EXPECT_EQ(RunKestrelon({"compare", dir / "a.dat", dir / "b.dat",
                          "--temperatures", "hot"})
                .status,
            64);
}

}  // namespace
}  // namespace kestrelon

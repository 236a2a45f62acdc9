#include "check/mechanism_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/check_output.h"
#include "tests/support/check_test_support.h"

namespace kestrelon {
namespace {

using namespace check_test;

const std::vector<std::string> kFiles = {"m.inp", "t.dat"};

std::vector<std::string> Lines(const CheckResult& result) {
  std::vector<std::string> lines;
  for (const Finding& f : result.findings) {
    lines.push_back(FindingLine(f, kFiles));
  }
  return lines;
}

CheckResult Check(const std::string& mechanism, const std::string& thermo) {
  CheckInput input;
  input.mechanism = mechanism;
  input.thermo = thermo;
  input.files = kFiles;
  return CheckMechanism(input);
}

struct Case {
  const char* what;
  std::string species;
  std::string reactions;              // after the clean ones, from line 21
  std::string entries;                // after the base entries, from line 43
  std::vector<std::string> expected;  // each after "kestrelon: "
};

// A case that adds reactions only.
Case R(const char* what, const std::string& reactions,
       std::vector<std::string> expected = {}) {
  return {what, "", reactions, "", std::move(expected)};
}

class FindingTest : public testing::TestWithParam<Case> {};

TEST_P(FindingTest, ReportsExactlyTheFinding) {
  const Case& c = GetParam();
  CheckResult result =
      Check(Mechanism(kSpecies + c.species, kCleanReactions + c.reactions),
            ThermoFile(BaseEntries() + c.entries));
  std::vector<std::string> expected;
  for (const std::string& e : c.expected) expected.push_back("kestrelon: " + e);
  EXPECT_EQ(Lines(result), expected) << c.what;
}

const Poly kHigher = {3.6, 0, 0, 0, 0, 0, 0};
const Poly kNegative = {-1, 0, 0, 0, 0, 0, 0};
const char* const kAr = "AR+H<=>AR+H 1E13 0 0\n";

INSTANTIATE_TEST_SUITE_P(
    Findings, FindingTest,
    testing::Values(
        R("near-misses only", ""),
        R("unbalanced element", "H+O2<=>OH 1E13 0 0\n",
          {"m.inp:21: error: reaction H+O2<=>OH is not balanced in O: 2 on "
           "the left, 1 on the right"}),
        R("unbalanced charge", "H3O+<=>H2O+H 1E13 0 0\n",
          {"m.inp:21: error: reaction H3O+<=>H2O+H is not balanced in E: -1 "
           "on the left, 0 on the right"}),
        R("undeclared species in a reaction", "H+XY<=>HO2 1E13 0 0\n",
          {"m.inp:21: error: species XY in reaction H+XY<=>HO2 is not "
           "declared in the SPECIES section"}),
        R("undeclared species given an efficiency",
          "O+O+M<=>O2+M 1E13 0 0\nAR/0.5/ H2O/5/\n",
          {"m.inp:22: error: species AR given an efficiency is not declared "
           "in the SPECIES section"}),
        Case{"declared species without thermo data, used by no reaction",
             " HE",
             "",
             "",
             {"m.inp:5: error: species HE has no thermo data",
              "m.inp:5: warning: species HE is declared but used by no "
              "reaction"}},
        R("duplicate without DUP, written the other way round",
          "H+OH<=>O+H2 1E13 0 0\n",
          {"m.inp:21: error: reaction H+OH<=>O+H2 repeats the one at line 9 "
           "(same species, third body and rate form) and the two are not "
           "both marked DUP"}),
        R("one DUP is not enough", "2OH<=>O+H2O 1E13 0 0\nDUP\n",
          {"m.inp:21: error: reaction 2OH<=>O+H2O repeats the one at line 10 "
           "(same species, third body and rate form) and the two are not "
           "both marked DUP"}),
        R("other third body, other direction of irreversible ones",
          "H+O2<=>HO2 1E13 0 0\nO+O=>O2 1E13 0 0\nO2=>O+O 1E13 0 0\n"),
        R("DUP without a partner", "H+HO2<=>H2+O2 1E13 0 0\nDUP\n",
          {"m.inp:21: warning: reaction H+HO2<=>H2+O2 is marked DUP but no "
           "other reaction has the same species"}),
        R("DUP partners in other rate forms and through a collider",
          "H+HO2<=>OH+OH 1E13 0 0\nDUP\nH+HO2<=>OH+OH 1E13 0 0\nDUP\n"
          "PLOG/1.0 1E13 0 0/\nH+H+H2O<=>H2+H2O 1E13 0 0\nDUP\n"
          "H+H+M<=>H2+M 1E13 0 0\nDUP\n",
          {"m.inp:28: error: reaction H+H+M<=>H2+M repeats the one at line 11 "
           "(same species, third body and rate form) and the two are not "
           "both marked DUP"}),
        R("negative A without DUP", "H+HO2<=>OH+OH -1.0E13 0 0\n",
          {"m.inp:21: warning: reaction H+HO2<=>OH+OH has a negative A "
           "(-1e+13) and is not marked DUP"}),
        R("efficiencies without M", "H+HO2<=>H2+O2 1E13 0 0\nH2O/5/\n",
          {"m.inp:22: warning: efficiencies given to reaction H+HO2<=>H2+O2, "
           "which has no third body M"}),
        Case{"species declared twice",
             " H2",
             "",
             "",
             {"m.inp:5: warning: species H2 is declared again (first at line "
              "5)"}},
        Case{"thermo of an undeclared species",
             "",
             "",
             Entry("AR", {{"AR", 1}}),
             {"t.dat:43: warning: thermo entry of AR, a species the SPECIES "
              "section does not declare"}},
        Case{"second thermo entry",
             "",
             "",
             Entry("H2", {{"H", 2}}, kHigher, kHigher),
             {"t.dat:43: warning: another thermo entry of H2 (other data); a "
              "run uses the first, at t.dat:15"}},
        Case{"jump at the middle temperature",
             " AR",
             kAr,
             Entry("AR", {{"AR", 1}}, kFlat, kHigher),
             {"t.dat:43: warning: thermo data of AR jump at 1000 K: Cp/R 3.5 "
              "below, 3.6 above; H/RT 3.5 below, 3.6 above; S/R 24.1771 "
              "below, 24.8679 above"}},
        Case{"negative Cp/R",
             " AR",
             kAr,
             Entry("AR", {{"AR", 1}}, kNegative, kNegative),
             {"t.dat:43: warning: Cp/R of AR is negative at 300 K (-1)"}},
        Case{"temperatures out of order",
             " AR",
             kAr,
             Entry("AR", {{"AR", 1}}, kFlat, kFlat, 300, 5000, 3000),
             {"t.dat:43: warning: temperatures of AR out of order: low 300, "
              "middle 5000, high 3000"}}));

// A THERMO section of the mechanism is all the thermo data there is (H has
// none, so the balance of H2<=>H+H is not judged); with no thermo data at
// all, nothing is missing.
TEST(MechanismCheck, ThermoSectionOrNoThermoDataAtAll) {
  const std::pair<std::string, std::string> cases[] = {
      {"ELEMENTS\nH\nEND\nSPECIES\nH H2\nEND\nTHERMO ALL\n"
       "   300.000  1000.000  5000.000\n" +
           Entry("H2", {{"H", 2}}) + "END\nREACTIONS\nH2<=>H+H 1E13 0 0\nEND\n",
       "kestrelon: m.inp:5: error: species H has no thermo data\n"
       "m.inp: 1 reaction, 2 species: 1 error, 0 warnings; balance not "
       "judged for 1 reaction (species without thermo data)\n"},
      {Mechanism(kSpecies, kCleanReactions),
       "m.inp: 8 reactions, 10 species: 0 errors, 0 warnings; no thermo "
       "data: coverage and balance not judged\n"},
  };
  for (const auto& [mechanism, text] : cases) {
    CheckInput input;
    input.mechanism = mechanism;
    input.files = {"m.inp"};
    EXPECT_EQ(RenderCheckText(CheckMechanism(input), {"m.inp"}), text);
  }
}

TEST(MechanismCheck, WrittenRoundingOfCoefficientsIsBalanced) {
  // 1/3 written with four decimals is within its rounding, with two not.
  const std::string reactions =
      "H2O2<=>.3333H6O6 1E13 0 0\nH2O2<=>.33H6O6 1E13 0 0\nDUP\n";
  CheckResult result = Check(Mechanism("H2O2 H6O6", reactions),
                             ThermoFile(Entry("H2O2", {{"H", 2}, {"O", 2}}) +
                                        Entry("H6O6", {{"H", 6}, {"O", 6}})));
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].line, 9);
}

}  // namespace
}  // namespace kestrelon

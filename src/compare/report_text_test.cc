#include "compare/report_text.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

ReactionRef Ref(int line, const std::string& equation,
                const std::string& numbers) {
  return {line, equation + " " + numbers, equation};
}

TEST(ReportTextTest, NoDifferences) {
  CompareReport r;
  r.file_a = "x.rxn";
  r.file_b = "y.rxn";
  r.unit = FileEaUnit::kCalorie;
  r.unit_from_names = false;
  r.tolerance = {true, 0.001};
  r.reactions.matched = 12;
  r.reactions.matched_other_way_round = 3;
  EXPECT_EQ(RenderReportText(r),
            "A: x.rxn\n"
            "B: y.rxn\n"
            "Ea in cal/mol (assumed: the file names do not tell); "
            "tolerance: relative 0.001\n"
            "Elements only in A: 0, only in B: 0\n"
            "Species only in A: 0, only in B: 0\n"
            "Reactions matched: 12 (3 written the other way round)\n"
            "Reactions only in A: 0, only in B: 0\n"
            "Reactions with different rate parameters: 0\n"
            "Reactions with different auxiliary lines: 0\n"
            "Non-elementary reactions matched: 0 (0 written the other way "
            "round)\n"
            "Non-elementary reactions only in A: 0, only in B: 0\n"
            "Non-elementary reactions with different rate parameters: 0\n"
            "Non-elementary reactions with different auxiliary lines: 0\n"
            "No differences.\n");
}

TEST(ReportTextTest, DifferencesGroupedByKind) {
  CompareReport r;
  r.file_a = "/w/aj.rxn";
  r.file_b = "/w/bj.rxn";
  r.unit = FileEaUnit::kJoule;
  r.unit_from_names = true;
  r.elements.only_in_b = {"N"};
  r.reactions.matched = 2;
  r.reactions.matched_other_way_round = 1;
  r.reactions.only_in_a = {Ref(9, "A+B<=>C", "1.0 0.0 0.0")};

  RateDifference rate;
  rate.a = Ref(10, "H+O2<=>OH+O", "3.547E+15 -0.4060 69450.2");
  rate.b = Ref(11, "OH+O<=>H+O2", "0.000E+00 -0.4060 69450.2");
  rate.other_way_round = true;
  rate.fields = {{"A", "3.547E+15", "0.000E+00"}};
  r.reactions.rate_differences.push_back(rate);

  AuxDifferences aux;
  aux.a = Ref(12, "H+O2(+M)<=>HO2(+M)", "4.650E+12 0.4400 0.0");
  aux.b = Ref(13, "H+O2(+M)<=>HO2(+M)", "4.650E+12 0.4400 0.0");
  aux.items.push_back(
      {"TROE", false, "/0.5 1.0E-30 1.0E+30/", "/0.7 1.0E-30 1.0E+30/"});
  aux.items.push_back({"DUP", false, "DUP", std::nullopt});
  aux.items.push_back({"AR", true, std::nullopt, "0.7"});
  r.reactions.aux_differences.push_back(aux);

  RateDifference listed;
  listed.a = Ref(20, "A+A+A+A=>B", "1.000E+10 0.0000 0.0");
  listed.b = Ref(21, "A+A+A+A=>B", "2.000E+10 0.0000 0.0");
  listed.fields = {{"A", "1.000E+10", "2.000E+10"}};
  listed.ratios[0] = 2;
  listed.ratios[1] = 2;
  r.non_elementary.matched = 1;
  r.non_elementary.rate_differences.push_back(listed);

  EXPECT_EQ(
      RenderReportText(r),
      "A: /w/aj.rxn\n"
      "B: /w/bj.rxn\n"
      "Ea in J/mol (from the file names); tolerance: printed digits\n"
      "Elements only in A: 0, only in B: 1\n"
      "Species only in A: 0, only in B: 0\n"
      "Reactions matched: 2 (1 written the other way round)\n"
      "Reactions only in A: 1, only in B: 0\n"
      "Reactions with different rate parameters: 1\n"
      "Reactions with different auxiliary lines: 1\n"
      "Non-elementary reactions matched: 1 (0 written the other way round)\n"
      "Non-elementary reactions only in A: 0, only in B: 0\n"
      "Non-elementary reactions with different rate parameters: 1\n"
      "Non-elementary reactions with different auxiliary lines: 0\n"
      "The files differ.\n"
      "\n"
      "Elements only in B (1):\n"
      "  N\n"
      "\n"
      "Reactions only in A (1):\n"
      "  line 9: A+B<=>C 1.0 0.0 0.0\n"
      "Reactions with different rate parameters (1):\n"
      "  H+O2<=>OH+O (A line 10; B line 11, written OH+O<=>H+O2, compared "
      "as written)\n"
      "    A: 3.547E+15 -> 0.000E+00\n"
      "    k(B)/k(A): undefined at 1000 K, undefined at 2000 K\n"
      "Reactions with different auxiliary lines (1):\n"
      "  H+O2(+M)<=>HO2(+M) (A line 12, B line 13)\n"
      "    TROE: /0.5 1.0E-30 1.0E+30/ -> /0.7 1.0E-30 1.0E+30/\n"
      "    DUP: only in A\n"
      "    efficiency of AR: only in B (0.7)\n"
      "\n"
      "Non-elementary reactions with different rate parameters (1):\n"
      "  A+A+A+A=>B (A line 20, B line 21)\n"
      "    A: 1.000E+10 -> 2.000E+10\n"
      "    k(B)/k(A): 2 at 1000 K, 2 at 2000 K\n");
}

TEST(ReportTextTest, RatiosWithFourSignificantDigits) {
  struct Case {
    std::optional<double> ratio;
    const char* want;
  } cases[] = {
      {1.0149422, "1.015"},        {2.0, "2"},
      {0.36787944, "0.3679"},      {12345.6, "1.235e+04"},
      {std::nullopt, "undefined"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatRatio(c.ratio), c.want);
}

}  // namespace
}  // namespace kestrelon

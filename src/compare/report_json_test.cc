#include "compare/report_json.h"

#include <gtest/gtest.h>

#include "compare/test_json_reader.h"

namespace kestrelon {
namespace {

using test_support::Json;
using test_support::JsonReader;

TEST(ReportJsonTest, SameContentAsTheTextReport) {
  CompareReport r;
  r.file_a = "/w/\"odd\" \\ name j.rxn";
  r.file_b = "/w/bj.rxn";
  r.unit = FileEaUnit::kJoule;
  r.unit_from_names = true;
  r.tolerance = {true, 0.25};
  r.species.only_in_a = {"CH2\xe9"};  // not UTF-8
  r.species.only_in_b = {"CH2X"};
  r.reactions.matched = 3;
  r.reactions.matched_other_way_round = 1;
  r.reactions.only_in_b = {
      {24, "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0", "HO2+O<=>OH+O2"}};
  RateDifference rate;
  rate.a = {10, "O+H2<=>H+OH 5.080E+04 2.6700 26317.4", "O+H2<=>H+OH"};
  rate.b = {11, "H+OH<=>O+H2 6.000E+04 2.6700 26317.4", "H+OH<=>O+H2"};
  rate.other_way_round = true;
  rate.fields = {{"A", "5.080E+04", "6.000E+04"}};
  rate.ratios[0] = 1.5;
  r.reactions.rate_differences.push_back(rate);
  AuxDifferences aux;
  aux.a = {14, "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0", "H+O2(+M)<=>HO2(+M)"};
  aux.b = aux.a;
  aux.items.push_back({"TROE", false, "/0.5/", "/0.7/"});
  aux.items.push_back({"CO2", true, "3.8", std::nullopt});
  r.reactions.aux_differences.push_back(aux);

  Json j = JsonReader::Parse(RenderReportJson(r));
  EXPECT_EQ(j["file_a"].string, "/w/\"odd\" \\ name j.rxn");
  EXPECT_EQ(j["ea_unit"].string, "J/mol");
  EXPECT_TRUE(j["ea_unit_from_names"].boolean);
  EXPECT_EQ(j["tolerance"]["kind"].string, "relative");
  EXPECT_EQ(j["tolerance"]["value"].number, 0.25);
  EXPECT_FALSE(j["same"].boolean);
  EXPECT_EQ(j["elements"]["only_in_a"].items.size(), 0u);
  // The byte E9 comes back as U+00E9.
  EXPECT_EQ(j["species"]["only_in_a"][0].string, "CH2\xc3\xa9");
  EXPECT_EQ(j["species"]["only_in_b"][0].string, "CH2X");

  const Json& reactions = j["reactions"];
  EXPECT_EQ(reactions["matched"].number, 3);
  EXPECT_EQ(reactions["matched_other_way_round"].number, 1);
  EXPECT_EQ(reactions["only_in_a"].items.size(), 0u);
  EXPECT_EQ(reactions["only_in_b"][0]["line"].number, 24);
  EXPECT_EQ(reactions["only_in_b"][0]["text"].string,
            "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0");

  const Json& d = reactions["rate_differences"][0];
  EXPECT_EQ(d["a"]["line"].number, 10);
  EXPECT_EQ(d["b"]["equation"].string, "H+OH<=>O+H2");
  EXPECT_TRUE(d["other_way_round"].boolean);
  EXPECT_EQ(d["fields"][0]["name"].string, "A");
  EXPECT_EQ(d["fields"][0]["a"].string, "5.080E+04");
  EXPECT_EQ(d["fields"][0]["b"].string, "6.000E+04");
  EXPECT_EQ(d["k_ratio_1000"].number, 1.5);
  EXPECT_TRUE(d["k_ratio_2000"].IsNull());

  const Json& items = reactions["auxiliary_differences"][0]["items"];
  ASSERT_EQ(items.items.size(), 2u);
  EXPECT_EQ(items[0]["name"].string, "TROE");
  EXPECT_EQ(items[0]["kind"].string, "keyword");
  EXPECT_EQ(items[0]["a"].string, "/0.5/");
  EXPECT_EQ(items[0]["b"].string, "/0.7/");
  EXPECT_EQ(items[1]["kind"].string, "efficiency");
  EXPECT_EQ(items[1]["a"].string, "3.8");
  EXPECT_TRUE(items[1]["b"].IsNull());

  const Json& listed = j["non_elementary"];
  EXPECT_EQ(listed["matched"].number, 0);
  EXPECT_EQ(listed["rate_differences"].items.size(), 0u);
  EXPECT_EQ(listed["auxiliary_differences"].items.size(), 0u);
}

TEST(ReportJsonTest, SameFilesAndTheDefaultTolerance) {
  CompareReport r;
  Json j = JsonReader::Parse(RenderReportJson(r));
  EXPECT_TRUE(j["same"].boolean);
  EXPECT_EQ(j["tolerance"]["kind"].string, "printed_digits");
  EXPECT_EQ(j["tolerance"].members.count("value"), 0u);
  EXPECT_EQ(j["ea_unit"].string, "cal/mol");
  EXPECT_FALSE(j["ea_unit_from_names"].boolean);
}

}  // namespace
}  // namespace kestrelon

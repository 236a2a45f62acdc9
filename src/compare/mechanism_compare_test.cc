#include "compare/mechanism_compare.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

CompareReport Compare(const std::string& a, const std::string& b,
                      Tolerance tolerance = {}) {
  CompareSettings s;
  s.file_a = "a.rxn";
  s.file_b = "b.rxn";
  s.unit = FileEaUnit::kKelvin;
  s.tolerance = tolerance;
  return CompareMechanisms(ParseCleanedFile(a, "a.rxn"),
                           ParseCleanedFile(b, "b.rxn"), s);
}

std::string Mechanism(const std::string& species, const std::string& reactions,
                      const std::string& listed = "") {
  std::string text = "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\n" + species +
                     "\r\nEND\r\nREACTIONS\r\n" + reactions + "END\r\n";
  if (!listed.empty()) {
    text += "****List of non-elementary reactions****\r\n" + listed;
  }
  return text;
}

TEST(MechanismCompareTest, NamesMissingFromTheOtherList) {
  std::vector<std::string> a = {"H2", "O2", "OH", "O2", "N2"};
  std::vector<std::string> b = {"N2", "H2"};
  EXPECT_EQ(NamesMissingFrom(a, b), (std::vector<std::string>{"O2", "OH"}));
  EXPECT_TRUE(NamesMissingFrom(b, a).empty());
}

TEST(MechanismCompareTest, RateDifferenceOfAReactionWrittenTheOtherWay) {
  CompareReport r =
      Compare(Mechanism("A   B   C", "A+B<=>C 1.000E+13 0.0000 1000.0\r\n"),
              Mechanism("A   B   C", "C<=>B+A 1.000E+13 1.0000 1000.0\r\n"));
  EXPECT_FALSE(r.Same());
  EXPECT_EQ(r.reactions.matched, 1u);
  EXPECT_EQ(r.reactions.matched_other_way_round, 1u);
  ASSERT_EQ(r.reactions.rate_differences.size(), 1u);
  const RateDifference& d = r.reactions.rate_differences[0];
  EXPECT_TRUE(d.other_way_round);
  EXPECT_EQ(d.a.equation, "A+B<=>C");
  EXPECT_EQ(d.b.equation, "C<=>B+A");
  ASSERT_EQ(d.fields.size(), 1u);
  EXPECT_EQ(d.fields[0].name, "n");
  EXPECT_EQ(d.fields[0].a, "0.0000");
  EXPECT_EQ(d.fields[0].b, "1.0000");
  // T^1: the ratio is the temperature itself.
  ASSERT_TRUE(d.ratios[0] && d.ratios[1]);
  EXPECT_NEAR(*d.ratios[0], 1000, 1e-9);
  EXPECT_NEAR(*d.ratios[1], 2000, 1e-9);
}

TEST(MechanismCompareTest, SidesSwappedAndReorderedAreNoDifference) {
  CompareReport r = Compare(Mechanism("A   B   C   D",
                                      "A+B<=>C+D 1.000E+13 0.0000 1000.0\r\n"
                                      "2A=>C 2.000E+13 0.0000 0.0\r\n"),
                            Mechanism("D   C   B   A",
                                      "A+A=>C 2.000E+13 0.0000 0.0\r\n"
                                      "D+C<=>B+A 1.000E+13 0.0000 1000.0\r\n"));
  EXPECT_TRUE(r.Same());
  EXPECT_EQ(r.reactions.matched, 2u);
  EXPECT_EQ(r.reactions.matched_other_way_round, 1u);
}

TEST(MechanismCompareTest, IrreversibleAndReversibleDoNotMatch) {
  CompareReport r = Compare(Mechanism("A   B", "A=>B 1.0 0.0 0.0\r\n"),
                            Mechanism("A   B", "A<=>B 1.0 0.0 0.0\r\n"));
  EXPECT_EQ(r.reactions.matched, 0u);
  ASSERT_EQ(r.reactions.only_in_a.size(), 1u);
  ASSERT_EQ(r.reactions.only_in_b.size(), 1u);
  EXPECT_EQ(r.reactions.only_in_a[0].text, "A=>B 1.0 0.0 0.0");
  EXPECT_EQ(r.reactions.only_in_b[0].text, "A<=>B 1.0 0.0 0.0");
}

TEST(MechanismCompareTest, TheNonElementaryListIsComparedOnItsOwn) {
  CompareReport r = Compare(
      Mechanism("A   B", "A<=>B 1.0 0.0 0.0\r\n",
                "A+A+A+A=>B 1.0 0.0 0.0\r\nLOW /1 2 3/\r\n"),
      Mechanism("A   B", "A<=>B 1.0 0.0 0.0\r\nA+A+A+A=>B 1.0 0.0 0.0\r\n",
                "A+A+A+A=>B 1.0 0.0 0.0\r\nLOW /1 2 4/\r\n"));
  EXPECT_EQ(r.reactions.matched, 1u);
  ASSERT_EQ(r.reactions.only_in_b.size(), 1u);
  EXPECT_EQ(r.reactions.only_in_b[0].line, 9);
  EXPECT_EQ(r.non_elementary.matched, 1u);
  ASSERT_EQ(r.non_elementary.aux_differences.size(), 1u);
  const AuxDifferences& d = r.non_elementary.aux_differences[0];
  ASSERT_EQ(d.items.size(), 1u);
  EXPECT_EQ(d.items[0].name, "LOW");
  EXPECT_EQ(d.items[0].a, "/1 2 3/");
  EXPECT_EQ(d.items[0].b, "/1 2 4/");
}

TEST(MechanismCompareTest, ToleranceDecidesWhatDiffers) {
  std::string a = Mechanism("A   B", "A<=>B 1.000E+13 0.0000 1000.0\r\n");
  std::string b = Mechanism("A   B", "A<=>B 1.010E+13 0.0000 1000.0\r\n");
  EXPECT_FALSE(Compare(a, b).Same());
  EXPECT_TRUE(Compare(a, b, Tolerance{true, 0.02}).Same());
  EXPECT_FALSE(Compare(a, b, Tolerance{true, 0.005}).Same());
}

}  // namespace
}  // namespace kestrelon

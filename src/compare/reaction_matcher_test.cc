#include "compare/reaction_matcher.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

CleanedMechanism Reactions(const std::string& lines) {
  return ParseCleanedFile("REACTIONS\r\n" + lines + "END\r\n", "m.rxn");
}

// "a-b" per pair, then "A:i" and "B:i" for the leftovers.
std::string Describe(const ReactionMatching& m) {
  std::string out;
  for (const ReactionPair& p : m.pairs) {
    out += std::to_string(p.a) + "-" + std::to_string(p.b) + " ";
  }
  for (size_t i : m.only_a) out += "A:" + std::to_string(i) + " ";
  for (size_t i : m.only_b) out += "B:" + std::to_string(i) + " ";
  return out;
}

TEST(ReactionMatcherTest, PairsByKeyAndDuplicatesClosestFirst) {
  struct Case {
    const char* a;
    const char* b;
    const char* want;
  } cases[] = {
      {"A+B<=>C 1.0 0.0 0.0\r\nC+D<=>E 2.0 0.0 0.0\r\n",
       "E<=>D+C 2.0 0.0 0.0\r\nC<=>B+A 1.0 0.0 0.0\r\n", "0-1 1-0 "},
      // Three against two: the one without a close partner is left over.
      {"A<=>B 1.0E+13 0.0 0.0\r\nA<=>B 2.0E+13 0.0 0.0\r\n"
       "A<=>B 3.0E+13 0.0 0.0\r\n",
       "A<=>B 3.0E+13 0.0 0.0\r\nA<=>B 1.0E+13 0.0 0.0\r\n", "0-1 2-0 A:1 "},
      // Equal coefficients: the one with the same auxiliary items wins.
      {"A<=>B 1.0 0.0 0.0\r\nLOW /1 2 3/\r\nA<=>B 1.0 0.0 0.0\r\n"
       "LOW /4 5 6/\r\n",
       "A<=>B 1.0 0.0 0.0\r\nLOW /4 5 6/\r\nA<=>B 1.0 0.0 0.0\r\n"
       "LOW /1 2 3/\r\n",
       "0-1 1-0 "},
  };
  for (const Case& c : cases) {
    CleanedMechanism a = Reactions(c.a);
    CleanedMechanism b = Reactions(c.b);
    EXPECT_EQ(Describe(MatchReactions(a.reactions, b.reactions)), c.want)
        << c.a << "\n"
        << c.b;
  }
}

TEST(ReactionMatcherTest, LargeDuplicateGroupsPairBySortedCoefficients) {
  // 100 by 100 reactions under one key: past the closest-first limit.
  std::string a;
  std::string b;
  for (int i = 0; i < 100; ++i) {
    a += "A<=>B " + std::to_string(i + 1) + ".0 0.0 0.0\r\n";
    b += "B<=>A " + std::to_string(100 - i) + ".0 0.0 0.0\r\n";
  }
  CleanedMechanism ma = Reactions(a);
  CleanedMechanism mb = Reactions(b);
  ReactionMatching m = MatchReactions(ma.reactions, mb.reactions);
  ASSERT_EQ(m.pairs.size(), 100u);
  for (const ReactionPair& p : m.pairs) {
    EXPECT_EQ(ma.reactions[p.a].a, mb.reactions[p.b].a);
  }
}

TEST(ReactionMatcherTest, CoefficientDistanceIsRelative) {
  CleanedMechanism m = Reactions(
      "A<=>B 1.0E+13 0.0 0.0\r\nA<=>B 2.0E+13 0.0 0.0\r\n"
      "A<=>B 1.0E+13 1.0 100.0\r\n");
  const std::vector<CleanedReaction>& r = m.reactions;
  EXPECT_DOUBLE_EQ(CoefficientDistance(r[0], r[0]), 0);
  EXPECT_DOUBLE_EQ(CoefficientDistance(r[0], r[1]), 0.5);
  EXPECT_DOUBLE_EQ(CoefficientDistance(r[0], r[2]), 2);
}

}  // namespace
}  // namespace kestrelon

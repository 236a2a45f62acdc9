#include "compare/reaction_matcher.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

CleanedMechanism Reactions(const std::string& lines) {
  return ParseCleanedFile("REACTIONS\n" + lines + "END\n", "m.rxn");
}

TEST(ReactionMatcherTest, PairsByKeyAndDuplicatesClosestFirst) {
  struct Case {
    const char* a;
    const char* b;
    const char* want;  // "a-b" per pair, then "A:i" and "B:i" left over
  } cases[] = {
      {"A+B<=>C 1 0 0\nC+D<=>E 2 0 0\n", "E<=>D+C 2 0 0\nC<=>B+A 1 0 0\n",
       "0-1 1-0 "},
      // Three against two: the one without a close partner is left over.
      {"A<=>B 1E+13 0 0\nA<=>B 2E+13 0 0\nA<=>B 3E+13 0 0\n",
       "A<=>B 3E+13 0 0\nA<=>B 1E+13 0 0\n", "0-1 2-0 A:1 "},
      // Equal coefficients: the one with the same auxiliary items wins.
      {"A<=>B 1 0 0\nLOW /1 2 3/\nA<=>B 1 0 0\nLOW /4 5 6/\n",
       "A<=>B 1 0 0\nLOW /4 5 6/\nA<=>B 1 0 0\nLOW /1 2 3/\n", "0-1 1-0 "},
      // 100 by 100 reactions under one key, past the closest-first limit:
      // paired by sorted coefficients.
      {"", "", "sorted"},
  };
  for (const Case& c : cases) {
    std::string a = c.a, b = c.b, want = c.want;
    if (want == "sorted") {
      want.clear();
      for (int i = 0; i < 100; ++i) {
        a += "A<=>B " + std::to_string(i + 1) + " 0 0\n";
        b += "B<=>A " + std::to_string(100 - i) + " 0 0\n";
        want += std::to_string(i) + "-" + std::to_string(99 - i) + " ";
      }
    }
    CleanedMechanism ma = Reactions(a), mb = Reactions(b);
    ReactionMatching m = MatchReactions(ma.reactions, mb.reactions);
    std::string got;
    for (const ReactionPair& p : m.pairs) {
      got += std::to_string(p.a) + "-" + std::to_string(p.b) + " ";
    }
    for (size_t i : m.only_a) got += "A:" + std::to_string(i) + " ";
    for (size_t i : m.only_b) got += "B:" + std::to_string(i) + " ";
    EXPECT_EQ(got, want) << c.a;
  }
}

}  // namespace
}  // namespace kestrelon

#include "compare/reaction_matcher.h"

#include <gtest/gtest.h>

#include <chrono>

#include "compare/mechanism_compare.h"

namespace kestrelon {
namespace {

CleanedFile Reactions(const std::string& lines) {
  return ReadCleanedFile("REACTIONS\n" + lines + "END\n", "m.rxn");
}

TEST(ReactionMatcherTest, PairsByKeyAndDuplicatesClosestFirst) {
  struct Case {
    const char* a;
    const char* b;
    const char* want;  // "a-b" per pair, then "A:i" and "B:i" left over
  } cases[] = {
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
    CleanedFile ma = Reactions(a), mb = Reactions(b);
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

// Two texts of the largest size a run writes (25,999 lines), the second in
// reverse order with every reaction written the other way round. Several
// reactions share a key (S1+S2 and S2+S1), so duplicate groups are paired
// too.
TEST(MechanismCompareLargeTest, LargeFilesCompareInLinearTime) {
  std::string a = "REACTIONS\r\n";
  std::vector<std::string> backward;
  const int kReactions = 12998;  // each with one LOW line
  for (int i = 0; i < kReactions; ++i) {
    std::string x = "S" + std::to_string(i % 100);
    std::string y = "S" + std::to_string(i / 100 % 100);
    std::string z = "S" + std::to_string(i / 10000);
    std::string numbers = " " + std::to_string(i + 1) + ".0E+10 0.5000 " +
                          std::to_string(i) + ".0\r\nLOW /1.0E+20 -1.0 " +
                          std::to_string(i) + ".0/\r\n";
    a += x + "+" + y + "<=>" + z + "+P" + numbers;
    backward.push_back("P+" + z + "<=>" + y + "+" + x + numbers);
  }
  std::string b = "REACTIONS\r\n";
  for (auto it = backward.rbegin(); it != backward.rend(); ++it) b += *it;
  auto start = std::chrono::steady_clock::now();
  CompareReport r = CompareMechanisms(ReadCleanedFile(a + "END\r\n", "a"),
                                      ReadCleanedFile(b + "END\r\n", "b"), {});
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(r.Same());
  EXPECT_EQ(r.reactions.matched, size_t{kReactions});
  EXPECT_EQ(r.reactions.matched_other_way_round, size_t{kReactions});
  // Far above the real figure (some 30 ms in an optimised build); a pass
  // that went quadratic would take minutes here.
  EXPECT_LT(took.count(), 10.0);
}

// Two files cleaned alike hold the reverse line of a REV after its
// reaction's auxiliary lines, with copies of the efficiencies and DUP; in
// any order of the reactions they are the same mechanism.
TEST(ReactionMatcherTest, ReverseLinesAfterAuxiliaryLinesMatch) {
  const std::string third =
      "H2+M<=>H+H+M 4.577E+19 -1.4000 104400.0\r\nH2/2.5/ H2O/12/\r\n"
      "H+H+M<=>H2+M 1.145E+20 -1.6760 820.0\r\nH2/2.5/ H2O/12/\r\n";
  const std::string dup =
      "H2O2+O2<=>HO2+HO2 1.136E+16 -0.3470 49730.0\r\nDUP\r\n"
      "HO2+HO2<=>H2O2+O2 1.030E+14 0.0000 11040.0\r\nDUP\r\n"
      "H2O2+O2<=>HO2+HO2 2.141E+13 -0.3470 37280.0\r\nDUP\r\n"
      "HO2+HO2<=>H2O2+O2 1.940E+11 0.0000 -1409.0\r\nDUP\r\n";
  CompareReport r = CompareMechanisms(
      ReadCleanedFile("REACTIONS\r\n" + third + dup + "END\r\n", "a"),
      ReadCleanedFile("REACTIONS\r\n" + dup + third + "END\r\n", "b"), {});
  EXPECT_TRUE(r.Same());
  EXPECT_EQ(r.reactions.matched, size_t{3});
}

}  // namespace
}  // namespace kestrelon

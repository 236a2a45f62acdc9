#include <gtest/gtest.h>

#include <chrono>

#include "compare/mechanism_compare.h"

namespace kestrelon {
namespace {

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
  CompareReport r = CompareMechanisms(ParseCleanedFile(a + "END\r\n", "a"),
                                      ParseCleanedFile(b + "END\r\n", "b"), {});
  std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(r.Same());
  EXPECT_EQ(r.reactions.matched, size_t{kReactions});
  EXPECT_EQ(r.reactions.matched_other_way_round, size_t{kReactions});
  // Far above the real figure (some 30 ms in an optimised build); a pass
  // that went quadratic would take minutes here.
  EXPECT_LT(took.count(), 10.0);
}

}  // namespace
}  // namespace kestrelon

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "compare/mechanism_compare.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

// Two texts of the largest size a run writes (25,999 lines), the second in
// reverse order with every reaction written the other way round. Several
// reactions share a key (S1+S2 and S2+S1), so duplicate groups are paired
// too.
TEST(MechanismCompareLargeTest, LargeFilesCompareInLinearTime) {
  std::string a_text = "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\n";
  for (int i = 0; i < 100; ++i) a_text += "S" + std::to_string(i) + "\r\n";
  a_text += "END\r\nREACTIONS\r\n";
  std::string b_text = a_text;
  std::vector<std::string> forward;
  std::vector<std::string> backward;
  const int kLines = 25999;
  const int kReactions = (kLines - 107) / 2;  // each with one LOW line
  for (int i = 0; i < kReactions; ++i) {
    std::string x = "S" + std::to_string(i % 100);
    std::string y = "S" + std::to_string(i / 100 % 100);
    std::string z = "S" + std::to_string(i / 10000);
    std::string numbers = " " + std::to_string(i + 1) + ".0E+10 0.5000 " +
                          std::to_string(i) + ".0\r\nLOW /1.0E+20 -1.0 " +
                          std::to_string(i) + ".0/\r\n";
    forward.push_back(x + "+" + y + "<=>" + z + "+P" + numbers);
    backward.push_back("P+" + z + "<=>" + y + "+" + x + numbers);
  }
  for (const std::string& r : forward) a_text += r;
  for (auto it = backward.rbegin(); it != backward.rend(); ++it) b_text += *it;
  a_text += "END\r\n";
  b_text += "END\r\n";
  ASSERT_EQ(SplitLines(a_text).size(), 25999u);

  auto start = std::chrono::steady_clock::now();
  CompareReport r = CompareMechanisms(ParseCleanedFile(a_text, "a"),
                                      ParseCleanedFile(b_text, "b"), {});
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  EXPECT_TRUE(r.Same());
  EXPECT_EQ(r.reactions.matched, static_cast<size_t>(kReactions));
  EXPECT_EQ(r.reactions.matched_other_way_round,
            static_cast<size_t>(kReactions));
  // Far above the real figure (some 30 ms in an optimised build); a pass
  // that went quadratic would take minutes here.
  EXPECT_LT(seconds, 10.0);
}

}  // namespace
}  // namespace kestrelon

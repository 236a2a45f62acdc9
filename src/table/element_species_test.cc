#include "table/element_species.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

TEST(WidenSeparatorsTest, EveryEighteenBlanksOrLessGiveThree) {
  struct Case {
    std::string text, want;
  } cases[] = {
      {"H O", "H   O"},
      {"H" + Blanks(18) + "O", "H   O"},
      {"H" + Blanks(19) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(20) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(37) + "O", "H" + Blanks(9) + "O"},
      // Atomic weights and held commas stay; a comma is a separator itself.
      {"D/2.014/ A;B", "D/2.014/   A;B"},
      {"A , B", "A         B"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WidenSeparators(c.text), c.want) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace kestrelon

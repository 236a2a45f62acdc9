#include "platform/text_ops.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace kestrelon {
namespace {

TEST(ReplaceAllTest, ScansOnceWithoutRescanningInsertedText) {
  struct Case {
    const char *text, *find, *with, *want;
  } cases[] = {
      {"A=B=C", "=", "<=>", "A<=>B<=>C"},
      // Three blanks hold one pair of two, not two overlapping pairs.
      {"A   B", "  ", " ", "A  B"},
      // What was put in is not looked at again.
      {"+(+(", "+(", "(+", "(+(+"},
      {"XX", "X", "XX", "XXXX"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.find, c.with);
    EXPECT_EQ(text, c.want) << c.text << " / " << c.find;
  }
}

TEST(SplitLinesTest, EveryLineEndIsALineEnd) {
  struct Case {
    const char* text;
    std::vector<std::string> want;
  } cases[] = {
      {"", {}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\rC", {"A", "B", "C"}},
      {"A\n\r\nB\r\r", {"A", "", "B", ""}},
      {"  END  \r\n", {"  END  "}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (std::string_view line : SplitLines(c.text)) got.emplace_back(line);
    EXPECT_EQ(got, c.want) << testing::PrintToString(std::string(c.text));
  }
}

}  // namespace
}  // namespace kestrelon

#include "platform/text_ops.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kestrelon

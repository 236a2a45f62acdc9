#include "platform/text_ops.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace kestrelon {
namespace {

TEST(ReplaceAllTest, ScansOnceWithoutRescanningInsertedText) {
  struct Case {
    const char* text;
    const char* find;
    const char* with;
    const char* want;
  } cases[] = {
      {"A=B=C", "=", "<=>", "A<=>B<=>C"},
      // Three blanks hold one pair of two, not two overlapping pairs.
      {"A   B", "  ", " ", "A  B"},
      // What was put in is not looked at again.
      {"+(+(", "+(", "(+", "(+(+"},
      {"XX", "X", "XX", "XXXX"},
      {"none", "Q", "R", "none"},
      {"", "A", "B", ""},
      // Shrinking in place: pieces between the occurrences keep their order.
      {"A  B  C  ", "  ", " ", "A B C "},
      {"#DATAUX#LOW /1/", "#DATAUX#", "", "LOW /1/"},
      {"ABABAB", "AB", "", ""},
      {"AAA", "AA", "B", "BA"},
      // Growing: the first and last characters, and neighbours.
      {"=X==", "=", "<=>", "<=>X<=><=>"},
      {"+A+", "+A", "+B+", "+B++"},
      {"AAA", "AA", "AAAA", "AAAAA"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.find, c.with);
    EXPECT_EQ(text, c.want) << c.text << " / " << c.find;
  }
}

TEST(ReplaceAllTest, CountsAndGrowsPastManyOccurrences) {
  // More occurrences than a growing replacement keeps track of in place.
  for (size_t n : {1, 31, 32, 33, 100}) {
    std::string text;
    std::string want;
    for (size_t i = 0; i < n; ++i) {
      text += "a=";
      want += "a<=>";
    }
    EXPECT_EQ(ReplaceAll(text, "=", "<=>"), n);
    EXPECT_EQ(text, want) << n;
    EXPECT_EQ(ReplaceAll(text, "<=>", "="), n);
    EXPECT_EQ(text.size(), 2 * n);
  }
}

TEST(ReplaceSameLengthTest, ActsOnlyFromTheStartGiven) {
  struct Case {
    const char* text;
    size_t from;
    const char* find;
    const char* with;
    const char* want;
  } cases[] = {
      {"A+(B+(C", 0, "+(", "(+", "A(+B(+C"}, {"+(+(", 0, "+(", "(+", "(+(+"},
      {"++(", 0, "+(", "(+", "+(+"},         {"A;B;C", 2, ";", ",", "A;B,C"},
      {"+(", 1, "+(", "(+", "+("},           {"", 0, ";", ",", ""},
      {"AB+", 0, "+(", "(+", "AB+"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    ReplaceSameLength(text, c.from, c.find, c.with);
    EXPECT_EQ(text, c.want) << c.text << " from " << c.from;
  }
}

TEST(LineReaderTest, EndsLinesAsSplitLinesDoes) {
  struct Case {
    const char* text;
    std::vector<std::string> want;
  } cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB\r", {"A", "B"}},
      {"A\n\r\nB", {"A", "", "B"}},
      {"A\r\rB", {"A", "", "B"}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"A\rB\nC\r\nD", {"A", "B", "C", "D"}},
      {"A\n\rB", {"A", "", "B"}},
      {"AB\r", {"AB"}},
      {"  END  \r\nEND", {"  END  ", "END"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    LineReader reader(c.text);
    std::string_view line;
    while (reader.Next(line)) got.emplace_back(line);
    EXPECT_EQ(got, c.want) << testing::PrintToString(std::string(c.text));
    EXPECT_FALSE(reader.Next(line));
    std::vector<std::string> all;
    for (std::string_view l : LinesOf(c.text)) all.emplace_back(l);
    EXPECT_EQ(all, c.want);
  }
}

TEST(SplitLinesTest, EveryLineEndIsALineEnd) {
  struct Case {
    const char* text;
    std::vector<std::string> want;
  } cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB\r", {"A", "B"}},
      {"A\n\r\nB", {"A", "", "B"}},
      {"A\r\rB", {"A", "", "B"}},
      {"\r\n", {""}},
      {"  END  \r\nEND", {"  END  ", "END"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (std::string_view line : SplitLines(c.text)) got.emplace_back(line);
    EXPECT_EQ(got, c.want) << testing::PrintToString(std::string(c.text));
  }
}

TEST(LineReaderTest, FindsLineEndsAtEveryPlaceInLongLines) {
  // Lines of 0 to 70 bytes, so that the end of a line falls at every place
  // of a block of sixteen bytes, ended in turn by CR LF, CR and LF.
  const char* const ends[] = {"\r\n", "\r", "\n"};
  std::vector<std::string> want;
  std::string text;
  for (int length = 0; length <= 70; ++length) {
    std::string line;
    for (int i = 0; i < length; ++i) line += static_cast<char>('A' + i % 26);
    want.push_back(line);
    text += line + ends[length % 3];
  }
  want.push_back("LAST WITHOUT AN END, LONGER THAN SIXTEEN BYTES");
  text += want.back();
  std::vector<std::string> got;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) got.emplace_back(line);
  EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace kestrelon

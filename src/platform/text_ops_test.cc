#include "platform/text_ops.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {
namespace {

TEST(ReplaceAllTest, ScansOnceWithoutRescanningInsertedText) {
  struct Case {
    const char *text, *find, *with, *want;
  } cases[] = {
      // Three blanks hold one pair of two, not two overlapping pairs.
      {"A   B", "  ", " ", "A  B"},
      // What was put in is not looked at again.
      {"+(+(", "+(", "(+", "(+(+"},
      // Shrinking in place: pieces between the occurrences keep their order.
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
  // More occurrences than a growing replacement keeps track of in place.
  for (size_t n : {1, 31, 32, 33, 100}) {
    std::string text, want;
    for (size_t i = 0; i < n; ++i) text += "a=", want += "a<=>";
    EXPECT_EQ(ReplaceAll(text, "=", "<=>"), n);
    EXPECT_EQ(text, want) << n;
    EXPECT_EQ(ReplaceAll(text, "<=>", "="), n);
    EXPECT_EQ(text.size(), 2 * n);
  }
}

TEST(LineCopierTest, WritesEveryLineWithCrLfWhateverItEndedWith) {
  // Each line of the text is copied whole, cut short, or replaced (odd
  // lines get "#" instead of their first character when they have one).
  struct Case {
    const char* text;
    const char* want;
  } cases[] = {
      {"A\r\nB\r\nC\r\n", "A\r\n#\r\nC\r\n"},
      {"AB\r\nCD\r\nEF\r\nGH", "AB\r\n#D\r\nEF\r\n#H\r\n"},
      {"AB\nCD\rEF\r\n\r\n", "AB\r\n#D\r\nEF\r\n\r\n"},
      {"\r\n\r\nX\r\n", "\r\n\r\nX\r\n"},
      {"LONG LINE ONE\r\nLONG LINE TWO\r\n",
       "LONG LINE ONE\r\n#ONG LINE TWO\r\n"},
  };
  for (const Case& c : cases) {
    const std::string text = c.text;
    std::string out = "HEAD\r\n";
    LineCopier copier(text, out);
    int number = 0;
    for (std::string_view line : LinesOf(text)) {
      if (++number % 2 == 0 && !line.empty()) {
        copier.Add("#" + std::string(line.substr(1)));
      } else {
        copier.AddFromText(line);
      }
    }
    copier.Finish();
    EXPECT_EQ(out, std::string("HEAD\r\n") + c.want)
        << testing::PrintToString(text);
  }
  // A line cut short in the text is not followed by its old line end.
  const std::string text = "ABC! X\r\nDEF\r\n";
  std::string out;
  LineCopier copier(text, out);
  const std::vector<std::string_view> lines = LinesOf(text);
  copier.AddFromText(lines[0].substr(0, 3));
  copier.AddFromText(lines[1]);
  copier.Finish();
  EXPECT_EQ(out, "ABC\r\nDEF\r\n");
}

TEST(LineReaderTest, EndsLinesAtCrLfCrAndLfAnywhereInABlock) {
  // Lines of 0 to 70 bytes, so that a line end falls at every place of a
  // block of sixteen bytes, ended in turn by CR LF, CR and LF; a last line
  // without an end counts, an empty text has no lines.
  const char* const ends[] = {"\r\n", "\r", "\n"};
  std::vector<std::string> long_lines;
  std::string long_text;
  for (int length = 0; length <= 70; ++length) {
    long_lines.push_back(std::string(static_cast<size_t>(length), 'A'));
    long_text += long_lines.back() + ends[length % 3];
  }
  long_lines.push_back("LAST WITHOUT AN END, LONGER THAN SIXTEEN BYTES");
  long_text += long_lines.back();
  struct Case {
    std::string text;
    std::vector<std::string> want;
  } cases[] = {
      {long_text, long_lines},
      {"\n\r\r\n", {"", "", ""}},
      {"", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (std::string_view line : LinesOf(c.text)) got.emplace_back(line);
    EXPECT_EQ(got, c.want);
  }
}

// The lines whose first character other than blanks and TABs is the letter
// (either case), numbered from the given first number, as a reading of
// every line finds them.
std::vector<std::pair<std::string, int>> LinesStartingWith(
    std::string_view text, char letter, int first_number) {
  std::vector<std::pair<std::string, int>> found;
  int number = first_number;
  for (std::string_view line : LinesOf(text)) {
    const size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos &&
        (line[first] == letter || line[first] == (letter | 0x20))) {
      found.emplace_back(line, number);
    }
    ++number;
  }
  return found;
}

TEST(ForEachLineStartingWithTest, FindsTheLinesAReadingOfEveryLineFinds) {
  // The letter at a line's start after blanks and TABs, in the middle of
  // lines, at the text's very start and end, after every kind of line end
  // and after empty lines; a long text puts the letters at every place of
  // a block of sixteen bytes.
  std::string long_text;
  const char* const ends[] = {"\r\n", "\r", "\n"};
  for (int length = 0; length <= 40; ++length) {
    long_text += std::string(static_cast<size_t>(length % 7), ' ') + "u" +
                 std::string(static_cast<size_t>(length), 'A') + "U" +
                 ends[length % 3];
    if (length % 5 == 0) long_text += ends[(length + 1) % 3];
  }
  const std::string texts[] = {
      long_text,          "UNITS", "A U\nU\r\n \tu x\rXU\n\r\rU\r\n", "\n\nU",
      "B\r\n  \r\n\tU\n", "",
  };
  for (const std::string& text : texts) {
    std::vector<std::pair<std::string, int>> got;
    ForEachLineStartingWith(text, 'U', 7, [&got](std::string_view line, int n) {
      got.emplace_back(line, n);
      return true;
    });
    EXPECT_EQ(got, LinesStartingWith(text, 'U', 7)) << text;
  }
}

TEST(ForEachLineStartingWithTest, StopsWhenTold) {
  std::vector<std::string> got;
  ForEachLineStartingWith("R1\nX\n R2\nR3", 'R', 1,
                          [&got](std::string_view line) {
                            got.emplace_back(line);
                            return got.size() < 2;
                          });
  EXPECT_EQ(got, (std::vector<std::string>{"R1", " R2"}));
}

TEST(FindAnyOf3Test, FindsTheFirstOfThreeAnywhereInABlock) {
  // The character at every place of two blocks of sixteen bytes and past
  // them, each of the three in turn, after decoys that are none of them.
  for (size_t at = 0; at < 40; ++at) {
    for (char c : {'=', '>', '+'}) {
      std::string text(48, 'E');
      text[at] = c;
      text[at + 3] = '=';  // later: not the first
      EXPECT_EQ(
          FindAnyOf3(text.data(), text.data() + text.size(), '=', '>', '+') -
              text.data(),
          static_cast<std::ptrdiff_t>(at))
          << at << c;
    }
  }
  const std::string none(37, '<');
  EXPECT_EQ(FindAnyOf3(none.data(), none.data() + none.size(), '=', '>', '+'),
            none.data() + none.size());
}

TEST(SkipByteTest, FindsTheFirstOtherByteAnywhereInABlock) {
  // The first byte other than a blank at every place of two blocks of
  // sixteen bytes and past them, in texts of every length around it.
  for (size_t at = 0; at < 40; ++at) {
    for (size_t size = at; size < at + 18; ++size) {
      std::string text(size, ' ');
      if (at < size) text[at] = 'X';
      EXPECT_EQ(SkipByte(text.data(), text.data() + size, ' ') - text.data(),
                static_cast<std::ptrdiff_t>(at))
          << at << " in " << size;
      if (at < size) {
        EXPECT_EQ(FindByte(text.data(), text.data() + size, 'X') - text.data(),
                  static_cast<std::ptrdiff_t>(at));
      }
    }
  }
}

}  // namespace
}  // namespace kestrelon

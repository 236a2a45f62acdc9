#include "table/reaction_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

TEST(ReactionLinesTest, StepsOneToFourGiveTheCanonicalLine) {
  struct Case {
    const char *line, *want;
  } cases[] = {
      // More lines go through all reaction passes in their own test; blanks
      // around "=", "=>", "<=>", "(+M)" and "(+ M)", and signed numbers, in
      // the golden runs coefficients_apart and signed_numbers.
      {"A + B => C 1 2 3", "A+B|=>C 1 2 3"},
      // A blank inside a name survives and is dealt with later.
      {"A B + C = D 1 2 3", "A B+C<=>D 1 2 3"},
      // Lines without "=" are auxiliary data.
      {"LOW  /  1.0E+16   0.0   500.0 /", "#DATAUX#LOW / 1.0E+16 0.0 500.0 /"},
      {"", "#DATAUX#"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    NormaliseReactionLine(line);
    EXPECT_EQ(line, c.want) << '"' << c.line << '"';
  }
}

// NormaliseSpacing leaves out replacements that cannot act; on any text it
// must give what the rule gives: blank runs made single, then the eight
// replacements in order. Lines are drawn from the characters the
// replacements care about, so that every chain of them turns up; one in
// four also has words and runs of blanks up to forty long, which are
// passed sixteen bytes at a time.
TEST(ReactionLinesTest, SpacingMatchesTheFullRuleOnAnyText) {
  const char alphabet[] = {' ', ' ', ' ', '+', '+', '(', '<', '=', '>', 'A'};
  const char* steps[][2] = {{" <", "<"}, {"> ", ">"}, {"<=>>", "|=>"},
                            {" +", "+"}, {"+ ", "+"}, {"(+", "+("},
                            {" +", "+"}, {"+ ", "+"}};
  unsigned state = 12345;
  auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 16; };
  for (int round = 0; round < 200000; ++round) {
    std::string line, by_rule;
    const bool long_runs = round % 4 == 0;
    for (unsigned i = 0, n = next() % 12; i < n; ++i) {
      const char c = alphabet[next() % sizeof alphabet];
      const unsigned repeat =
          long_runs && (c == ' ' || c == 'A') ? 1 + next() % 40 : 1;
      for (unsigned k = 0; k < repeat; ++k) {
        line.push_back(c);
        if (c != ' ' || by_rule.empty() || by_rule.back() != ' ') {
          by_rule.push_back(c);
        }
      }
    }
    for (const auto& step : steps) ReplaceAll(by_rule, step[0], step[1]);
    const std::string before = line;
    NormaliseSpacing(line);
    ASSERT_EQ(line, by_rule) << '"' << before << '"';
  }
}

}  // namespace
}  // namespace kestrelon

#include "table/reaction_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_ops.h"
#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

// Lines as the input stage leaves them, and the canonical line steps 1 to 4
// make of them.
struct LineCase {
  const char* line;
  const char* want;
};

const LineCase kLineCases[] = {
    {"H + O2 = OH + O   3.547E+15  -0.406  16599.0",
     "H+O2<=>OH+O 3.547E+15 -0.406 16599.0"},
    {"A + B => C 1 2 3", "A+B|=>C 1 2 3"},
    {"A+B=>C 1 2 3", "A+B|=>C 1 2 3"},
    {"A+B <=> C 1 2 3", "A+B<=>C 1 2 3"},
    {"A+B<=>C 1 2 3", "A+B<=>C 1 2 3"},
    {"A+B=C 1 2 3", "A+B<=>C 1 2 3"},
    {"A+B(+M)=C(+M) 1 2 3", "A+B+(M)<=>C+(M) 1 2 3"},
    {"A + B (+M) = C (+M)  1 2 3", "A+B+(M)<=>C+(M) 1 2 3"},
    {"A+B (+ M) <=> C(+M) 1 2 3", "A+B+(M)<=>C+(M) 1 2 3"},
    // A coefficient keeps its "+": no blank stands next to it.
    {"A=B 1.0E+13 0 0", "A<=>B 1.0E+13 0 0"},
    {"A=B=C 1 2 3", "A<=>B<=>C 1 2 3"},
    {"A  =  B    1    2    3", "A<=>B 1 2 3"},
    // A blank inside a name survives and is dealt with later.
    {"A B + C = D 1 2 3", "A B+C<=>D 1 2 3"},
    // Lines without "=" are auxiliary data.
    {"DUP", "#DATAUX#DUP"},
    {"LOW  /  1.0E+16   0.0   500.0 /", "#DATAUX#LOW / 1.0E+16 0.0 500.0 /"},
    {"TROE/ 0.5  100  1000 /", "#DATAUX#TROE/ 0.5 100 1000 /"},
    {"H2/2.0/  H2O/6.0/   AR/0.7/", "#DATAUX#H2/2.0/ H2O/6.0/ AR/0.7/"},
    {"REV / 1.0 + 2 /", "#DATAUX#REV / 1.0+2 /"},
    {"", "#DATAUX#"},
};

TEST(ReactionLinesTest, StepsOneToFourGiveTheCanonicalLine) {
  for (const LineCase& c : kLineCases) {
    std::string line = c.line;
    NormaliseReactionLine(line);
    EXPECT_EQ(line, c.want) << '"' << c.line << '"';
  }
}

TEST(ReactionLinesTest, EachStepAlone) {
  struct Case {
    void (*step)(std::string&);
    const char* line;
    const char* want;
  } cases[] = {
      {SpaceArrow, "A = B", "A=B"},
      {SpaceArrow, "A= B =C", "A=B=C"},
      {SpaceArrow, "A   =   B", "A = B"},
      {SpaceArrow, "A <=> B", "A <=> B"},
      {FormArrow, "A=B", "A<=>B"},
      {FormArrow, "A=>B", "A<=>>B"},
      {FormArrow, "A<=>B=C", "A<=>B=C"},
      {FormArrow, "DUP", "DUP"},
      {TagAuxiliary, "A<=>B", "A<=>B"},
      {TagAuxiliary, "A=B", "#DATAUX#A=B"},
      {NormaliseSpacing, "A  +   B<=>>C", "A+B|=>C"},
      {NormaliseSpacing, "A(+M)", "A+(M)"},
      {NormaliseSpacing, "#DATAUX#LOW   1   2", "#DATAUX#LOW 1 2"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    c.step(line);
    EXPECT_EQ(line, c.want) << '"' << c.line << '"';
  }
}

// The spacing step as its rule reads: blank runs made single, then the
// eight replacements one after the other.
std::string SpacingByTheRule(std::string line) {
  std::string collapsed;
  for (char c : line) {
    if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
    collapsed.push_back(c);
  }
  const char* steps[][2] = {{" <", "<"}, {"> ", ">"}, {"<=>>", "|=>"},
                            {" +", "+"}, {"+ ", "+"}, {"(+", "+("},
                            {" +", "+"}, {"+ ", "+"}};
  for (const auto& step : steps) ReplaceAll(collapsed, step[0], step[1]);
  return collapsed;
}

// NormaliseSpacing leaves out replacements that cannot act; on any text it
// must give what all eight give. Lines are drawn from the characters the
// replacements care about, so that every pattern and every chain of them
// (" (+", "( +", "<=> >", "+ +") turns up many times.
TEST(ReactionLinesTest, SpacingMatchesTheFullRuleOnAnyText) {
  const char alphabet[] = {' ', ' ', ' ', '+', '+', '(', '<', '=', '>', 'A'};
  unsigned state = 12345;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7fff;
  };
  for (int round = 0; round < 200000; ++round) {
    std::string line;
    const unsigned length = next() % 12;
    for (unsigned i = 0; i < length; ++i) {
      line.push_back(alphabet[next() % sizeof alphabet]);
    }
    std::string fast = line;
    NormaliseSpacing(fast);
    ASSERT_EQ(fast, SpacingByTheRule(line)) << '"' << line << '"';
  }
}

TEST(ReactionLinesTest, TouchesOnlyTheReactionRows) {
  TestRun run;
  run.SetReactionSection({"A = B 1 2 3", "DUP"});
  run.ctx.table.Set(5, 1, "X = Y");
  NormaliseReactionLines(run.ctx, ReactionRows(run.ctx.vars.index));
  EXPECT_EQ(run.Cell(1, 1), "REACTIONS");
  EXPECT_EQ(run.Cell(2, 1), "A<=>B 1 2 3");
  EXPECT_EQ(run.Cell(3, 1), "#DATAUX#DUP");
  EXPECT_EQ(run.Cell(4, 1), "END");
  EXPECT_EQ(run.Cell(5, 1), "X = Y");
}

}  // namespace
}  // namespace kestrelon

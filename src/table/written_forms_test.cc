#include "table/written_forms.h"

#include <gtest/gtest.h>

#include <string>

#include "table/reaction_lines.h"

namespace kestrelon {
namespace {

TEST(WrittenFormsTest, NumberWords) {
  struct Case {
    const char* text;
    bool number;
  } cases[] = {
      {"+5.08E+004", true},  {"+2.67 +6292", true}, {"-1.4", true},
      {"+3.322E+03/", true}, {".5", true},          {"+1.0D-3", true},
      {"+", false},          {"+.", false},         {"+OH", false},
      {"+2OH", false},       {"+2.0E", false},      {"+1.2.3", false},
      {"+1E+", false},       {"+(M)<=>C", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StartsWithNumberWord(c.text), c.number) << c.text;
  }
}

TEST(WrittenFormsTest, CoefficientsJoinTheirSpecies) {
  struct Case {
    const char *line, *want;
  } cases[] = {
      {"A+B=2 C   1.0E13 0.0 1000.0", "A+B=2C   1.0E13 0.0 1000.0"},
      {"2 OH(+M)<=>H2O2(+M) 1 2 3", "2OH(+M)<=>H2O2(+M) 1 2 3"},
      {"H + 2   O = H2O + 0.5 O2 1 2 3", "H + 2O = H2O + 0.5O2 1 2 3"},
      {"A+B <=> 2.5 C 1 2 3", "A+B <=> 2.5C 1 2 3"},
      {"A=>2 B 1 2 3", "A=>2B 1 2 3"},
      // A number after a species is A, not a coefficient; nor is one
      // followed by another number or a "/".
      {"A+B=C 2 0.0 1000 X", "A+B=C 2 0.0 1000 X"},
      {"A+B=C+ 2 0 1", "A+B=C+ 2 0 1"},
      // An exponent's sign joins nothing: a word after Ea stays apart.
      {"A=B 1.0E+13 0 1E+3 DUP", "A=B 1.0E+13 0 1E+3 DUP"},
      // Lines without an equation are auxiliary data.
      {"2 OH", "2 OH"},
      {"H2/2 / H2O/6/", "H2/2 / H2O/6/"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    JoinCoefficients(line);
    EXPECT_EQ(line, c.want) << '"' << c.line << '"';
  }
}

TEST(WrittenFormsTest, BlanksGoBeforeSeparatorsOnly) {
  std::string line = "A +B +(M) +1.0E13  +C +2.5/";
  EXPECT_EQ(RemoveBlankBeforeSeparators(line), 3u);
  EXPECT_EQ(line, "A+B+(M) +1.0E13 +C +2.5/");
}

TEST(WrittenFormsTest, ReactionLinesKeepSignsAndJoinCoefficients) {
  struct Case {
    const char *line, *want;
  } cases[] = {
      {"H2+O<=>H+OH   +5.0800000E+004 +2.6700000E+000 +6.2920000E+003",
       "H2+O<=>H+OH +5.0800000E+004 +2.6700000E+000 +6.2920000E+003"},
      {"H2 + O = H + OH +5.08E+04 -2.67 +6292",
       "H2+O<=>H+OH +5.08E+04 -2.67 +6292"},
      {"A + 2 B (+M) = C (+ M) +1.0 0 0", "A+2B+(M)<=>C+(M) +1.0 0 0"},
      {"A+B=2 C   1.0E13 0.0 1000.0", "A+B<=>2C 1.0E13 0.0 1000.0"},
      {"2 OH (+M) => H2O2 (+M) 1 2 3", "2OH+(M)|=>H2O2+(M) 1 2 3"},
      {"PLOG /1.000E-02 1.080E+07 1.280E+00 +3.322E+03 /",
       "#DATAUX#PLOG /1.000E-02 1.080E+07 1.280E+00 +3.322E+03 /"},
      {"LOW / +1.0E13 +1.0 +3.3E+03/", "#DATAUX#LOW / +1.0E13 +1.0 +3.3E+03/"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    NormaliseReactionLine(line);
    EXPECT_EQ(line, c.want) << '"' << c.line << '"';
  }
}

}  // namespace
}  // namespace kestrelon

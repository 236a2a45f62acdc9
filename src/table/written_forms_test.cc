#include "table/written_forms.h"

#include <gtest/gtest.h>

#include <string>

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
      // Coefficients apart from their species, whole or decimal, on either
      // side of "=", "<=>" and "=>": the golden run coefficients_apart.
      {"A+B <=> 2.5 C 1 2 3", "A+B <=> 2.5C 1 2 3"},
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

}  // namespace
}  // namespace kestrelon

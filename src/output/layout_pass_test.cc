#include "output/layout_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

// The head of a cleaned file: the reaction section starts on line 8.
std::string Lines(const std::vector<std::string>& rest) {
  std::string text =
      "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\nH   O2   OH   O\r\nEND\r\n"
      "REACTIONS\r\n";
  for (const std::string& line : rest) text += line + "\r\n";
  return text;
}

class LayoutPassTest : public testing_support::ScratchRunTest {
 protected:
  // Lays out the joule file of a calorie run; returns its text or error.
  std::string LayOut(const std::vector<std::string>& rest) {
    std::string text;
    const std::string error = testing_support::ErrorOf([&] {
      std::shared_ptr<LayoutMemo> memo;
      text = LayOutText(Lines(rest), "mechj.rxn", OutUnit::kJoule, rec_.style,
                        memo, InputLines());
    });
    return error == "(no error)" ? text : error;
  }
};

TEST_F(LayoutPassTest, KeywordLineForms) {
  // 1600 cal/mol is 6694.4 J/mol.
  struct Case {
    const char *line, *want;
  } cases[] = {
      {"LOW/1.04E+26 -2.76 1600.0/", "LOW /1.040E+26 -2.7600 6694.4/"},
      // The closing slash is supplied.
      {"HIGH / 1.0E+14 0.0 1600.0", "HIGH /1.000E+14 0.0000 6694.4/"},
      // Text after the closing slash is dropped.
      {"LOW / 1.04E+26 -2.76 1600.0 / TROE / 0.5 100 1000 /",
       "LOW /1.040E+26 -2.7600 6694.4/"},
      // Three blanks before the closing slash leave an empty third value,
      // which reads as zero.
      {"LOW / 2.0 1.0   /", "LOW /2.000E+00 1.0000 0.0/"},
      // A fourth value joins the third: 1600.05 cal/mol.
      {"LOW / 1.04E+26 -2.76 1600.0 5.0 /", "LOW /1.040E+26 -2.7600 6694.6/"},
      // A PLOG line keeps its pressure as written.
      {"PLOG / 1.000000E-03 1.550000E-08 2.930000E+00 8.768000E+03 /",
       "PLOG /1.000000E-03 1.550E-08 2.9300 36685.3/"},
      {"PLOG/0.1 1.0 0.0 1600.0/", "PLOG /0.1 1.000E+00 0.0000 6694.4/"},
      // Only the first word makes a keyword line.
      {"REVERSE/2.0/ LOWH/3.0/", "REVERSE/2.0/ LOWH/3.0/"},
      {"LOW+H<=>HIGH+O 1.0 0.0 0.0", "LOW+H<=>HIGH+O 1.0 0.0 0.0"},
      {"PLOGX/1.0/", "PLOGX/1.0/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayOut({c.line, "END"}), Lines({c.want, "END"})) << c.line;
  }
}

TEST_F(LayoutPassTest, FailuresNameTheFileAndLineAndKeepTheFile) {
  const char* kReaction = "A+B<=>C 1.0 0.0 0.0";
  struct Case {
    std::vector<std::string> rest;
    const char* want;  // after the path
  } cases[] = {
      {{kReaction, "LOW", "END"},
       ":9: keyword line without its /A n Ea/ block"},
      {{kReaction, "LOW / 1.0 2.0 /", "END"},
       ":9: keyword line needs three values A, n and Ea between its slashes"},
      {{kReaction, "PLOG / 1.0 2.0 3.0 /", "END"},
       ":9: PLOG line needs four values P, A, n and Ea between its slashes"},
      {{kReaction, "PLOG /10.0/", "END"},
       ":9: PLOG line needs four values P, A, n and Ea between its slashes"},
      {{"REV / 1.0 0.0 0.0 /", "END"},
       ":8: REV line without a reaction line above it"},
      {{kReaction, "LOW / 1.0 0.0 1E308 /", "END"}, ":9: number out of range"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayOut(c.rest), std::string("mechj.rxn") + c.want);
  }
}

}  // namespace
}  // namespace kestrelon

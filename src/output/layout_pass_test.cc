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
      const TextSink sink = [&text](std::string_view piece) {
        text.append(piece);
      };
      LayoutPass pass("mechj.rxn", OutUnit::kJoule, rec_.style, memo,
                      InputLines(), sink);
      pass.Feed(Lines(rest));
      pass.Finish();
    });
    return error == "(no error)" ? text : error;
  }
};

TEST_F(LayoutPassTest, KeywordLineForms) {
  // 1600 cal/mol is 6694.4 J/mol.
  struct Case {
    const char *line, *want;
  } cases[] = {
      // The closing slash is supplied.
      {"HIGH / 1.0E+14 0.0 1600.0", "HIGH /1.000E+14 0.0000 6694.4/"},
      // Text after the closing slash is dropped: the output stage has put
      // any item there on a line of its own.
      {"LOW / 1.04E+26 -2.76 1600.0 / TROE / 0.5 100 1000 /",
       "LOW /1.040E+26 -2.7600 6694.4/"},
      // Three blanks before the closing slash leave an empty third value,
      // which reads as zero.
      {"LOW / 2.0 1.0   /", "LOW /2.000E+00 1.0000 0.0/"},
      // Only the first word makes a keyword line.
      {"REVERSE/2.0/ LOWH/3.0/", "REVERSE/2.0/ LOWH/3.0/"},
      {"LOW+H<=>HIGH+O 1.0 0.0 0.0", "LOW+H<=>HIGH+O 1.0 0.0 0.0"},
      {"PLOGX/1.0/", "PLOGX/1.0/"},
      // A reaction is one whatever its first word ("PLOG/X" and "REV" are
      // species names there).
      {"PLOG/X<=>OH+O 3.500E+15 -0.4000 16600.0",
       "PLOG/X<=>OH+O 3.500E+15 -0.4000 16600.0"},
      {"REV+H=>LOW/1 1.0 0.0 0.0", "REV+H=>LOW/1 1.0 0.0 0.0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayOut({c.line, "END"}), Lines({c.want, "END"})) << c.line;
  }
}

// The other failures of the layout, with the input lines they name:
// tests/messages_test.cc and tests/hostile_test.cc.
TEST_F(LayoutPassTest, FailuresNameTheFileAndLine) {
  EXPECT_EQ(LayOut({"REV / 1.0 0.0 0.0 /", "END"}),
            "mechj.rxn:8: REV line without a reaction line above it");
  // A fourth value is not read into Ea (as 1600.05).
  EXPECT_EQ(LayOut({"H+O2<=>O+OH 1.0 0.0 0.0",
                    "LOW / 1.04E+26 -2.76 1600.0 5.0 /", "END"}),
            "mechj.rxn:9: keyword line has more than three values A, n and "
            "Ea between its slashes");
  EXPECT_EQ(LayOut({"H+O2<=>O+OH 1.0 0.0 0.0",
                    "PLOG / 1.0 1.04E+26 -2.76 1600.0 5.0 /", "END"}),
            "mechj.rxn:9: PLOG line has more than four values P, A, n and Ea "
            "between its slashes");
}

}  // namespace
}  // namespace kestrelon

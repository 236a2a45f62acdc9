#include "compare/cleaned_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/run_error.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// "LINE: EQUATION A|N|EA (VALUES) <=> or => [AUX ITEMS]" per reaction.
std::string Describe(const std::vector<CleanedReaction>& reactions) {
  std::ostringstream out;
  out.precision(10);
  for (const CleanedReaction& r : reactions) {
    out << r.line << ": " << r.equation << " " << r.a << "|" << r.n << "|"
        << r.ea << " (" << r.a_value << " " << r.n_value << " " << r.ea_value
        << ") " << (r.reversible ? "<=>" : "=>");
    for (const AuxItem& item : r.aux) {
      out << " [" << item.name << (item.has_values ? " " : "")
          << item.ValuesText() << "]";
    }
    out << "\n";
  }
  return out.str();
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : " ") + n;
  return out;
}

TEST(CleanedFileTest, ReadsAllPartsWhateverTheLineEnds) {
  const std::string text =
      "ELEMENTS\r\nH   O   D   /2.014/\r\nEND\r\nSPECIES\r\nH2   O2   H\r\n"
      "O   OH\r\nEND\r\nREACTIONS\r\n"
      "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\r\n"
      "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\n"
      "LOW /6.366E+20 -1.7200 2195.8/\r\nH2/2.0/ H2O/14.0/\r\n"
      "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
      "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\nDUP\r\nEND\r\n"
      "****List of non-elementary reactions****\r\n"
      "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\nH2/2.0/\r\n";
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string with_ends = text;
    ReplaceAll(with_ends, "\r\n", end);
    CleanedMechanism m = ParseCleanedFile(with_ends, "m");
    EXPECT_EQ(Joined(m.elements), "H O D/2.014/");
    EXPECT_EQ(Joined(m.species), "H2 O2 H O OH");
    // The reverse-rate line made from REV belongs to its reaction, and the
    // DUP after it too.
    EXPECT_EQ(Describe(m.reactions),
              "9: H+O2<=>OH+O 3.547E+15|-0.4060|69450.2 (3.547e+15 -0.406 "
              "69450.2) <=>\n"
              "10: H+O2(+M)<=>HO2(+M) 4.650E+12|0.4400|0.0 (4.65e+12 0.44 0) "
              "<=> [LOW /6.366E+20 -1.7200 2195.8/] [H2 /2.0/] [H2O /14.0/]\n"
              "13: CO+O2<=>CO2+O 1.120E+12|0.0000|199576.8 (1.12e+12 0 "
              "199576.8) <=> [REV /1.500E+13 0.0000 225936.0/] [DUP]\n");
    EXPECT_EQ(Describe(m.non_elementary),
              "18: H+H+H+H=>H2+H2 1.000E+10|0.0000|0.0 (1e+10 0 0) => "
              "[H2 /2.0/]\n");
  }
}

TEST(CleanedFileTest, OnlyTheExactReverseRightAfterItsReactionIsARevLine) {
  struct Case {
    const char* reactions;
    size_t count;
  } cases[] = {
      {"A+B<=>C+D 1.0 0.0 0.0\r\nC+D<=>A+B 2.0 0.0 0.0\r\n", 1},
      // An auxiliary line in between: a reaction of its own.
      {"A+B<=>C+D 1.0 0.0 0.0\r\nDUP\r\nC+D<=>A+B 2.0 0.0 0.0\r\nDUP\r\n", 2},
      // Not the text the reverse rewrite writes.
      {"A+B<=>C+D 1.0 0.0 0.0\r\nD+C<=>A+B 2.0 0.0 0.0\r\n", 2},
      {"A+B=>C+D 1.0 0.0 0.0\r\nC+D<=>A+B 2.0 0.0 0.0\r\n", 2},
      {"A+B<=>C+D 1.0 0.0 0.0\r\nC+D=>A+B 2.0 0.0 0.0\r\n", 2},
      // Only one REV per reaction.
      {"A<=>B 1.0 0.0 0.0\r\nB<=>A 2.0 0.0 0.0\r\nA<=>B 3.0 0.0 0.0\r\n", 2},
  };
  for (const Case& c : cases) {
    std::string text = std::string("REACTIONS\r\n") + c.reactions + "END\r\n";
    EXPECT_EQ(ParseCleanedFile(text, "m.rxn").reactions.size(), c.count)
        << c.reactions;
  }
}

TEST(CleanedFileTest, RefusesWhatIsNotACleanedFile) {
  const char* three_numbers =
      "m.rxn:2: a reaction line needs its equation and three numbers (A, n, "
      "Ea)";
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"ELEMENTS\r\nH\r\nEND\r\n", "m.rxn: no REACTIONS line"},
      {"ELEMENTS\r\nH\r\n", "m.rxn:1: this list has no closing END"},
      {"REACTIONS\r\nA<=>B 1.0 0.0 0.0\r\n",
       "m.rxn:1: this list has no closing END"},
      {"REACTIONS\r\nA<=>B 1.0 0.0\r\nEND\r\n", three_numbers},
      {"REACTIONS\r\nA<=>B 1.0 0.0 0.0 5.0\r\nEND\r\n", three_numbers},
      {"REACTIONS\r\nA<=>B 1.0E+13x 0.0 0.0\r\nEND\r\n",
       "m.rxn:2: A \"1.0E+13x\" is not a number"},
      {"REACTIONS\r\nAB 1.0 0.0 =0.0\r\nEND\r\n",
       "m.rxn:2: Ea \"=0.0\" is not a number"},
      {"REACTIONS\r\n\r\nDUP\r\nEND\r\n",
       "m.rxn:3: auxiliary line before the first reaction"},
  };
  for (const Case& c : cases) {
    try {
      ParseCleanedFile(c.text, "m.rxn");
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.message);
    }
  }
}

}  // namespace
}  // namespace kestrelon

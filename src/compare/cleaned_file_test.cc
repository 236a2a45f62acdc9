#include "compare/cleaned_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/run_error.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// "LINE: EQUATION A|N|EA (VALUES) [AUX ITEMS]" per reaction, then the
// reversible ones counted.
std::string Describe(const std::vector<CleanedReaction>& reactions) {
  std::ostringstream out;
  int reversible = 0;
  for (const CleanedReaction& r : reactions) {
    out << r.line << ": " << r.equation << " " << r.a << "|" << r.n << "|"
        << r.ea << " (" << r.a_value << " " << r.n_value << " " << r.ea_value
        << ")";
    for (const AuxItem& item : r.aux)
      out << " [" << item.name << item.ValuesText() << "]";
    out << "\n";
    reversible += r.reversible;
  }
  out << reversible;
  return out.str();
}

TEST(CleanedFileTest, ReadsAllPartsWhateverTheLineEnds) {
  const std::string text =
      "ELEMENTS\r\nH   O   D   /2.014/\r\nEND\r\nSPECIES\r\nH2   O2\r\n"
      "OH\r\nEND\r\nREACTIONS\r\nH+O2(+M)<=>HO2(+M) 4.650E+12 -0.4400 0.0\r\n"
      "LOW /6.366E+20 -1.7200 2195.8/\r\nH2/2.0/ H2O/14.0/\r\n"
      "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
      "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\nDUP\r\nEND\r\n"
      "****List of non-elementary reactions****\r\n"
      "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\nH2/2.0/\r\n";
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string with_ends = text;
    ReplaceAll(with_ends, "\r\n", end);
    CleanedMechanism m = ParseCleanedFile(with_ends, "m");
    EXPECT_EQ(m.elements, (std::vector<std::string>{"H", "O", "D/2.014/"}));
    EXPECT_EQ(m.species, (std::vector<std::string>{"H2", "O2", "OH"}));
    // The reverse-rate line made from REV belongs to its reaction, and the
    // DUP after it too.
    EXPECT_EQ(Describe(m.reactions),
              "9: H+O2(+M)<=>HO2(+M) 4.650E+12|-0.4400|0.0 (4.65e+12 -0.44 "
              "0) [LOW/6.366E+20 -1.7200 2195.8/] [H2/2.0/] [H2O/14.0/]\n"
              "12: CO+O2<=>CO2+O 1.120E+12|0.0000|199576.8 (1.12e+12 0 "
              "199577) [REV/1.500E+13 0.0000 225936.0/] [DUP]\n2");
    EXPECT_EQ(Describe(m.non_elementary),
              "17: H+H+H+H=>H2+H2 1.000E+10|0.0000|0.0 (1e+10 0 0) [H2/2.0/]"
              "\n0");
  }
}

// Only the exact reverse right after its reaction is a REV line; what is
// not a cleaned file is refused.
TEST(CleanedFileTest, RevLinesAndRefusals) {
  struct Case {
    const char* reactions;
    size_t count;
  } cases[] = {
      {"A+B<=>C+D 1 0 0\nC+D<=>A+B 2 0 0\n", 1},
      // An auxiliary line in between: a reaction of its own.
      {"A+B<=>C+D 1 0 0\nDUP\nC+D<=>A+B 2 0 0\nDUP\n", 2},
      // Not the text the reverse rewrite writes.
      {"A+B<=>C+D 1 0 0\nD+C<=>A+B 2 0 0\n", 2},
      // Only one REV per reaction.
      {"A<=>B 1 0 0\nB<=>A 2 0 0\nA<=>B 3 0 0\n", 2},
  };
  for (const Case& c : cases) {
    std::string text = std::string("REACTIONS\n") + c.reactions + "END\n";
    EXPECT_EQ(ParseCleanedFile(text, "m.rxn").reactions.size(), c.count)
        << c.reactions;
  }
  struct Refusal {
    const char* text;
    const char* message;
  } refusals[] = {
      {"ELEMENTS\nH\nEND\n", "m.rxn: no REACTIONS line"},
      {"REACTIONS\nA<=>B 1.0 0.0 0.0\n",
       "m.rxn:1: this list has no closing END"},
      {"REACTIONS\nA<=>B 1.0 0.0 0.0 5.0\nEND\n",
       "m.rxn:2: a reaction line needs its equation and three numbers (A, n, "
       "Ea)"},
      {"REACTIONS\n\nDUP\nEND\n",
       "m.rxn:3: auxiliary line before the first reaction"},
  };
  for (const Refusal& c : refusals) {
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

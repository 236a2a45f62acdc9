#include "compare/aux_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "compare/reaction_key.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// "LINE: EQUATION A|N|EA (VALUES) <=> or => [AUX ITEMS]" per reaction.
std::string Describe(const std::vector<CleanedReactionLine>& reactions) {
  std::ostringstream out;
  for (const CleanedReactionLine& r : reactions) {
    out << r.line << ": " << r.equation << " " << r.a << "|" << r.n << "|"
        << r.ea << " (" << r.a_value << " " << r.n_value << " " << r.ea_value
        << ") " << (MakeReactionKey(r.equation).reversible ? "<=>" : "=>");
    for (const AuxItem& item : AuxItemsOf(r)) {
      out << " [" << item.name << item.ValuesText() << "]";
    }
    out << "\n";
  }
  return out.str();
}

// Every line end ends a line. The reverse-rate line made from REV belongs to
// its reaction, and the DUP after it too; but only the exact reverse right
// after its reaction is such a line.
TEST(AuxItemsTest, ReadsAllPartsWhateverTheLineEnds) {
  const std::string text =
      "ELEMENTS\r\nH   O   D   /2.014/\r\nEND\r\nSPECIES\r\nH2   O2\r\n"
      "OH\r\nEND\r\nREACTIONS\r\nH+O2(+M)<=>HO2(+M) 4.650E+12 -0.4400 0.0\r\n"
      "LOW /6.366E+20 -1.7200 2195.8/\r\nH2/2.0/ H2O/14.0/\r\n"
      "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
      "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\nDUP\r\n"
      "A+B<=>C 1 0 0\r\nC<=>B+A 2 0 0\r\nA=>C 1 0 0\r\nC<=>A 2 0 0\r\nEND\r\n"
      "****List of non-elementary reactions****\r\n"
      "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\nH2/2.0/\r\n";
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string with_ends = text;
    ReplaceAll(with_ends, "\r\n", end);
    CleanedFile m = ReadCleanedFile(with_ends, "m");
    EXPECT_EQ(m.elements, (std::vector<std::string>{"H", "O", "D/2.014/"}));
    EXPECT_EQ(m.species, (std::vector<std::string>{"H2", "O2", "OH"}));
    EXPECT_EQ(Describe(m.reactions),
              "9: H+O2(+M)<=>HO2(+M) 4.650E+12|-0.4400|0.0 (4.65e+12 -0.44 0) "
              "<=> [LOW/6.366E+20 -1.7200 2195.8/] [H2/2.0/] [H2O/14.0/]\n"
              "12: CO+O2<=>CO2+O 1.120E+12|0.0000|199576.8 (1.12e+12 0 199577) "
              "<=> [REV/1.500E+13 0.0000 225936.0/] [DUP]\n"
              "15: A+B<=>C 1|0|0 (1 0 0) <=>\n"
              "16: C<=>B+A 2|0|0 (2 0 0) <=>\n"
              "17: A=>C 1|0|0 (1 0 0) =>\n"
              "18: C<=>A 2|0|0 (2 0 0) <=>\n");
    EXPECT_EQ(Describe(m.non_elementary),
              "21: H+H+H+H=>H2+H2 1.000E+10|0.0000|0.0 (1e+10 0 0) => "
              "[H2/2.0/]\n");
  }
}

// The reverse line after the reaction's auxiliary lines, followed by copies
// of its efficiencies and DUP, is the reaction's REV; with anything else
// after it, or after a reaction that has its REV, it is a reaction.
TEST(AuxItemsTest, ReadsTheReverseLineAfterTheAuxiliaryLines) {
  const std::string text =
      "REACTIONS\n"
      "H2+M<=>H+H+M 4.577E+19 -1.4000 104400.0\nH2/2.5/ H2O/12/\n"
      "H+H+M<=>H2+M 1.145E+20 -1.6760 820.0\nH2/2.5/ H2O/12/\n"
      "A+B<=>C 1 0 0\nLOW /2 0 0/\nDUP\nC<=>A+B 3 0 0\nDUP\n"
      "D<=>E 1 0 0\nDUP\nE<=>D 2 0 0\nDUP\nH2/2.0/\n"
      "F<=>G 1 0 0\nG<=>F 2 0 0\nDUP\nF<=>G 3 0 0\nEND\n";
  CleanedFile m = ReadCleanedFile(text, "m");
  EXPECT_EQ(Describe(m.reactions),
            "2: H2+M<=>H+H+M 4.577E+19|-1.4000|104400.0 (4.577e+19 -1.4 "
            "104400) <=> [REV/1.145E+20 -1.6760 820.0/] [H2/2.5/] [H2O/12/]\n"
            "6: A+B<=>C 1|0|0 (1 0 0) <=> [REV/3 0 0/] [LOW/2 0 0/] [DUP]\n"
            "11: D<=>E 1|0|0 (1 0 0) <=> [DUP]\n"
            "13: E<=>D 2|0|0 (2 0 0) <=> [DUP] [H2/2.0/]\n"
            "16: F<=>G 1|0|0 (1 0 0) <=> [REV/2 0 0/] [DUP]\n"
            "19: F<=>G 3|0|0 (3 0 0) <=>\n");
}

}  // namespace
}  // namespace kestrelon

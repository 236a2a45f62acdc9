#include "compare/cleaned_file.h"

#include <gtest/gtest.h>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

std::string Items(const std::vector<AuxItem>& items) {
  std::string out;
  for (const AuxItem& item : items) {
    if (!out.empty()) out += " | ";
    out += item.name;
    if (item.has_values) out += " " + item.ValuesText();
  }
  return out;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : " ") + n;
  return out;
}

TEST(CleanedFileTest, ReadsAllPartsOfACleanedFile) {
  const char* text =
      "ELEMENTS\r\n"
      "H   O   D   /2.014/\r\n"
      "END\r\n"
      "SPECIES\r\n"
      "H2   O2   H\r\n"
      "O   OH\r\n"
      "END\r\n"
      "REACTIONS\r\n"
      "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\r\n"
      "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\n"
      "LOW /6.366E+20 -1.7200 2195.8/\r\n"
      "H2/2.0/ H2O/14.0/\r\n"
      "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
      "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\n"
      "DUP\r\n"
      "END\r\n"
      "****List of non-elementary reactions****\r\n"
      "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\n"
      "H2/2.0/\r\n";
  CleanedMechanism m = ParseCleanedFile(text, "m.rxn");
  EXPECT_EQ(Joined(m.elements), "H O D/2.014/");
  EXPECT_EQ(Joined(m.species), "H2 O2 H O OH");
  ASSERT_EQ(m.reactions.size(), 3u);

  const CleanedReaction& first = m.reactions[0];
  EXPECT_EQ(first.line, 9);
  EXPECT_EQ(first.text, "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2");
  EXPECT_EQ(first.equation, "H+O2<=>OH+O");
  EXPECT_EQ(first.a, "3.547E+15");
  EXPECT_EQ(first.n, "-0.4060");
  EXPECT_EQ(first.ea, "69450.2");
  EXPECT_DOUBLE_EQ(first.a_value, 3.547e15);
  EXPECT_DOUBLE_EQ(first.n_value, -0.406);
  EXPECT_DOUBLE_EQ(first.ea_value, 69450.2);
  EXPECT_TRUE(first.reversible);
  EXPECT_TRUE(first.aux.empty());

  EXPECT_EQ(m.reactions[1].line, 10);
  EXPECT_EQ(Items(m.reactions[1].aux),
            "LOW /6.366E+20 -1.7200 2195.8/ | H2 /2.0/ | H2O /14.0/");
  // The reverse-rate line made from REV belongs to its reaction, and the
  // DUP after it too.
  EXPECT_EQ(m.reactions[2].line, 13);
  EXPECT_EQ(Items(m.reactions[2].aux), "REV /1.500E+13 0.0000 225936.0/ | DUP");

  ASSERT_EQ(m.non_elementary.size(), 1u);
  EXPECT_EQ(m.non_elementary[0].line, 18);
  EXPECT_FALSE(m.non_elementary[0].reversible);
  EXPECT_EQ(Items(m.non_elementary[0].aux), "H2 /2.0/");
}

TEST(CleanedFileTest, EveryLineEndEndsALine) {
  const char* ends[] = {"\r\n", "\n", "\r"};
  for (const char* e : ends) {
    std::string text = std::string("SPECIES") + e + "A   B" + e + "END" + e +
                       "REACTIONS" + e + "A<=>B 1.0 0.0 0.0" + e + "DUP" + e +
                       "END" + e;
    CleanedMechanism m = ParseCleanedFile(text, "m.rxn");
    EXPECT_EQ(Joined(m.species), "A B");
    ASSERT_EQ(m.reactions.size(), 1u);
    EXPECT_EQ(m.reactions[0].line, 5);
    EXPECT_EQ(Items(m.reactions[0].aux), "DUP");
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
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"ELEMENTS\r\nH\r\nEND\r\n", "m.rxn: no REACTIONS line"},
      {"ELEMENTS\r\nH\r\n", "m.rxn:1: this list has no closing END"},
      {"REACTIONS\r\nA<=>B 1.0 0.0 0.0\r\n",
       "m.rxn:1: this list has no closing END"},
      {"REACTIONS\r\nA<=>B 1.0 0.0\r\nEND\r\n",
       "m.rxn:2: a reaction line needs its equation and three numbers (A, n, "
       "Ea)"},
      {"REACTIONS\r\nA<=>B 1.0 0.0 0.0 5.0\r\nEND\r\n",
       "m.rxn:2: a reaction line needs its equation and three numbers (A, n, "
       "Ea)"},
      {"REACTIONS\r\nA<=>B 1.0 X 0.0\r\nEND\r\n",
       "m.rxn:2: n \"X\" is not a number"},
      {"REACTIONS\r\nA<=>B 1.0E+13x 0.0 0.0\r\nEND\r\n",
       "m.rxn:2: A \"1.0E+13x\" is not a number"},
      {"REACTIONS\r\n\r\nDUP\r\nEND\r\n",
       "m.rxn:3: auxiliary line before the first reaction"},
      {"REACTIONS\r\nAB 1.0 0.0 =0.0\r\nEND\r\n",
       "m.rxn:2: Ea \"=0.0\" is not a number"},
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

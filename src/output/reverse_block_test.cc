#include "output/reverse_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/auxiliary_words.h"

namespace kestrelon {
namespace {

std::string Text(const std::vector<std::string>& reactions) {
  std::string text = "ELEMENTS\r\nH   O\r\nEND\r\nREACTIONS\r\n";
  for (const std::string& line : reactions) text += line + "\r\n";
  return text + "END\r\n";
}

// The text as ReorderedLines hands it out.
std::string Reordered(const std::string& text) {
  ReorderedLines lines(text);
  std::string out;
  std::string_view line;
  while (lines.Next(line)) out.append(line).append("\r\n");
  return out;
}

TEST(ReverseBlockTest, RevGoesLastWithCopiesOfEfficienciesAndDup) {
  const std::string kThird = "H2+M<=>H+H+M 4.577E+19 -1.4000 104400.0";
  const std::string kDup = "H2O2+O2<=>HO2+HO2 1.136E+16 -0.3470 49730.0";
  const std::string kFall = "H+O2(+M)<=>HO2(+M) 1.0E+12 0.0000 0.0";
  struct Case {
    std::vector<std::string> before, after;
  } cases[] = {
      {{kThird, "REV/ 1.145E+20 -1.676 8.200E+02 /", "H2/2.5/ H2O/12/"},
       {kThird, "H2/2.5/ H2O/12/", "REV/ 1.145E+20 -1.676 8.200E+02 /",
        "H2/2.5/ H2O/12/"}},
      {{kDup, "REV/ 1.0 0.0 0.0 /", "DUP", kDup, "REV/ 2.0 0.0 0.0 /", "DUP"},
       {kDup, "DUP", "REV/ 1.0 0.0 0.0 /", "DUP", kDup, "DUP",
        "REV/ 2.0 0.0 0.0 /", "DUP"}},
      // A REV line already last still gets the copies; DUPLICATE is copied
      // as written.
      {{kThird, "H2/2.5/", "DUPLICATE", "REV/ 1.0 0.0 0.0 /"},
       {kThird, "H2/2.5/", "DUPLICATE", "REV/ 1.0 0.0 0.0 /", "H2/2.5/",
        "DUPLICATE"}},
      // Keyword lines stay with the forward reaction only.
      {{kFall, "REV/ 1.0 0.0 0.0 /", "LOW /1.0 0.0 0.0/", "TROE /0.5 1.0 1.0/",
        "H2O/10.0/"},
       {kFall, "LOW /1.0 0.0 0.0/", "TROE /0.5 1.0 1.0/", "H2O/10.0/",
        "REV/ 1.0 0.0 0.0 /", "H2O/10.0/"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Reordered(Text(c.before)), Text(c.after));
}

TEST(ReverseBlockTest, FilesThatNeedNoChangeAreLeftAlone) {
  const std::vector<std::string> unchanged[] = {
      {"O+H2<=>H+OH 5.080E+04 2.6700 6292.0", "REV/ 2.637E+04 2.651 4880.0 /",
       "H+O2<=>O+OH 1.0 0.0 0.0", "DUP"},
      {"H+O2<=>O+OH 1.0 0.0 0.0", "H2/2.0/", "DUP"},
  };
  for (const auto& lines : unchanged) {
    EXPECT_EQ(Reordered(Text(lines)), Text(lines));
  }
  // The block of a reaction line ends at the next reaction line or END.
  const std::string text = Text({"A<=>B 1 0 0", "LOW /1 0 3/", "UNITS / KJ /",
                                 "C<=>D 1 0 0", "UNITS / KJ /"});
  ReorderedLines reader(text);
  std::string_view line;
  std::vector<std::vector<std::string_view>> rests;
  while (reader.Next(line)) {
    if (Contains(line, "=")) {
      rests.emplace_back(reader.BlockRest().begin(), reader.BlockRest().end());
    }
  }
  EXPECT_EQ(rests, (std::vector<std::vector<std::string_view>>{
                       {"LOW /1 0 3/", "UNITS / KJ /"}, {"UNITS / KJ /"}}));
}

// Besides the efficiencies, DUP, DUPLICATE, LOW and TROE of the first test.
TEST(ReverseBlockTest, WhatIsCopiedToTheReverse) {
  struct Case {
    const char* line;
    bool copied;
  } cases[] = {
      {"AR /0.7/", true},        {"SRI /1 2 3/", false},
      {"PLOG /1 2 3 4/", false}, {"FORD /H2 1.0/", false},
      {"UNITS /MOLEC/", false},  {"REV /1 2 3/", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopiedToReverse(c.line), c.copied) << c.line;
  }
}

}  // namespace
}  // namespace kestrelon

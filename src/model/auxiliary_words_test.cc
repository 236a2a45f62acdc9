#include "model/auxiliary_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrelon {
namespace {

TEST(SplitAuxiliaryLineTest, EachLaidOutBlockStandsAlone) {
  using Parts = std::vector<std::string_view>;
  const struct {
    std::string line;
    Parts parts;
  } cases[] = {
      {"LOW/1 2 3/ TROE/0.5 1 2/", {"LOW/1 2 3/", "TROE/0.5 1 2/"}},
      {" TROE / 0.5 1 2 /  LOW / 1 2 3 /  H2/2/ ",
       {"TROE / 0.5 1 2 /", "LOW / 1 2 3 /", "H2/2/"}},
      {"DUP REV / 1 0 100 /", {"DUP", "REV / 1 0 100 /"}},
      {"REV/1 0 100/ DUP", {"REV/1 0 100/", "DUP"}},
      {"PLOG/0.1 1 0 0/ PLOG/1 2 0 0/", {"PLOG/0.1 1 0 0/", "PLOG/1 2 0 0/"}},
      {"HIGH/1 2 3/ H2/2/ H2O/6/ LOW/4 5 6/",
       {"HIGH/1 2 3/", "H2/2/ H2O/6/", "LOW/4 5 6/"}},
      // Lines that stay whole, as written: one item, efficiencies only, a
      // species named LOW (one value), a block not closed.
      {" LOW / 1 2 3 / ", {" LOW / 1 2 3 / "}},
      {"H2/2/  H2O/6/ ", {"H2/2/  H2O/6/ "}},
      {"H2/0/ LOW/2.0/ H2O/0/", {"H2/0/ LOW/2.0/ H2O/0/"}},
      {"TROE/0.5 1 2/ LOW/1 2 3", {"TROE/0.5 1 2/ LOW/1 2 3"}},
      {"", {""}},
  };
  for (const auto& c : cases) {
    Parts parts;
    SplitAuxiliaryLine(c.line, parts);
    EXPECT_EQ(parts, c.parts) << c.line;
  }
}

}  // namespace
}  // namespace kestrelon

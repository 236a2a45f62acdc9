#include "output/holed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {
namespace {

// 3,000 reaction lines, each with an Ea of its own and most with an
// auxiliary line after them, after a heading: some 170 KiB.
class HoledTextTest : public testing::Test {
 protected:
  void SetUp() override {
    text_.text() = "HEADING\r\n";
    want_ = text_.text();
    for (int r = 0; r < 3000; ++r) {
      const std::string head = "A" + std::to_string(r) + "<=>B 1.0 0.0 ";
      const size_t start = text_.text().size();
      text_.text() += head;
      text_.AddHole(start);
      text_.text() += "\r\n";
      want_ += head + Ea(r) + "\r\n";
      if (r % 4 != 0) {
        text_.text() += "PLOG /1.0 2.0 3.0 4.0/\r\n";
        want_ += "PLOG /1.0 2.0 3.0 4.0/\r\n";
      }
    }
  }

  static std::string Ea(size_t h) { return std::to_string(h * 7) + ".0"; }

  // The pieces from hole `from` to hole `to`.
  std::vector<std::string> Pieces(size_t from, size_t to) const {
    std::vector<std::string> pieces;
    text_.Pieces(
        from, to, [this](size_t h) { return eas_[h]; },
        [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
  }

  HoledText text_;
  std::string want_;
  std::vector<std::string> eas_ = [] {
    std::vector<std::string> eas;
    for (size_t h = 0; h < 3000; ++h) eas.push_back(Ea(h));
    return eas;
  }();
};

TEST_F(HoledTextTest, PiecesOfSome64KiBCutBeforeReactionLines) {
  const std::vector<std::string> pieces = Pieces(0, text_.holes());
  ASSERT_EQ(pieces.size(), 3u);
  std::string joined;
  for (size_t p = 0; p < pieces.size(); ++p) {
    if (p + 1 < pieces.size()) {
      EXPECT_GE(pieces[p].size(), 64u * 1024 - 100);
      EXPECT_LE(pieces[p].size(), 64u * 1024 + 100);  // and one block
    }
    if (p > 0) {
      EXPECT_EQ(pieces[p][0], 'A') << p;
    }
    joined += pieces[p];
  }
  EXPECT_EQ(joined, want_);
}

TEST_F(HoledTextTest, TwoHalvesMakeTheWhole) {
  for (size_t split : {size_t{1}, size_t{1500}, size_t{2999}}) {
    std::string joined;
    for (const std::string& piece : Pieces(0, split)) joined += piece;
    const size_t before = joined.size();
    for (const std::string& piece : Pieces(split, text_.holes())) {
      joined += piece;
    }
    EXPECT_EQ(joined, want_) << split;
    const std::string line = "\nA" + std::to_string(split) + "<=>";
    EXPECT_EQ(joined.substr(before, line.size() - 1), line.substr(1));
    EXPECT_EQ(text_.BytesFrom(split),
              text_.text().size() - text_.text().find(line) - 1);
  }
}

}  // namespace
}  // namespace kestrelon

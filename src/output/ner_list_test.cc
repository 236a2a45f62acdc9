#include "output/ner_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class NerListTest : public testing_support::ScratchRunTest {
 protected:
  // The line column of the reaction rows, after TakeOutNonElementary.
  std::vector<std::string> TakeOut(const std::vector<std::string>& rows) {
    run_.SetReactionSection(rows);
    std::vector<int> listed;
    count_ = TakeOutNonElementary(run_.table, rec_.vars.index, rec_.style,
                                  rec_.input, lists_, listed);
    std::vector<std::string> cells;
    for (int r = 2; r < rec_.vars.index.reacend; ++r) {
      cells.push_back(run_.Cell(r, 1));
    }
    return cells;
  }
  int count_ = 0;
  NonElementaryLists lists_;
};

TEST_F(NerListTest, BlocksRunToTheNextReactionLine) {
  EXPECT_EQ(TakeOut({
                "#NER#A+B+C+D|=>E 2.0E12 1.5 1000",
                "#DATAUX#TROE /0.5;100;1000/",
                "#DATAUX#",  // a line of blanks: left out
                "#NER#A+B+C+(M)<=>D+(M) 3.0E11 -1 0",
                "F+G<=>H 1.0 0 0",
                "#DATAUX#DUP",
                "#NER#A<=>B+C+D+E 1.0 0 -2000",
                "#DATAUX#REV /1.0 0 0/",
            }),
            (std::vector<std::string>{"", "", "", "", "F+G<=>H 1.0 0 0",
                                      "#DATAUX#DUP", "", ""}));
  EXPECT_EQ(count_, 3);
  EXPECT_EQ(run_.Cell(rec_.vars.index.reacend, 1), "END");
  // The lists share their lines but for each reaction line's Ea (the
  // kelvin list is checked by the golden runs).
  EXPECT_EQ(lists_.Text(1),
            "A+B+C+D=>E 2.000E+12 1.5000 1000.0\r\nTROE /0.5,100,1000/\r\n"
            "A+B+C(+M)<=>D(+M) 3.000E+11 -1.0000 0.0\r\n"
            "A<=>B+C+D+E 1.000E+00 0.0000 -2000.0\r\nREV /1.0 0 0/\r\n");
  EXPECT_EQ(lists_.Text(0),
            "A+B+C+D=>E 2.000E+12 1.5000 4184.0\r\nTROE /0.5,100,1000/\r\n"
            "A+B+C(+M)<=>D(+M) 3.000E+11 -1.0000 0.0\r\n"
            "A<=>B+C+D+E 1.000E+00 0.0000 -8368.0\r\nREV /1.0 0 0/\r\n");
}

TEST_F(NerListTest, FailuresNameTheInputLine) {
  // A fourth field would be read into Ea.
  EXPECT_EQ(testing_support::ErrorOf([&] {
              TakeOut({"A+B<=>C 1 0 0", "#NER#A+B+C+D<=>E 1 0 100. 5"});
            }),
            "mech.inp:7: reaction has more than three coefficients after its "
            "equation");
  rec_.style.unit = EaUnit::kKj;
  EXPECT_EQ(testing_support::ErrorOf([&] {
              TakeOut({"A+B<=>C 1 0 0", "#NER#A+B+C+D<=>E 1 0 1E306"});
            }),
            "mech.inp:7: number out of range");
}

}  // namespace
}  // namespace kestrelon

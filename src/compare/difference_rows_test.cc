#include "compare/difference_rows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "compare/file_comparison.h"
#include "compare/report_text.h"
#include "model/run_error.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using testing_support::ScratchDir;

const char* const kA =
    "ELEMENTS\nH O\nEND\nSPECIES\nH H2 O O2 OH H2O HO2\nEND\nREACTIONS\n"
    "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\n"    // 8
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\n"     // 9
    "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\n"  // 10
    "LOW /6.366E+20 -1.7200 2195.8/\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\n"  // 12
    "END\n****List of non-elementary reactions****\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\n";  // 15

// The same reactions with one only in each file, A of O+H2 and of the
// non-elementary reaction changed, LOW changed (of a reaction whose sides
// are swapped), and sides swapped.
const char* const kB =
    "ELEMENTS\nH O\nEND\nSPECIES\nH H2 O O2 OH H2O HO2\nEND\nREACTIONS\n"
    "OH+O<=>H+O2 3.547E+15 -0.4060 69450.2\n"
    "O+H2<=>H+OH 6.000E+04 2.6700 26317.4\n"
    "HO2(+M)<=>H+O2(+M) 4.650E+12 0.4400 0.0\n"
    "LOW /6.000E+20 -1.7200 2195.8/\n"
    "H2+O2<=>OH+OH 1.700E+13 0.0000 199911.5\n"
    "END\n****List of non-elementary reactions****\n"
    "H+H+H+H=>H2+H2 2.000E+10 0.0000 0.0\n";

std::string SideText(const std::optional<RowSide>& s) {
  if (!s) return "-";
  return std::to_string(s->line) + " " + s->a + " " + s->n + " " + s->ea;
}

std::string RowText(const DifferenceRow& r) {
  return std::string(DifferenceKindName(r.kind)) +
         (r.non_elementary ? " (non-elementary)" : "") +
         (r.other_way_round ? " (other way round)" : "") + " | " + r.equation +
         " | " + SideText(r.a) + " | " + SideText(r.b) + " | " +
         (r.ratio_1000 ? FormatRatio(r.ratio_1000) : "-");
}

TEST(DifferenceRowsTest, OneRowPerDifferenceWithBothSides) {
  ScratchDir dir;
  FileComparison c =
      CompareFiles(dir.Write("oldj.rxn", kA), dir.Write("newj.rxn", kB));
  std::vector<std::string> rows;
  for (const DifferenceRow& r : c.rows) rows.push_back(RowText(r));
  EXPECT_EQ(rows,
            (std::vector<std::string>{
                "only in A | OH+OH<=>O+H2O | 12 3.570E+04 2.4000 "
                "-8828.2 | - | -",
                "only in B | H2+O2<=>OH+OH | - | 12 1.700E+13 0.0000 "
                "199911.5 | -",
                "rate parameters | O+H2<=>H+OH | 9 5.080E+04 2.6700 "
                "26317.4 | 9 6.000E+04 2.6700 26317.4 | 1.181",
                "auxiliary lines (other way round) | H+O2(+M)<=>HO2(+M) | 10 "
                "4.650E+12 "
                "0.4400 0.0 | 10 4.650E+12 0.4400 0.0 | 1",
                "rate parameters (non-elementary) | H+H+H+H=>H2+H2 | "
                "15 1.000E+10 0.0000 0.0 | 15 2.000E+10 0.0000 0.0 | 2",
            }));
  EXPECT_EQ(c.rows[2].b->rate.a, 6.0e4);
  EXPECT_EQ(c.rows[2].b->rate.n, 2.67);
  EXPECT_EQ(c.rows[2].b->rate.ea, 26317.4);
  EXPECT_EQ(ShortSummary(c.report),
            "Ea in J/mol (from the file names)\n"
            "Elements only in A: 0, only in B: 0; species only in A: 0, only "
            "in B: 0\n"
            "Reactions: 3 matched, 1 only in A, 1 only in B, 1 with different "
            "rate parameters, 1 with different auxiliary lines\n"
            "Non-elementary reactions: 1 matched, 0 only in A, 0 only in B, 1 "
            "with different rate parameters, 0 with different auxiliary "
            "lines\n"
            "The files differ.");
}

TEST(DifferenceRowsTest, FilesThatCannotBeCompared) {
  ScratchDir dir;
  const std::string a = dir.Write("oldj.rxn", kA);
  struct Case {
    std::string b;
    std::string error;
  };
  const Case cases[] = {
      {dir.Write("newcal.rxn", kB),
       "the file names say different Ea units: A (oldj.rxn) is in J/mol, B "
       "(newcal.rxn) in cal/mol; compare files of the same unit"},
      {dir.Write("badj.rxn", "ELEMENTS\nH\nEND\n"),
       dir / "badj.rxn" + ": no REACTIONS line"},
  };
  for (const Case& c : cases) {
    try {
      CompareFiles(a, c.b);
      ADD_FAILURE() << c.b << " compared";
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.error);
    }
  }
}

// 25 changed reactions, A of B 10^(i/4) times A of A: reaction i spreads
// i/4 decades. Rows of other kinds, rows whose ratio is nowhere defined
// and rows written the other way round never make the choice.
TEST(DifferenceRowsTest, LargestSpreadTakesTheTwentyFurthestApart) {
  std::vector<DifferenceRow> rows;
  for (int i = 0; i < 25; ++i) {
    DifferenceRow r;
    r.kind = DifferenceKind::kRateParameters;
    r.a = RowSide{i + 1, "", "", "", {1.0, 0, 0}};
    r.b = RowSide{i + 1, "", "", "", {std::pow(10.0, i / 4.0), 0, 0}};
    rows.push_back(r);
  }
  DifferenceRow huge_aux = rows[24];
  huge_aux.kind = DifferenceKind::kAuxLines;
  DifferenceRow undefined = rows[24];
  undefined.b->rate.a = -1.0;
  DifferenceRow only = rows[24];
  only.kind = DifferenceKind::kOnlyInA;
  only.b.reset();
  DifferenceRow reversed = rows[24];
  reversed.other_way_round = true;
  rows.insert(rows.begin(), {huge_aux, undefined, only});
  rows.push_back(reversed);
  // A tie: the same spread as i = 23, a row later.
  rows.push_back(rows[3 + 23]);

  std::vector<size_t> all;
  for (size_t i = 0; i < rows.size(); ++i) all.push_back(i);
  std::vector<size_t> chosen = LargestSpread(rows, all, OutUnit::kKelvin, {});
  std::vector<size_t> want = {27, 26, 29};
  for (size_t i = 22; i >= 6; --i) want.push_back(i + 3);
  EXPECT_EQ(chosen, want);

  // Within a filter, only its rows count; fewer than twenty stay fewer.
  EXPECT_EQ(LargestSpread(rows, {0, 1, 2, 3, 5, 4}, OutUnit::kKelvin, {}),
            (std::vector<size_t>{5, 4, 3}));
}

// The spread is the furthest the curves get anywhere in the range, also
// where the ratio turns: in K, ln(k(B)/k(A)) = -ln 1000 - 2 + ln T + 1000/T
// is 0.13 at 300 K, -0.57 at 3000 K and -1 at its turn, 1000 K; it beats
// a constant ratio of 0.3 decades (0.69 in ln), which its ends alone would
// not.
TEST(DifferenceRowsTest, SpreadAnywhereInTheRange) {
  std::vector<DifferenceRow> rows(2);
  for (DifferenceRow& r : rows) {
    r.kind = DifferenceKind::kRateParameters;
    r.a = RowSide{1, "", "", "", {1.0, 0, 0}};
  }
  rows[0].b = RowSide{1, "", "", "", {std::exp(-2.0) / 1000.0, 1.0, -1000.0}};
  rows[1].b = RowSide{2, "", "", "", {std::pow(10.0, 0.3), 0, 0}};
  EXPECT_EQ(LargestSpread(rows, {1, 0}, OutUnit::kKelvin, {300.0, 3000.0}),
            (std::vector<size_t>{0, 1}));
}

}  // namespace
}  // namespace kestrelon

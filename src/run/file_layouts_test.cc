#include "run/file_layouts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/energy_unit.h"
#include "output/layout_pass.h"
#include "platform/file_publisher.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "table/reaction_passes.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

// Reactions enough for the joule file to be laid out in two halves, in
// every form a keyword line takes, with a non-elementary list at the end.
std::vector<std::string> ManyReactions(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    const std::string ea = std::to_string(100 + i);
    switch (i % 4) {
      case 0:
        lines.push_back("H+O2(+M)=HO2(+M) 4.65E12 0.44 " + ea);
        lines.push_back("LOW / 1.0E20 -1.0 " + ea + " /");
        lines.push_back("TROE/0.5 1E-30 1E+30/");
        break;
      case 1:
        lines.push_back("H+OH=H2O 1.0E13 0 " + ea);
        lines.push_back("REV / 1.0E12 0.5 " + ea + " /");
        break;
      case 2:
        lines.push_back("H+HO2=H2O+O 1.0E13 0 " + ea);
        lines.push_back("PLOG / 0.1 1.0E10 0.0 " + ea + " /");
        lines.push_back("PLOG / 1.0 1.0E11 0.0 " + ea + " /");
        break;
      default:
        lines.push_back("H+H+H+H=H2+H2 1.0E13 0 " + ea);
        lines.push_back("HIGH / 1.0E14 0.0 " + ea + " /");
        break;
    }
  }
  return lines;
}

class FileLayoutsTest : public testing_support::ScratchRunTest {
 protected:
  // Row 1 is REACTIONS; the kJ/mol unit makes every file's Ea differ.
  // With `table_shown`, as the window runs; without, as the command line
  // does.
  OutputResult Analyse(const std::vector<std::string>& reactions,
                       bool table_shown = true) {
    run_.table.Clear();
    run_.SetReactionSection(reactions);
    rec_.vars.index.elemrow = 1;
    rec_.style.unit = EaUnit::kKj;
    const RowRange rows = run_.Reactions();
    std::vector<int> non_elementary;
    if (table_shown) {
      NormaliseAndFlag(run_.table, rows, rec_.input);
      SplitAndFillSlots(run_.table, rows, rec_.style.patterns,
                        DeclaredSpecies(), rec_.input);
    } else {
      non_elementary = RunReactionPasses(run_.table, rows, rec_.style.patterns,
                                         DeclaredSpecies(), rec_.input);
    }
    OutputResult written =
        RunOutputStage(run_.table, rec_.vars.index, rec_.style, rec_.input,
                       table_shown, non_elementary);
    paths_ = {dir_.path() + "/j.rxn", dir_.path() + "/cal.rxn",
              dir_.path() + "/kelvin.rxn"};
    return written;
  }

  // The three texts as one pass over each whole file lays them out.
  std::vector<std::string> OnePassEach(const OutputResult& written) {
    std::vector<std::string> texts(3);
    std::shared_ptr<LayoutMemo> memo;
    for (int f = 0; f < 3; ++f) {
      const TextSink sink = [&texts, f](std::string_view piece) {
        texts[static_cast<size_t>(f)].append(piece);
      };
      LayoutPass pass(paths_[static_cast<size_t>(f)], kOutUnits[f], rec_.style,
                      memo, written.lines, sink);
      written.Pieces(f, [&pass](std::string_view piece) { pass.Feed(piece); });
      pass.Finish();
    }
    return texts;
  }

  std::array<std::string, 3> paths_;
};

TEST_F(FileLayoutsTest, HalvesGiveTheFilesOnePassOverEachWouldGive) {
  const OutputResult written = Analyse(ManyReactions(3000));
  ASSERT_NE(written.Halves().hole, 0u);
  const std::vector<std::string> expected = OnePassEach(written);
  FilePublisher publisher;
  int failed = -1;
  LayOutFiles(written, rec_.style, paths_, &publisher, failed);
  publisher.Commit();
  for (size_t f = 0; f < 3; ++f) {
    EXPECT_TRUE(ReadFile(paths_[f]) == expected[f]) << paths_[f];
  }
  EXPECT_TRUE(Contains(expected[0], "****List of non-elementary"));
}

// A large table nobody looks at is collected in two parts side by side,
// the second from a reaction row near the middle (some 2,000 reactions in
// here). The files, the input line of each line and every split near the
// parts' meeting place must be what one part gives.
TEST_F(FileLayoutsTest, TwoPartsGiveWhatOneGives) {
  const auto whole = [](const OutputResult& written, int f) {
    std::string text;
    written.Pieces(f, [&text](std::string_view piece) { text += piece; });
    return text;
  };
  const OutputResult one = Analyse(ManyReactions(4000));
  const OutputResult two = Analyse(ManyReactions(4000), false);
  for (int f = 0; f < 3; ++f) {
    EXPECT_TRUE(whole(one, f) == whole(two, f)) << "file " << f;
  }
  EXPECT_EQ(one.lines.origin, two.lines.origin);
  EXPECT_EQ(one.Halves().hole, two.Halves().hole);
  EXPECT_EQ(one.Halves().lines, two.Halves().lines);
  const std::string joule = whole(one, 0);
  for (size_t hole = 1950; hole <= 2050; ++hole) {
    std::string halves;
    for (int half = 0; half < 2; ++half) {
      two.HalfPieces(0, {hole, 0}, half,
                     [&halves](std::string_view piece) { halves += piece; });
    }
    ASSERT_TRUE(halves == joule) << "parted at hole " << hole;
  }
}

TEST_F(FileLayoutsTest, AFailureIsTheOneOneFileAfterAnotherMeetsFirst) {
  struct Case {
    std::vector<int> faulty;  // reactions (of kind 0) whose LOW line breaks
    const char* error;
  };
  // Four reactions take ten rows: reaction 4k begins at row 10k + 2, its
  // LOW line, row 10k + 3, came from input line 20k + 7.
  const Case cases[] = {
      {{2800},
       "mech.inp:14007: keyword line needs three values A, n and Ea "
       "between its slashes"},
      {{40, 2800},
       "mech.inp:207: keyword line needs three values A, n and Ea "
       "between its slashes"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> reactions = ManyReactions(3000);
    for (int i : c.faulty) {
      reactions[static_cast<size_t>(10 * i / 4 + 1)] = "LOW / 1.0E20 -1.0 /";
    }
    const OutputResult written = Analyse(reactions);
    ASSERT_NE(written.Halves().hole, 0u);
    int failed = -1;
    EXPECT_EQ(testing_support::ErrorOf([&] {
                LayOutFiles(written, rec_.style, paths_, nullptr, failed);
              }),
              c.error);
    EXPECT_EQ(failed, 0);
  }
}

}  // namespace
}  // namespace kestrelon

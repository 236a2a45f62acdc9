// clean --permissive on a mechanism of 60,000 lines, through the built
// program. The untidy section lines it lets pass, and several mechanisms in
// one call, are cases of tests/cases/permissive.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "mechanism_generator.h"
#include "tests/support/process_support.h"

namespace {

using kestrelon::testing_support::ProcessResult;
using kestrelon::testing_support::RunKestrelon;
using kestrelon::testing_support::ScratchDir;
using kestrelon::testing_support::Words;

// A mechanism of 60,000 table lines: refused at row 26,000 without the
// option; with it, cleaned, and the cleaned file compares with itself.
TEST(PermissiveTest, SixtyThousandLines) {
  ScratchDir dir;
  dir.Write("big.inp", kestrelon::GenerateMechanism(60000));
  const ProcessResult refused =
      RunKestrelon(Words("clean big.inp --quiet"), dir.path());
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("more than 25999 lines: the working table is "
                             "full; use --permissive to clean it anyway\n"),
            std::string::npos)
      << refused.err;

  const ProcessResult r =
      RunKestrelon(Words("clean big.inp --quiet --permissive"), dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string cleaned = dir.Read("bigj.rxn");
  const ProcessResult same =
      RunKestrelon(Words("compare bigj.rxn bigj.rxn"), dir.path());
  EXPECT_EQ(same.status, 0) << same.err;
  // Every reaction of the input is in the file (and matched by compare).
  EXPECT_NE(same.out.find("Reactions matched: "), std::string::npos);
  EXPECT_GT(std::count(cleaned.begin(), cleaned.end(), '\n'), 40000);
}

}  // namespace

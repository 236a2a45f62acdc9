// clean --permissive on a large mechanism, and several mechanisms in one
// call, through the built program. The untidy section lines it lets pass
// are the cases of tests/cases/permissive.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "mechanism_generator.h"
#include "platform/text_file.h"
#include "tests/support/process_support.h"

namespace {

using kestrelon::testing_support::ProcessResult;
using kestrelon::testing_support::RunKestrelon;
using kestrelon::testing_support::ScratchDir;
using kestrelon::testing_support::Words;

const std::string kAdvice = "; use --permissive to clean it anyway\n";
const std::string kReaction = "H+O2=OH+O 3.547E+15 -0.406 100\n";
const std::string kThermo = "THERMO\nH DATA\nEND\n";

std::string Tidy(bool thermo) {
  return "ELEMENTS\nH O\nEND\nSPECIES\nH O OH O2\nEND\n" +
         (thermo ? kThermo : "") + "REACTIONS\n" + kReaction + "END\n";
}

// A mechanism of 60,000 table lines: refused at row 26,000 without the
// option; with it, cleaned, and the cleaned file compares with itself.
TEST(PermissiveTest, SixtyThousandLines) {
  ScratchDir dir;
  dir.Write("big.inp", kestrelon::GenerateMechanism(60000));
  const ProcessResult refused =
      RunKestrelon(Words("clean big.inp --quiet"), dir.path());
  EXPECT_EQ(refused.status, 1);
  const std::string full = "more than 25999 lines: the working table is full";
  EXPECT_NE(refused.err.find(full + kAdvice), std::string::npos) << refused.err;

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

namespace {

// Several mechanisms in one call: good, failing and unreadable ones in two
// directories, two at a time. Each writes, prints and exits as it does
// alone; the summary counts them, and the status is that of the first
// mechanism given that was not cleaned.
TEST(BatchTest, CleansEachAsAloneAndSumsUp) {
  ScratchDir root;
  const std::string bad =
      "ELEMENTS\nH O\nEND\nSPECIES\nH O OH O2\nEND\n"
      "REACTIONS\nH+O2=OH+O 1.0\nEND\n";
  const std::pair<const char*, std::string> inputs[] = {
      {"a/good1.inp", Tidy(false)}, {"b/unread.inp", "ELEMENTS\nH\n"},
      {"a/bad.inp", bad},           {"b/good2.inp", Tidy(true)},
      {"a/good3.inp", Tidy(false)},
  };
  const std::string args =
      "a/good1.inp b/unread.inp a/bad.inp b/good2.inp "
      "a/good3.inp b/none.inp --unit kj";
  auto reset = [&] {
    for (const char* d : {"a", "b"}) {
      std::filesystem::remove_all(root / d);
      std::filesystem::create_directory(root / d);
    }
    for (const auto& [name, text] : inputs) root.Write(name, text);
  };
  auto contents = [&] {
    std::string all;
    for (const char* d : {"a", "b"}) {
      for (const auto& entry : std::filesystem::directory_iterator(root / d)) {
        all += entry.path().filename().string() + ":" +
               kestrelon::ReadFile(entry.path()) + "\n";
      }
    }
    return all;
  };

  reset();
  ProcessResult alone;
  int first_failure = 0;
  for (const std::string& file : Words(args.substr(0, args.find(" --")))) {
    const ProcessResult r =
        RunKestrelon(Words("clean " + file + " --unit kj"), root.path());
    alone.out += r.out;
    alone.err += r.err;
    if (first_failure == 0) first_failure = r.status;
  }
  const std::string alone_files = contents();

  reset();
  const ProcessResult together =
      RunKestrelon(Words("clean " + args + " --jobs 2"), root.path());
  EXPECT_EQ(first_failure, 2);
  EXPECT_EQ(together.status, 2);
  EXPECT_EQ(together.out, alone.out + "3 cleaned, 2 failed, 1 unreadable\n");
  EXPECT_EQ(together.err, alone.err);
  EXPECT_EQ(contents(), alone_files);

  // All cleaned: status 0; --quiet leaves the summary out.
  const ProcessResult good = RunKestrelon(
      Words("clean a/good1.inp b/good2.inp --quiet --jobs=1"), root.path());
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out + good.err, "");
}

}  // namespace

#include "cli/compare_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "compare/test_json_reader.h"
#include "compare/test_mechanisms.h"
#include "platform/text_ops.h"
#include "tests/test_support.h"

namespace kestrelon {
namespace {

using test_support::Edit;
using test_support::JsonReader;
using test_support::kBase;

// a.rxn, b.rxn, ... are in `dir_`; "@" in arguments and expected texts
// stands for the directory.
class CompareCommandTest : public ::testing::Test {
 protected:
  std::string At(std::string text) {
    ReplaceAll(text, "@", dir_.path() + "/");
    return text;
  }
  void Write(const std::string& name, const std::string& text = kBase) {
    dir_.Write(name, text);
  }
  int Run(const std::string& args) {
    std::ostringstream out, err;
    int status = RunCompareCommand(testing_support::Words(At(args)), out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  testing_support::ScratchDir dir_;
  std::string out_;
  std::string err_;
};

// kBase with CO2 renamed CO2X: in the species list, an efficiency, a
// reaction and its reverse-rate line.
std::string RenamedCo2() {
  return Edit(kBase, {{"CO   CO2   AR", "CO   CO2X   AR"},
                      {"CO/1.9/ CO2/3.8/", "CO/1.9/ CO2X/3.8/"},
                      {"CO+O2<=>CO2+O", "CO+O2<=>CO2X+O"},
                      {"CO2+O<=>CO+O2", "CO2X+O<=>CO+O2"}});
}

TEST_F(CompareCommandTest, EachChangeIsReported) {
  const std::string rate = "Reactions with different rate parameters (1):\n";
  const std::string aux = "Reactions with different auxiliary lines (1):\n";
  struct Case {
    std::string b;
    int status;
    std::string want;  // the end of the report, or a line of it when same
  } cases[] = {
      {kBase, 0,
       "Reactions matched: 9 (0 written the other way round)\n"
       "Reactions only in A: 0, only in B: 0\n"
       "Reactions with different rate parameters: 0\n"
       "Reactions with different auxiliary lines: 0\n"
       "Non-elementary reactions matched: 1 (0 written the other way "
       "round)\n"
       "Non-elementary reactions only in A: 0, only in B: 0\n"
       "Non-elementary reactions with different rate parameters: 0\n"
       "Non-elementary reactions with different auxiliary lines: 0\n"
       "No differences.\n"},
      // H+O2, O+H2, H2+M, H+O2(+M) and CO+O2 are written the other way
      // round, and the duplicate pair is listed the other way round.
      {test_support::kShuffled, 0,
       "Reactions matched: 9 (5 written the other way round)\n"},
      {Edit(kBase, {{"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 6.000E+04"}}), 1,
       rate + "  O+H2<=>H+OH (A line 10, B line 10)\n"
              "    A: 5.080E+04 -> 6.000E+04\n"
              "    k(B)/k(A): 1.181 at 1000 K, 1.181 at 2000 K\n"},
      // Compared as written in B, where k is 0.
      {Edit(kBase, {{"H+O2<=>OH+O 3.547E+15", "OH+O<=>H+O2 0.000E+00"}}), 1,
       rate + "  H+O2<=>OH+O (A line 9; B line 9, written OH+O<=>H+O2, "
              "compared as written)\n"
              "    A: 3.547E+15 -> 0.000E+00\n"
              "    k(B)/k(A): undefined at 1000 K, undefined at 2000 K\n"},
      {Edit(kBase, {{"TROE /0.5 ", "TROE /0.7 "}}), 1,
       aux + "  H+O2(+M)<=>HO2(+M) (A line 14, B line 14)\n"
             "    TROE: /0.5 1.0E-30 1.0E+30/ -> /0.7 1.0E-30 1.0E+30/\n"},
      // A reaction added, and "=>" and "<=>" are different reactions.
      {Edit(kBase, {{"HO2+H=>OH+OH", "HO2+H<=>OH+OH"},
                    {"END\r\n****",
                     "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\r\nEND\r\n****"}}),
       1,
       "Reactions only in A (1):\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "Reactions only in B (2):\n"
       "  line 22: HO2+H<=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "  line 25: HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\n"},
      {RenamedCo2(), 1,
       "Ea in J/mol (from the file names); tolerance: printed digits\n"
       "Elements only in A: 0, only in B: 0\n"
       "Species only in A: 1, only in B: 1\n"
       "Reactions matched: 8 (0 written the other way round)\n"
       "Reactions only in A: 1, only in B: 1\n"
       "Reactions with different rate parameters: 0\n"
       "Reactions with different auxiliary lines: 1\n"
       "Non-elementary reactions matched: 1 (0 written the other way round)\n"
       "Non-elementary reactions only in A: 0, only in B: 0\n"
       "Non-elementary reactions with different rate parameters: 0\n"
       "Non-elementary reactions with different auxiliary lines: 0\n"
       "The files differ.\n\n"
       "Species only in A (1):\n  CO2\nSpecies only in B (1):\n  CO2X\n\n"
       "Reactions only in A (1):\n"
       "  line 23: CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\n"
       "Reactions only in B (1):\n"
       "  line 23: CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8\n" +
           aux +
           "  H2+M<=>H+H+M (A line 12, B line 12)\n"
           "    efficiency of CO2: only in A (3.8)\n"
           "    efficiency of CO2X: only in B (3.8)\n"},
  };
  Write("aj.rxn");
  for (const Case& c : cases) {
    Write("bj.rxn", c.b);
    EXPECT_EQ(Run("@aj.rxn @bj.rxn"), c.status) << c.want;
    EXPECT_NE(out_.find(c.want), std::string::npos) << out_;
    EXPECT_TRUE(out_.ends_with(c.status ? c.want : "No differences.\n"));
    EXPECT_EQ(Run("@bj.rxn @aj.rxn"), c.status) << "files swapped";
  }
}

TEST_F(CompareCommandTest, JsonReportReadsBack) {
  Write("aj.rxn");
  Write("bj.rxn", Edit(RenamedCo2(), {{"H+OH 5.080E+04", "H+OH 6.000E+04"}}));
  EXPECT_EQ(Run("--json @aj.rxn @bj.rxn"), 1);
  // 6.000 / 5.080 is printed with six significant digits.
  const test_support::JsonPaths want = {
      {"file_a", At("@aj.rxn")},
      {"same", "false"},
      {"ea_unit", "J/mol"},
      {"tolerance.kind", "printed_digits"},
      {"species.only_in_a.size", "1"},
      {"species.only_in_b[0]", "CO2X"},
      {"reactions.matched", "8"},
      {"reactions.only_in_a[0].line", "23"},
      {"reactions.only_in_b[0].text",
       "CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8"},
      {"reactions.rate_differences[0].a.equation", "O+H2<=>H+OH"},
      {"reactions.rate_differences[0].other_way_round", "false"},
      {"reactions.rate_differences[0].fields[0].b", "6.000E+04"},
      {"reactions.rate_differences[0].k_ratio_2000", "1.1811"},
      {"reactions.auxiliary_differences[0].items[1].kind", "efficiency"},
      {"reactions.auxiliary_differences[0].items[1].name", "CO2X"},
      {"reactions.auxiliary_differences[0].items[1].a", "null"},
      {"non_elementary.matched", "1"},
  };
  const test_support::JsonPaths got = JsonReader::Read(out_);
  for (const auto& [path, value] : want) {
    EXPECT_EQ(got.count(path) ? got.at(path) : "<none>", value) << path;
  }
}

TEST_F(CompareCommandTest, ToleranceAndUnitFromTheNames) {
  Write("aj.rxn");
  Write("bj.rxn", Edit(kBase, {{"5.080E+04", "5.100E+04"}}));
  EXPECT_EQ(Run("@aj.rxn @bj.rxn"), 1);
  EXPECT_EQ(Run("@aj.rxn @bj.rxn --tolerance 0.01"), 0) << out_;
  EXPECT_NE(out_.find("tolerance: relative 0.01\n"), std::string::npos);
  EXPECT_EQ(Run("@aj.rxn @bj.rxn --tolerance=0.001"), 1);
  Write("xkelvin.rxn");
  Write("y.txt");
  EXPECT_EQ(Run("@xkelvin.rxn @y.txt"), 0);
  EXPECT_NE(out_.find("Ea in K (from the file names)"), std::string::npos);
  EXPECT_EQ(Run("@y.txt @y.txt"), 0);
  EXPECT_NE(out_.find("Ea in cal/mol (assumed: the file names do not tell)"),
            std::string::npos);
}

TEST_F(CompareCommandTest, UsageErrorsAndUnreadableFiles) {
  Write("aj.rxn");
  Write("ccal.rxn");
  Write("bj.rxn", Edit(kBase, {{"2.4000 -8828.2", "2.4000"}}));
  const std::string usage =
      "usage: kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n";
  struct Case {
    const char* args;
    int status;
    const char* err;
  } cases[] = {
      {"@aj.rxn", 64, "compare needs two files, 1 given"},
      {"@aj.rxn @aj.rxn @aj.rxn", 64, "compare needs two files, 3 given"},
      {"@aj.rxn @aj.rxn --fast", 64, "unknown option --fast"},
      {"@aj.rxn @aj.rxn --tolerance", 64, "--tolerance needs a value"},
      {"@aj.rxn @aj.rxn --tolerance=-1", 64,
       "--tolerance needs a relative tolerance of 0 or more, such as 0.001, "
       "not \"-1\""},
      {"@aj.rxn @ccal.rxn", 64,
       "the file names say different Ea units: @aj.rxn is in J/mol, "
       "@ccal.rxn in cal/mol; compare files of the same unit"},
      {"@aj.rxn @missingj.rxn", 2,
       "@missingj.rxn: cannot open: No such file or directory"},
      {"@aj.rxn @bj.rxn", 2,
       "@bj.rxn:11: a reaction line needs its equation and three numbers (A, "
       "n, Ea)"},
      {"@. @aj.rxn", 2, "@.: is not a regular file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.status);
    EXPECT_EQ(err_, At(std::string("kestrelon: ") + c.err + "\n") +
                        (c.status == 64 ? usage : ""));
    EXPECT_EQ(out_, "");
  }
  // After "--" every argument is a file.
  EXPECT_EQ(Run("@aj.rxn -- -oddj.rxn"), 2);
  EXPECT_EQ(err_,
            "kestrelon: -oddj.rxn: cannot open: No such file or directory\n");
}

TEST_F(CompareCommandTest, TheProgramExitsWithTheStatus) {
  using testing_support::RunKestrelon;
  Write("aj.rxn");
  Write("cj.rxn", Edit(kBase, {{"TROE /0.5 ", "TROE /0.7 "}}));
  const std::string a = At("@aj.rxn");
  EXPECT_EQ(RunKestrelon({"compare", a, a}).status, 0);
  testing_support::ProcessResult r =
      RunKestrelon({"compare", "--json", a, At("@cj.rxn")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(JsonReader::Read(r.out).at("same"), "false");
  EXPECT_EQ(RunKestrelon({"compare", a, At("@none.rxn")}).status, 2);
  EXPECT_EQ(RunKestrelon({"compare", a}).status, 64);
}

}  // namespace
}  // namespace kestrelon

#include "cli/compare_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/text_ops.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using nlohmann::json;
using testing_support::Words;

// A small cleaned mechanism as the writer lays it out, Ea in J/mol:
// reactions from line 9, the CO+O2 reaction (line 23) followed by its
// reverse-rate line.
const std::string kBase =
    "ELEMENTS\r\nH   O   C   AR\r\nEND\r\n"
    "SPECIES\r\nH2   O2   H   O   OH\r\nH2O   HO2   CO   CO2   AR\r\nEND\r\n"
    "REACTIONS\r\n"
    "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\r\n"
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\r\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\r\n"
    "H2+M<=>H+H+M 4.580E+19 -1.4000 436725.9\r\n"
    "H2/2.5/ H2O/12.0/ CO/1.9/ CO2/3.8/ AR/0.0/\r\n"
    "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\n"
    "LOW /6.366E+20 -1.7200 2195.8/\r\nTROE /0.5 1.0E-30 1.0E+30 /\r\n"
    "H2/2.0/ H2O/14.0/ O2/0.78/\r\n"
    "HO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5\r\nDUP\r\n"
    "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0\r\nDUP\r\n"
    "HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\r\n"
    "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
    "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\nEND\r\n"
    "****List of non-elementary reactions****\r\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\n";

// The same mechanism with lists and reactions in another order, sides
// swapped, species reordered on a side, "2OH" for "OH+OH", the duplicate
// pair the other way round and the efficiencies in another order.
const char* const kShuffled =
    "ELEMENTS\r\nAR   C\r\nO   H\r\nEND\r\n"
    "SPECIES\r\nAR   CO2   CO   HO2   H2O\r\nOH   O   H   O2   H2\r\nEND\r\n"
    "REACTIONS\r\n"
    "CO2+O<=>O2+CO 1.120E+12 0.0000 199576.8\r\n"
    "O2+CO<=>CO2+O 1.500E+13 0.0000 225936.0\r\n"
    "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0\r\nDUP\r\n"
    "2OH<=>H2O+O 3.570E+04 2.4000 -8828.2\r\n"
    "H+H+M<=>H2+M 4.580E+19 -1.4000 436725.9\r\n"
    "AR/0.0/ CO2/3.8/ CO/1.9/ H2O/12.0/ H2/2.5/\r\n"
    "HO2+OH<=>O2+H2O 1.930E+20 -2.4900 2443.5\r\nDUP\r\n"
    "HO2(+M)<=>O2+H(+M) 4.650E+12 0.4400 0.0\r\n"
    "TROE /0.5 1.0E-30 1.0E+30/\r\nLOW /6.366E+20 -1.7200 2195.8/\r\n"
    "O2/0.78/ H2O/14.0/ H2/2.0/\r\n"
    "H+HO2=>2OH 7.080E+13 0.0000 1234.3\r\n"
    "OH+H<=>O+H2 5.080E+04 2.6700 26317.4\r\n"
    "OH+O<=>H+O2 3.547E+15 -0.4060 69450.2\r\nEND\r\n"
    "****List of non-elementary reactions****\r\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\n";

// `text` with each `from` replaced by its `to`; each must occur once.
std::string Edit(
    std::string text,
    std::initializer_list<std::pair<const char*, const char*>> edits) {
  for (const auto& [from, to] : edits) {
    size_t at = text.find(from);
    EXPECT_TRUE(at != std::string::npos &&
                text.find(from, at + 1) == std::string::npos)
        << from;
    if (at != std::string::npos) text.replace(at, strlen(from), to);
  }
  return text;
}

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
    int status = RunCompareCommand(Words(At(args)), out, err);
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
      {kBase, 0, "Reactions matched: 9 (0 written the other way round)\n"},
      // H+O2, O+H2, H2+M, H+O2(+M) and CO+O2 are written the other way
      // round, and the duplicate pair is listed the other way round.
      {kShuffled, 0, "Reactions matched: 9 (5 written the other way round)\n"},
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
      // A reaction removed, one added, and "=>" and "<=>" are different.
      {Edit(kBase, {{"OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\r\n", ""},
                    {"HO2+H=>OH+OH", "HO2+H<=>OH+OH"},
                    {"END\r\n****",
                     "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\r\nEND\r\n****"}}),
       1,
       "Reactions only in A (2):\n"
       "  line 11: OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "Reactions only in B (2):\n"
       "  line 21: HO2+H<=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "  line 24: HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\n"},
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
  // 6.000 / 5.080 is given to six significant digits.
  const struct {
    const char* pointer;
    json value;
  } want[] = {
      {"/file_a", At("@aj.rxn")},
      {"/same", false},
      {"/ea_unit", "J/mol"},
      {"/tolerance/kind", "printed_digits"},
      {"/species/only_in_b/0", "CO2X"},
      {"/reactions/matched", 8},
      {"/reactions/only_in_a/0/line", 23},
      {"/reactions/only_in_b/0/text",
       "CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8"},
      {"/reactions/rate_differences/0/fields/0/b", "6.000E+04"},
      {"/reactions/rate_differences/0/k_ratio_2000", 1.1811},
      {"/reactions/auxiliary_differences/0/items/1/kind", "efficiency"},
      {"/reactions/auxiliary_differences/0/items/1/name", "CO2X"},
      {"/reactions/auxiliary_differences/0/items/1/a", nullptr},
  };
  const json got = json::parse(out_);
  for (const auto& [pointer, value] : want) {
    EXPECT_EQ(got.value(json::json_pointer(pointer), json("<none>")), value)
        << pointer;
  }
}

TEST_F(CompareCommandTest, ToleranceAndUnitFromTheNames) {
  Write("aj.rxn");
  Write("bj.rxn", Edit(kBase, {{"5.080E+04", "5.100E+04"}}));
  EXPECT_EQ(Run("@aj.rxn @bj.rxn"), 1);
  EXPECT_EQ(Run("@aj.rxn @bj.rxn --tolerance 0.01"), 0) << out_;
  EXPECT_NE(out_.find("tolerance: relative 0.01\n"), std::string::npos);
  Write("xkelvin.rxn");
  Write("y.txt");
  EXPECT_EQ(Run("@xkelvin.rxn @y.txt"), 0);
  EXPECT_NE(out_.find("Ea in K (from the file names)"), std::string::npos);
  EXPECT_EQ(Run("@y.txt @y.txt"), 0);
  EXPECT_NE(out_.find("Ea in cal/mol (assumed: the file names do not tell)"),
            std::string::npos);
}

TEST_F(CompareCommandTest, UsageErrorsUnreadableFilesAndExitStatus) {
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

}  // namespace
}  // namespace kestrelon

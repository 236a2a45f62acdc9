#include "cli/compare_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "compare/test_json_reader.h"
#include "compare/test_mechanisms.h"
#include "tests/test_support.h"

namespace kestrelon {
namespace {

using test_support::Edit;
using test_support::Json;
using test_support::JsonReader;
using test_support::kBase;
using test_support::kShuffled;

class CompareCommandTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    return dir_.Write(name, text);
  }
  int Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCompareCommand(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  testing_support::ScratchDir dir_;
  std::string out_;
  std::string err_;
};

TEST_F(CompareCommandTest, IdenticalFiles) {
  std::string a = Write("mech1j.rxn", kBase);
  std::string b = Write("mech2j.rxn", kBase);
  EXPECT_EQ(Run({a, b}), 0);
  EXPECT_EQ(out_,
            "A: " + a + "\nB: " + b +
                "\nEa in J/mol (from the file names); tolerance: printed "
                "digits\n"
                "Elements only in A: 0, only in B: 0\n"
                "Species only in A: 0, only in B: 0\n"
                "Reactions matched: 9 (0 written the other way round)\n"
                "Reactions only in A: 0, only in B: 0\n"
                "Reactions with different rate parameters: 0\n"
                "Reactions with different auxiliary lines: 0\n"
                "Non-elementary reactions matched: 1 (0 written the other "
                "way round)\n"
                "Non-elementary reactions only in A: 0, only in B: 0\n"
                "Non-elementary reactions with different rate parameters: "
                "0\n"
                "Non-elementary reactions with different auxiliary lines: "
                "0\n"
                "No differences.\n");
  EXPECT_EQ(err_, "");
}

TEST_F(CompareCommandTest, ShuffledReactionsAndSwappedSidesAreTheSame) {
  std::string a = Write("mech1cal.rxn", kBase);
  std::string b = Write("mech2cal.rxn", kShuffled);
  EXPECT_EQ(Run({a, b}), 0) << out_;
  // H+O2, O+H2, H2+M, H+O2(+M) and CO+O2 are written the other way round.
  EXPECT_NE(out_.find("Reactions matched: 9 (5 written the other way "
                      "round)\n"),
            std::string::npos)
      << out_;
  EXPECT_EQ(Run({b, a}), 0) << out_;
}

// CO2 renamed CO2X: in the species list, an efficiency, a reaction and its
// reverse-rate line.
const std::pair<const char*, const char*> kRenamedCo2[] = {
    {"CO   CO2   AR", "CO   CO2X   AR"},
    {"CO/1.9/ CO2/3.8/", "CO/1.9/ CO2X/3.8/"},
    {"CO+O2<=>CO2+O", "CO+O2<=>CO2X+O"},
    {"CO2+O<=>CO+O2", "CO2X+O<=>CO+O2"}};

TEST_F(CompareCommandTest, EachChangeIsReported) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> edits;
    const char* want;  // after the counts; empty: no difference
  } cases[] = {
      {{{"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 6.000E+04"}},
       "Reactions with different rate parameters (1):\n"
       "  O+H2<=>H+OH (A line 10, B line 10)\n"
       "    A: 5.080E+04 -> 6.000E+04\n"
       "    k(B)/k(A): 1.181 at 1000 K, 1.181 at 2000 K\n"},
      // Compared as written in B, where k is 0.
      {{{"H+O2<=>OH+O 3.547E+15", "OH+O<=>H+O2 0.000E+00"}},
       "Reactions with different rate parameters (1):\n"
       "  H+O2<=>OH+O (A line 9; B line 9, written OH+O<=>H+O2, compared as "
       "written)\n"
       "    A: 3.547E+15 -> 0.000E+00\n"
       "    k(B)/k(A): undefined at 1000 K, undefined at 2000 K\n"},
      {{{"TROE /0.5 ", "TROE /0.7 "}},
       "Reactions with different auxiliary lines (1):\n"
       "  H+O2(+M)<=>HO2(+M) (A line 14, B line 14)\n"
       "    TROE: /0.5 1.0E-30 1.0E+30/ -> /0.7 1.0E-30 1.0E+30/\n"},
      {{{"HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\r\n", ""},
        {"END\r\n****", "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\r\nEND\r\n****"}},
       "Reactions only in A (1):\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "Reactions only in B (1):\n"
       "  line 24: HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\n"},
      // "=>" and "<=>" are different reactions.
      {{{"HO2+H=>OH+OH", "HO2+H<=>OH+OH"}},
       "Reactions only in A (1):\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "Reactions only in B (1):\n"
       "  line 22: HO2+H<=>OH+OH 7.080E+13 0.0000 1234.3\n"},
      {{kRenamedCo2[0], kRenamedCo2[1], kRenamedCo2[2], kRenamedCo2[3]},
       "Species only in A (1):\n"
       "  CO2\n"
       "Species only in B (1):\n"
       "  CO2X\n"
       "\n"
       "Reactions only in A (1):\n"
       "  line 23: CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\n"
       "Reactions only in B (1):\n"
       "  line 23: CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8\n"
       "Reactions with different auxiliary lines (1):\n"
       "  H2+M<=>H+H+M (A line 12, B line 12)\n"
       "    efficiency of CO2: only in A (3.8)\n"
       "    efficiency of CO2X: only in B (3.8)\n"},
      // The duplicate pair listed the other way round.
      {{{"HO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5", "@"},
        {"HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0",
         "HO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5"},
        {"@", "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0"}},
       ""},
      {{{"H+H+H+H=>H2+H2 1.000E+10", "H+H+H+H=>H2+H2 2.000E+10"}},
       "Non-elementary reactions with different rate parameters (1):\n"
       "  H+H+H+H=>H2+H2 (A line 27, B line 27)\n"
       "    A: 1.000E+10 -> 2.000E+10\n"
       "    k(B)/k(A): 2 at 1000 K, 2 at 2000 K\n"},
  };
  std::string a = Write("aj.rxn", kBase);
  for (const Case& c : cases) {
    std::string text = kBase;
    for (const auto& e : c.edits) text = Edit(text, {e});
    std::string b = Write("bj.rxn", text);
    const std::string want = *c.want
                                 ? "The files differ.\n\n" + std::string(c.want)
                                 : "No differences.\n";
    EXPECT_EQ(Run({a, b}), *c.want ? 1 : 0) << c.want;
    ASSERT_GE(out_.size(), want.size());
    EXPECT_EQ(out_.substr(out_.size() - want.size()), want);
  }
}

TEST_F(CompareCommandTest, JsonReportReadsBack) {
  std::string changed =
      Edit(kBase, {{"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 6.000E+04"}});
  for (const auto& e : kRenamedCo2) changed = Edit(changed, {e});
  std::string a = Write("mech1j.rxn", kBase);
  std::string b = Write("mech2j.rxn", changed);
  EXPECT_EQ(Run({"--json", a, b}), 1);
  Json j = JsonReader::Parse(out_);
  EXPECT_EQ(j["file_a"].string, a);
  EXPECT_FALSE(j["same"].boolean);
  EXPECT_EQ(j["ea_unit"].string, "J/mol");
  EXPECT_EQ(j["tolerance"]["kind"].string, "printed_digits");
  EXPECT_EQ(j["species"]["only_in_b"][0].string, "CO2X");
  const Json& r = j["reactions"];
  EXPECT_EQ(r["matched"].number, 8);
  EXPECT_EQ(r["only_in_a"][0]["line"].number, 23);
  EXPECT_EQ(r["only_in_b"][0]["text"].string,
            "CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8");
  const Json& rate = r["rate_differences"][0];
  EXPECT_EQ(rate["a"]["equation"].string, "O+H2<=>H+OH");
  EXPECT_FALSE(rate["other_way_round"].boolean);
  EXPECT_EQ(rate["fields"][0]["b"].string, "6.000E+04");
  // 6.000 / 5.080, printed with six significant digits.
  EXPECT_NEAR(rate["k_ratio_2000"].number, 1.18110, 5e-6);
  const Json& item = r["auxiliary_differences"][0]["items"][1];
  EXPECT_EQ(item["kind"].string, "efficiency");
  EXPECT_EQ(item["name"].string, "CO2X");
  EXPECT_TRUE(item["a"].IsNull());
  EXPECT_EQ(j["non_elementary"]["matched"].number, 1);
}

TEST_F(CompareCommandTest, ToleranceAndUnitFromTheNames) {
  std::string a = Write("aj.rxn", kBase);
  std::string b = Write("bj.rxn", Edit(kBase, {{"5.080E+04", "5.100E+04"}}));
  EXPECT_EQ(Run({a, b}), 1);
  EXPECT_EQ(Run({a, b, "--tolerance", "0.01"}), 0) << out_;
  EXPECT_NE(out_.find("tolerance: relative 0.01\n"), std::string::npos);
  EXPECT_EQ(Run({a, b, "--tolerance=0.001"}), 1);
  EXPECT_EQ(Run({Write("xkelvin.rxn", kBase), Write("y.txt", kBase)}), 0);
  EXPECT_NE(out_.find("Ea in K (from the file names)"), std::string::npos);
  EXPECT_EQ(Run({Write("x.txt", kBase), Write("y.txt", kBase)}), 0);
  EXPECT_NE(out_.find("Ea in cal/mol (assumed: the file names do not tell)"),
            std::string::npos);
}

TEST_F(CompareCommandTest, UsageErrorsAndUnreadableFiles) {
  std::string a = Write("aj.rxn", kBase);
  std::string c = Write("ccal.rxn", kBase);
  std::string bad =
      Write("bj.rxn", Edit(kBase, {{"2.4000 -8828.2", "2.4000"}}));
  const std::string usage =
      "usage: kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{a}, 64, "kestrelon: compare needs two files, 1 given\n" + usage},
      {{a, a, c}, 64, "kestrelon: compare needs two files, 3 given\n" + usage},
      {{a, a, "--fast"}, 64, "kestrelon: unknown option --fast\n" + usage},
      {{a, a, "--tolerance"},
       64,
       "kestrelon: --tolerance needs a value\n" + usage},
      {{a, a, "--tolerance=-1"},
       64,
       "kestrelon: --tolerance needs a relative tolerance of 0 or more, such "
       "as 0.001, not \"-1\"\n" +
           usage},
      {{a, c},
       64,
       "kestrelon: the file names say different Ea units: " + a +
           " is in J/mol, " + c +
           " in cal/mol; compare files of the same unit\n" + usage},
      {{a, dir_ / "missingj.rxn"},
       2,
       "kestrelon: " + dir_ / "missingj.rxn" +
           ": cannot open: No such file or directory\n"},
      {{a, bad},
       2,
       "kestrelon: " + bad +
           ":11: a reaction line needs its equation and three numbers (A, n, "
           "Ea)\n"},
      {{dir_.path(), a},
       2,
       "kestrelon: " + dir_.path() + ": is not a regular file\n"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Run(k.args), k.status);
    EXPECT_EQ(err_, k.err);
    EXPECT_EQ(out_, "");
  }
  // After "--" every argument is a file.
  EXPECT_EQ(Run({a, "--", Write("-oddj.rxn", kBase)}), 0) << err_;
}

TEST_F(CompareCommandTest, TheProgramExitsWithTheStatus) {
  using testing_support::RunKestrelon;
  std::string a = Write("aj.rxn", kBase);
  std::string b = Write("bj.rxn", kShuffled);
  std::string c = Write("cj.rxn", Edit(kBase, {{"TROE /0.5 ", "TROE /0.7 "}}));
  EXPECT_EQ(RunKestrelon({"compare", a, b}).status, 0);
  EXPECT_EQ(RunKestrelon({"compare", a, c}).status, 1);
  testing_support::ProcessResult r = RunKestrelon({"compare", "--json", a, c});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(JsonReader::Parse(r.out)["same"].boolean);
  EXPECT_EQ(RunKestrelon({"compare", a, dir_ / "none.rxn"}).status, 2);
  EXPECT_EQ(RunKestrelon({"compare", a}).status, 64);
}

}  // namespace
}  // namespace kestrelon

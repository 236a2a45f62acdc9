#include "cli/compare_command.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <utility>

#include "compare/test_json_reader.h"
#include "compare/test_mechanisms.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

using test_support::Edit;
using test_support::Json;
using test_support::JsonReader;
using test_support::kBase;
using test_support::kShuffled;

constexpr const char* kCounts =
    "Elements only in A: 0, only in B: 0\n"
    "Species only in A: 0, only in B: 0\n"
    "Reactions matched: 9 (0 written the other way round)\n"
    "Reactions only in A: 0, only in B: 0\n"
    "Reactions with different rate parameters: 0\n"
    "Reactions with different auxiliary lines: 0\n"
    "Non-elementary reactions matched: 1 (0 written the other way round)\n"
    "Non-elementary reactions only in A: 0, only in B: 0\n"
    "Non-elementary reactions with different rate parameters: 0\n"
    "Non-elementary reactions with different auxiliary lines: 0\n"
    "No differences.\n";

class CompareCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kestrelon_compare_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::string command = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = dir_ + "/" + name;
    WriteFile(path, text);
    return path;
  }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    int status = RunCompareCommand(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  std::string dir_;
  std::string out_;
  std::string err_;
};

TEST_F(CompareCommandTest, IdenticalFiles) {
  std::string a = Write("mech1j.rxn", kBase);
  std::string b = Write("mech2j.rxn", kBase);
  EXPECT_EQ(Run({a, b}), 0);
  EXPECT_EQ(out_, "A: " + a + "\nB: " + b +
                      "\nEa in J/mol (from the file names); tolerance: "
                      "printed digits\n" +
                      kCounts);
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
  EXPECT_NE(out_.find("No differences.\n"), std::string::npos);
  EXPECT_EQ(Run({b, a}), 0) << out_;
}

TEST_F(CompareCommandTest, DuplicatePairInTheOtherOrder) {
  std::string b =
      Edit(kBase, {{"HO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5",
                    "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0"},
                   {"DUP\r\nHO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0",
                    "DUP\r\nHO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5"}});
  EXPECT_EQ(Run({Write("aj.rxn", kBase), Write("bj.rxn", b)}), 0) << out_;
}

TEST_F(CompareCommandTest, EachSingleChangeIsReported) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> edits;
    const char* want;  // the part of the report after the counts
  } cases[] = {
      {{{"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 6.000E+04"}},
       "Reactions with different rate parameters (1):\n"
       "  O+H2<=>H+OH (A line 10, B line 10)\n"
       "    A: 5.080E+04 -> 6.000E+04\n"
       "    k(B)/k(A): 1.181 at 1000 K, 1.181 at 2000 K\n"},
      // Ea 1234.3 -> 9548.7 J/mol: k ratio exp(-8314.4/(8.3144 T)).
      {{{"7.080E+13 0.0000 1234.3", "7.080E+13 0.0000 9548.7"}},
       "Reactions with different rate parameters (1):\n"
       "  HO2+H=>OH+OH (A line 22, B line 22)\n"
       "    Ea: 1234.3 -> 9548.7\n"
       "    k(B)/k(A): 0.3679 at 1000 K, 0.6065 at 2000 K\n"},
      {{{"TROE /0.5 ", "TROE /0.7 "}},
       "Reactions with different auxiliary lines (1):\n"
       "  H+O2(+M)<=>HO2(+M) (A line 14, B line 14)\n"
       "    TROE: /0.5 1.0E-30 1.0E+30/ -> /0.7 1.0E-30 1.0E+30/\n"},
      {{{"CO+O2 1.500E+13", "CO+O2 1.600E+13"}},
       "Reactions with different auxiliary lines (1):\n"
       "  CO+O2<=>CO2+O (A line 23, B line 23)\n"
       "    REV: /1.500E+13 0.0000 225936.0/ -> /1.600E+13 0.0000 "
       "225936.0/\n"},
      {{{"O2/0.78/", "O2/0.78/ CO/1.5/"}},
       "Reactions with different auxiliary lines (1):\n"
       "  H+O2(+M)<=>HO2(+M) (A line 14, B line 14)\n"
       "    efficiency of CO: only in B (1.5)\n"},
      {{{"HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\r\n", ""}},
       "Reactions only in A (1):\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"},
      // "=>" and "<=>" are different reactions.
      {{{"HO2+H=>OH+OH", "HO2+H<=>OH+OH"}},
       "Reactions only in A (1):\n"
       "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
       "Reactions only in B (1):\n"
       "  line 22: HO2+H<=>OH+OH 7.080E+13 0.0000 1234.3\n"},
      {{{"DUP\r\nHO2+H", "HO2+H"}},
       "Reactions with different auxiliary lines (1):\n"
       "  HO2+OH<=>H2O+O2 (A line 20, B line 20)\n"
       "    DUP: only in A\n"},
      {{{"H+H+H+H=>H2+H2 1.000E+10", "H+H+H+H=>H2+H2 2.000E+10"}},
       "Non-elementary reactions with different rate parameters (1):\n"
       "  H+H+H+H=>H2+H2 (A line 27, B line 27)\n"
       "    A: 1.000E+10 -> 2.000E+10\n"
       "    k(B)/k(A): 2 at 1000 K, 2 at 2000 K\n"},
      {{{"H   O   C   AR", "H   O   C   AR   N"}},
       "Elements only in B (1):\n"
       "  N\n"},
  };
  std::string a = Write("aj.rxn", kBase);
  for (const Case& c : cases) {
    std::string text = kBase;
    for (const auto& e : c.edits) text = Edit(text, {e});
    std::string b = Write("bj.rxn", text);
    EXPECT_EQ(Run({a, b}), 1) << c.want;
    size_t at = out_.find("The files differ.\n\n");
    ASSERT_NE(at, std::string::npos) << out_;
    EXPECT_EQ(out_.substr(at + 19), c.want);
  }
}

// Several changes at once, among them a renamed species (CO2 becomes
// CO2X): reported as a species difference and in the reactions and the
// efficiency line that name it.
TEST_F(CompareCommandTest, FullReportOfSeveralChanges) {
  std::string changed =
      Edit(kBase, {{"CO   CO2   AR", "CO   CO2X   AR"},
                   {"CO/1.9/ CO2/3.8/", "CO/1.9/ CO2X/3.8/"},
                   {"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 6.000E+04"},
                   {"TROE /0.5 ", "TROE /0.7 "},
                   {"HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\r\n", ""},
                   {"CO+O2<=>CO2+O", "CO+O2<=>CO2X+O"},
                   {"CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\n",
                    "CO2X+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\n"
                    "HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\r\n"}});
  std::string a = Write("mech1j.rxn", kBase);
  std::string b = Write("mech2j.rxn", changed);
  EXPECT_EQ(Run({a, b}), 1);
  EXPECT_EQ(out_,
            "A: " + a + "\nB: " + b +
                "\n"
                "Ea in J/mol (from the file names); tolerance: printed "
                "digits\n"
                "Elements only in A: 0, only in B: 0\n"
                "Species only in A: 1, only in B: 1\n"
                "Reactions matched: 7 (0 written the other way round)\n"
                "Reactions only in A: 2, only in B: 2\n"
                "Reactions with different rate parameters: 1\n"
                "Reactions with different auxiliary lines: 2\n"
                "Non-elementary reactions matched: 1 (0 written the other "
                "way round)\n"
                "Non-elementary reactions only in A: 0, only in B: 0\n"
                "Non-elementary reactions with different rate parameters: "
                "0\n"
                "Non-elementary reactions with different auxiliary lines: "
                "0\n"
                "The files differ.\n"
                "\n"
                "Species only in A (1):\n"
                "  CO2\n"
                "Species only in B (1):\n"
                "  CO2X\n"
                "\n"
                "Reactions only in A (2):\n"
                "  line 22: HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\n"
                "  line 23: CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\n"
                "Reactions only in B (2):\n"
                "  line 22: CO+O2<=>CO2X+O 1.120E+12 0.0000 199576.8\n"
                "  line 24: HO2+O<=>OH+O2 3.250E+13 0.0000 0.0\n"
                "Reactions with different rate parameters (1):\n"
                "  O+H2<=>H+OH (A line 10, B line 10)\n"
                "    A: 5.080E+04 -> 6.000E+04\n"
                "    k(B)/k(A): 1.181 at 1000 K, 1.181 at 2000 K\n"
                "Reactions with different auxiliary lines (2):\n"
                "  H2+M<=>H+H+M (A line 12, B line 12)\n"
                "    efficiency of CO2: only in A (3.8)\n"
                "    efficiency of CO2X: only in B (3.8)\n"
                "  H+O2(+M)<=>HO2(+M) (A line 14, B line 14)\n"
                "    TROE: /0.5 1.0E-30 1.0E+30/ -> /0.7 1.0E-30 1.0E+30/\n");

  // The same content as JSON, read back.
  EXPECT_EQ(Run({"--json", a, b}), 1);
  Json j = JsonReader::Parse(out_);
  EXPECT_EQ(j["file_a"].string, a);
  EXPECT_FALSE(j["same"].boolean);
  EXPECT_EQ(j["ea_unit"].string, "J/mol");
  EXPECT_EQ(j["species"]["only_in_a"][0].string, "CO2");
  EXPECT_EQ(j["species"]["only_in_b"][0].string, "CO2X");
  const Json& r = j["reactions"];
  EXPECT_EQ(r["matched"].number, 7);
  EXPECT_EQ(r["only_in_a"][0]["line"].number, 22);
  EXPECT_EQ(r["only_in_a"][1]["text"].string,
            "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8");
  EXPECT_EQ(r["only_in_b"][1]["equation"].string, "HO2+O<=>OH+O2");
  const Json& rate = r["rate_differences"][0];
  EXPECT_EQ(rate["a"]["equation"].string, "O+H2<=>H+OH");
  EXPECT_FALSE(rate["other_way_round"].boolean);
  EXPECT_EQ(rate["fields"][0]["a"].string, "5.080E+04");
  EXPECT_EQ(rate["fields"][0]["b"].string, "6.000E+04");
  // 6.000 / 5.080, printed with six significant digits.
  EXPECT_NEAR(rate["k_ratio_1000"].number, 1.18110, 5e-6);
  EXPECT_NEAR(rate["k_ratio_2000"].number, 1.18110, 5e-6);
  const Json& aux = r["auxiliary_differences"];
  ASSERT_EQ(aux.items.size(), 2u);
  EXPECT_EQ(aux[0]["items"][0]["kind"].string, "efficiency");
  EXPECT_EQ(aux[0]["items"][0]["name"].string, "CO2");
  EXPECT_TRUE(aux[0]["items"][0]["b"].IsNull());
  EXPECT_EQ(aux[1]["items"][0]["name"].string, "TROE");
  EXPECT_EQ(aux[1]["items"][0]["b"].string, "/0.7 1.0E-30 1.0E+30/");
  EXPECT_EQ(j["non_elementary"]["matched"].number, 1);
}

TEST_F(CompareCommandTest, RelativeToleranceOption) {
  std::string a = Write("aj.rxn", kBase);
  std::string b =
      Write("bj.rxn",
            Edit(kBase, {{"O+H2<=>H+OH 5.080E+04", "O+H2<=>H+OH 5.100E+04"}}));
  EXPECT_EQ(Run({a, b}), 1);
  EXPECT_EQ(Run({a, b, "--tolerance", "0.01"}), 0) << out_;
  EXPECT_NE(out_.find("tolerance: relative 0.01\n"), std::string::npos);
  EXPECT_EQ(Run({a, b, "--tolerance=0.001"}), 1);
  EXPECT_EQ(Run({"--json", "--tolerance", "1e-2", a, b}), 0);
  EXPECT_TRUE(JsonReader::Parse(out_)["same"].boolean);
}

TEST_F(CompareCommandTest, UnitFromTheNames) {
  std::string mech = kBase;
  struct Case {
    const char* a;
    const char* b;
    const char* want;
  } cases[] = {
      {"xkelvin.rxn", "ykelvin.rxn", "Ea in K (from the file names)"},
      {"xcal.mech", "y.txt", "Ea in cal/mol (from the file names)"},
      {"x.txt", "y.txt",
       "Ea in cal/mol (assumed: the file names do not "
       "tell)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run({Write(c.a, mech), Write(c.b, mech)}), 0);
    EXPECT_NE(out_.find(c.want), std::string::npos) << out_;
  }
}

TEST_F(CompareCommandTest, UsageErrors) {
  std::string a = Write("aj.rxn", kBase);
  std::string b = Write("bj.rxn", kBase);
  std::string c = Write("ccal.rxn", kBase);
  const std::string usage =
      "usage: kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]\n";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{}, "kestrelon: compare needs two files, 0 given\n"},
      {{a}, "kestrelon: compare needs two files, 1 given\n"},
      {{a, b, c}, "kestrelon: compare needs two files, 3 given\n"},
      {{a, b, "--fast"}, "kestrelon: unknown option --fast\n"},
      {{a, b, "--tolerance"}, "kestrelon: --tolerance needs a value\n"},
      {{a, b, "--tolerance", "-1"},
       "kestrelon: --tolerance needs a relative tolerance of 0 or more, such "
       "as 0.001, not \"-1\"\n"},
      {{a, b, "--tolerance=abc"},
       "kestrelon: --tolerance needs a relative tolerance of 0 or more, such "
       "as 0.001, not \"abc\"\n"},
      {{a, c},
       "kestrelon: the file names say different Ea units: " + a +
           " is in J/mol, " + c +
           " in cal/mol; compare files of the same "
           "unit\n"},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Run(k.args), 64);
    EXPECT_EQ(err_, k.message + usage);
    EXPECT_EQ(out_, "");
  }
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_EQ(out_.rfind(usage, 0), 0u);
  // After "--" every argument is a file.
  std::string dash = Write("-oddj.rxn", kBase);
  EXPECT_EQ(Run({a, "--", dash}), 0) << err_;
}

TEST_F(CompareCommandTest, FilesThatCannotBeRead) {
  std::string good = Write("aj.rxn", kBase);
  std::string bad =
      Write("bj.rxn", Edit(kBase, {{"OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2",
                                    "OH+OH<=>O+H2O 3.570E+04 2.4000"}}));
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{good, dir_ + "/missingj.rxn"},
       "kestrelon: " + dir_ +
           "/missingj.rxn: cannot open: No such file or directory\n"},
      {{good, bad},
       "kestrelon: " + bad +
           ":11: a reaction line needs its equation and three numbers (A, "
           "n, Ea)\n"},
      {{dir_, good}, "kestrelon: " + dir_ + ": is not a regular file\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), 2);
    EXPECT_EQ(err_, c.message);
    EXPECT_EQ(out_, "");
  }
}

TEST_F(CompareCommandTest, TheProgramExitsWithTheStatus) {
  std::string a = Write("aj.rxn", kBase);
  std::string b = Write("bj.rxn", kShuffled);
  std::string c = Write("cj.rxn", Edit(kBase, {{"TROE /0.5 ", "TROE /0.7 "}}));
  std::string out = dir_ + "/out.txt";
  auto run = [&](const std::string& args) {
    std::string command = std::string(KESTRELON_BINARY) + " compare " + args +
                          " >" + out + " 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(run(a + " " + b), 0);
  EXPECT_EQ(run(a + " " + c), 1);
  EXPECT_EQ(run("--json " + a + " " + c), 1);
  EXPECT_FALSE(JsonReader::Parse(ReadFile(out))["same"].boolean);
  EXPECT_EQ(run(a + " " + dir_ + "/none.rxn"), 2);
  EXPECT_EQ(run(a), 64);
}

}  // namespace
}  // namespace kestrelon

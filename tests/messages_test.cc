// What `kestrelon clean` says when a mechanism is not as the run expects:
// each failure and warning names the input file and line, the cause, and
// where there is one the option that helps; and a check (--check) leaves the
// directory as it found it, whatever happens (so do the checks of the golden
// cases, a failing one among them).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using testing_support::RunKestrelon;
using testing_support::ScratchDir;
using Names = std::vector<std::string>;

// A mechanism whose reaction section (from line 8) is `reactions`.
std::string M(const std::string& reactions) {
  return "ELEMENTS\nH O\nEND\nSPECIES\nH O OH H2 O2 H2O HO2\nEND\nREACTIONS\n" +
         reactions + "END\n";
}

const std::string kUnknown =
    "warning: neither a reaction nor a known auxiliary line: kept as "
    "auxiliary data of the reaction on line ";

struct Case {
  std::string input;
  bool check;  // --check, else a whole run
  int status;
  std::string err;  // of an unreadable file (status 2): the end of it
};

TEST(MessagesTest, FailuresAndWarningsNameTheInputLineAndTheCause) {
  const Case cases[] = {
      // Lines kept as auxiliary data without being known ones.
      {M("H+O2=OH+O 1 0 0\nA <-> B 1.0 0.0 0.0\nDUP\n"), true, 0,
       "kestrelon: m.inp:9: " + kUnknown + "8\n"},
      // A check meets the layout's failures as a run does.
      {M("H+O2=OH+O 1 0 0\n\nH2 O2 JUNK\nH2+O=OH+H 1 0 0\n! c\nLOW 1 2 3\n"),
       true, 1,
       "kestrelon: m.inp:10: " + kUnknown +
           "8\nkestrelon: m.inp:13: keyword line without its /A n Ea/ "
           "block\n"},
      // A non-elementary reaction is the reaction above.
      {M("H+H+H+O2=H2O+OH 1 0 0\nX Y\n"), true, 0,
       "kestrelon: m.inp:9: " + kUnknown + "8\n"},
      {M("JUNK\nH+O2=OH+O 1 0 0\n"), true, 0,
       "kestrelon: m.inp:8: warning: neither a reaction nor a known "
       "auxiliary line: kept as auxiliary data, with no reaction above it\n"},
      {M("H+O2=OH+O 1 0 0\n=> OH  1.0 0 0\n"), true, 0,
       "kestrelon: m.inp:9: warning: equation without reactants: cleaned as "
       "written\n"},
      // Known auxiliary lines pass without a word.
      {M("H+O2(+M)=HO2(+M) 1 0 0\nLOW/1 2 3/\nTROE / 0.5 1 2 /\n"
         "H2 / 2.0 / H2O/6/ O2/.5/\nDUPLICATE\nH+O2(+M)=HO2(+M) 1 0 0\nDUP\n"
         "FORD /H 1.0/\nREV/1 2 3/\nPLOG /1 1 0 0/\n"),
       true, 0, ""},
      // A layout failure names the input line, not the written file's line:
      // in the main part and in the list of non-elementary reactions.
      {M("H+O2=OH+O 1 0 0\n\n! two lines fewer in the file\n"
         "PLOG /1.0E-02 1.08E+07 1.28E+00/\n"),
       false, 1,
       "kestrelon: m.inp:11: PLOG line needs four values P, A, n and Ea "
       "between its slashes\n"},
      {M("H+H+H+O2=H2O+OH 1 0 0\nLOW / 1 2 /\nH+O2=OH+O 1 0 0\n"), false, 1,
       "kestrelon: m.inp:9: keyword line needs three values A, n and Ea "
       "between its slashes\n"},
      // Section search: the indented keyword line is named.
      {"ELEMENTS\nH O\nEND\n SPECIES\nH O OH\nEND\nREACTIONS\nEND\n", true, 1,
       "kestrelon: m.inp:3: no line reading exactly \"SPECIES\" after the END "
       "of the ELEMENTS section\n"
       "kestrelon: m.inp:4: \" SPECIES\" opens no section: a SPECIES keyword "
       "must stand at the start of its line; use --permissive to clean it "
       "anyway\n"},
      {" ELEMENTS\nH O\n END  \nSPECIES\nH\nEND\nREACTIONS\nEND\nEND\n", true,
       1,
       // The first END counted is the one of SPECIES, past the SPECIES line.
       "kestrelon: m.inp:1: ELEMENTS section has no line reading exactly "
       "\"END\" before the SPECIES line (line 4); use --permissive to clean "
       "it anyway\n"
       "kestrelon: m.inp:3: \" END  \" is not counted: only a line reading "
       "exactly END closes a section; use --permissive to clean it anyway\n"},
      // An unreadable file: after the END count, the lines that explain it.
      {"ELEM H O END\nSPECIES\nH O\nTHERMO\nEND\nREACTIONS\nH+O=OH 1 0 0\n",
       true, 2,
       "kestrelon: m.inp: END closes 2 sections; ELEMENTS, SPECIES and "
       "REACTIONS each need one\n"
       "kestrelon: m.inp:2: the SPECIES section that begins here has no line "
       "reading exactly END; use --permissive to clean it anyway\n"
       "kestrelon: m.inp:6: the REACTIONS section that begins here has no "
       "line reading exactly END; use --permissive to clean it anyway\n"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    dir.Write("m.inp", c.input);
    std::vector<std::string> args = {"clean", "m.inp", "--quiet"};
    if (c.check) args.push_back("--check");
    const testing_support::ProcessResult r = RunKestrelon(args, dir.path());
    EXPECT_EQ(r.status, c.status) << c.input;
    EXPECT_EQ(c.status == 2 && r.err.ends_with(c.err) ? c.err : r.err, c.err)
        << c.input;
    if (c.check) {
      EXPECT_EQ(dir.Files(), Names{"m.inp"}) << c.input;
    }
  }
}

}  // namespace
}  // namespace kestrelon

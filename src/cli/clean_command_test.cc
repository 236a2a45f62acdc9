#include "cli/clean_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/text_ops.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using testing_support::ProcessResult;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;
using testing_support::Words;
using Names = std::vector<std::string>;

const char* const kUsageHint = "run 'kestrelon --help' for the options\n";

// Line 7 is the REACTIONS line, line 8 the one reaction, with Ea 100.
std::string M(const std::string& reactions_line,
              const std::string& thermo = "") {
  return "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\n" + thermo +
         reactions_line + "\r\nH+O2=OH+O  3.547E+15 -0.406 100\r\nEND\r\n";
}

TEST(CleanCommandTest, EachKindOfUsageErrorExits64) {
  struct Case {
    const char* args;
    const char* want;
  } cases[] = {
      {"", "no mechanism file given"},
      {"a.inp b.inp --name x", "--name applies to one mechanism; 2 were given"},
      {"a.inp b.inp c.inp --thermo-name=x",
       "--thermo-name applies to one mechanism; 3 were given"},
      {"a.inp b.inp --thermo t.dat",
       "--thermo applies to one mechanism; 2 were given"},
      {"a.inp --jobs 0",
       "--jobs needs a whole number from 1 to 1024, not \"0\""},
      {"a.inp --jobs=2x",
       "--jobs needs a whole number from 1 to 1024, not \"2x\""},
      {"a.inp --permissive=yes", "option --permissive takes no value"},
      {"m.inp --unit kJ",
       "unknown unit \"kJ\" for --unit; use kj, kcal, j, cal, kelvin or auto"},
      {"m.inp --a-format 0.0",
       "unknown pattern \"0.0\" for --a-format; use 0.000E+00, 0.00E+00 or "
       "0.0E+00"},
      {"m.inp --rename =B",
       "--rename needs OLD=NEW with both names, not \"=B\""},
      {"m.inp --rename O\t2=X",
       "--rename \"O\t2=X\": a species name holds no blank or TAB"},
      {"m.inp --name=", "--name must not be empty"},
      {"m.inp --unit", "option --unit needs a value"},
      {"m.inp -n x", "unknown option -n"},
      {"m.inp --check=1", "option --check takes no value"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCleanCommand(Words(c.args), out, err), kExitUsage) << c.want;
    EXPECT_EQ(err.str(),
              std::string("kestrelon: ") + c.want + "\n" + kUsageHint);
    EXPECT_EQ(out.str(), "");
  }
  ProcessResult r = RunKestrelon({"scrub", "m.inp"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err.rfind("kestrelon: unknown command \"scrub\"\n", 0), 0u);
}

// Whole runs in a directory that holds only the input: the exit status,
// stdout ("@" for the directory), stderr, and the reaction line of the
// calorie file, or nothing written at all.
TEST(CleanCommandTest, Runs) {
  const std::string thermo = "THERMO\r\nH DATA\r\nEND\r\n";
  const std::string w = "kestrelon: m.inp:7: warning: REACTIONS declares ";
  const std::string overwrite = ": This name would overwrite the input file.\n";
  const std::string ok = "mcal.rxn: H+O2<=>OH+O 3.547E+15 -0.4060 ";
  struct Case {
    const char* input;
    std::string text;
    const char* options;
    int status;
    const char* out;
    std::string err;     // the usage hint follows when the status is 64
    std::string result;  // "FILE: REACTION LINE"; empty: nothing written
  } cases[] = {
      {"m.inp", M("REACTIONS"), "", 0,
       "3 Ouput Files have been created:\n@mj.rxn (Ea in joule/mole)\n"
       "@mcal.rxn (Ea in calorie/mole)\n@mkelvin.rxn (Ea/R in Kelvin)\n",
       "", ok + "100.0"},
      // --unit auto takes the declared unit, cal/mol when none is declared.
      {"m.inp", M("reactions   moles   kjoule/mole"), "--unit auto --quiet", 0,
       "", "", ok + "23900.6"},
      {"m.inp", M("REACTIONS BASE M=N2"), "--unit kj --unit=auto --quiet", 0,
       "", "", ok + "100.0"},
      {"m.inp", M("REACTIONS EVOLTS"), "--unit=auto", kExitUsage, "",
       "kestrelon: m.inp:7: REACTIONS declares EVOLTS, which kestrelon "
       "cannot convert: Ea can only be given in kJ/mol, kcal/mol, J/mol, "
       "cal/mol or K\n",
       ""},
      // Otherwise the given unit stands; warnings are kept under --quiet.
      {"m.inp", M("REACTIONS EVOLTS"), "--unit kcal --quiet", 0, "",
       w + "EVOLTS, cleaning as kcal/mol\n", ok + "100000.0"},
      // Counted as the analysis leaves the table: auxiliary lines are no
      // reactions, and non-elementary ones are named.
      {"m.inp",
       M("REACTIONS\r\nH+O2(+M)=HO2(+M) 1 0 0\r\nLOW/1 2 3/\r\n"
         "H+H+H+O2=OH+OH+H 1 0 0"),
       "--check", 0,
       "m.inp: 12 lines, 4 species, 3 reactions (1 non-elementary): no "
       "problem found\n",
       "", ""},
      {"m.inp", M("REACTIONS KCAL/MOLE"), "--check", 0,
       "m.inp: 9 lines, 4 species, 1 reaction: 1 warning\n",
       w + "KCAL/MOLE, cleaning as cal/mol; --unit auto takes the declared "
           "unit\n",
       ""},
      {"m.inp", M("REACTIONS", thermo),
       "--name out --thermo-name th --ext mech --thermo-ext=*.tdb --a-format "
       "0.0E+00 --n-format 0.00 --ea-format 0 --quiet",
       0, "", "", "outcal.mech: H+O2<=>OH+O 3.5E+15 -0.41 100"},
      // Names whose files would replace a file are refused before anything
      // is written; a name is cleaned as the run cleans it.
      {"xj.rxn", M("REACTIONS"), "--name x", kExitUsage, "",
       "kestrelon: --name x" + overwrite, ""},
      {"axbcal.rxn", M("REACTIONS"), "--name a.b", kExitUsage, "",
       "kestrelon: --name a.b" + overwrite, ""},
      {"xcal.txt", M("REACTIONS"), "--name x --ext *.txt", kExitUsage, "",
       "kestrelon: --name x" + overwrite, ""},
      {"m.dat", M("REACTIONS", thermo), "--thermo-name m", kExitUsage, "",
       "kestrelon: --thermo-name m" + overwrite, ""},
      {"m.inp", M("REACTIONS", thermo), "--thermo-name tempo --thermo-ext int",
       kExitUsage, "",
       "kestrelon: --thermo-name tempo: This name would overwrite a working "
       "file of the run.\n",
       ""},
      // Two thermodynamic databases: refused before anything is written.
      {"m.inp", M("REACTIONS", "thermo all\r\nH DATA\r\nEND\r\n"),
       "--thermo t.dat", kExitUsage, "",
       "kestrelon: --thermo t.dat: m.inp has a THERMO section of its own\n",
       ""},
      {"tempo.int", M("REACTIONS"), "", kExitFailed, "",
       "kestrelon: tempo.int: the input file has the name of a working file "
       "of the run; rename or move it first\n",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.input) + " " + c.options);
    ScratchDir dir;
    dir.Write(c.input, c.text);
    ProcessResult r = RunKestrelon(
        Words(std::string("clean ") + c.input + " " + c.options), dir.path());
    EXPECT_EQ(r.status, c.status);
    std::string out = c.out;
    ReplaceAll(out, "@", std::filesystem::canonical(dir.path()).string() + "/");
    EXPECT_EQ(r.out, out);
    EXPECT_EQ(r.err, c.err + (c.status == kExitUsage ? kUsageHint : ""));
    EXPECT_EQ(dir.Read(c.input), c.text);
    if (c.result.empty()) {
      EXPECT_EQ(dir.Files(), Names{c.input});
      continue;
    }
    const size_t colon = c.result.find(": ");
    const std::string text = dir.Read(c.result.substr(0, colon));
    EXPECT_EQ(std::string(LinesOf(text).at(7)), c.result.substr(colon + 2));
  }
}

// (A database of its own, cleaned and renamed: the golden run
// thermo_file_rename.)
TEST(CleanCommandTest, AThermoFileThatCannotBeReadEndsTheRun) {
  ScratchDir dir;
  dir.Write("m.inp", M("REACTIONS"));
  ProcessResult r =
      RunKestrelon(Words("clean m.inp --thermo none.dat"), dir.path());
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err,
            "kestrelon: none.dat: cannot open: No such file or directory\n");
}

TEST(CleanCommandTest, UnreadableFileExits2AndNamesTheNearEnds) {
  ScratchDir dir;
  dir.Write("m.inp",
            "ELEMENTS\r\nH O\r\nEND \r\nSPECIES\r\nH O OH O2\r\n END\r\n"
            "REACTIONS\r\nH+O2=OH+O  3.547E+15 -0.406 25000\r\nEND\r\n");
  ProcessResult r = RunKestrelon({"clean", "m.inp"}, dir.path());
  EXPECT_EQ(r.status, kExitUnreadable);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(
      r.err,
      "kestrelon: m.inp: Your file can not be treated!\n"
      "Kestrelon cannot read this file.\n"
      "This is not a valid CHEMKIN file, or its format is not currently "
      "supported.\n"
      "Check that your file has the following format:\n"
      "ELEMENTS !3 lines minimum\nAR SI C O\nF H CL\nEND\n"
      "SPECIES !3 lines minimum\nCH3 H2O HO2 CCl4 CH4\nCO CO2 OH\nEND\n"
      "THERMO !3 lines minimum\n...\n...\nEND\n"
      "REACTIONS !3 lines minimum\n...\n...\nEND\n"
      "kestrelon: m.inp: END closes 1 section; ELEMENTS, SPECIES and "
      "REACTIONS each need one\n"
      "kestrelon: m.inp:3: \"END \" is not counted: only a line reading "
      "exactly END closes a section; use --permissive to clean it anyway\n"
      "kestrelon: m.inp:6: \" END\" is not counted: only a line reading "
      "exactly END closes a section; use --permissive to clean it anyway\n");
  EXPECT_EQ(dir.Files(), (Names{"m.inp", "tempo.int"}));
}

}  // namespace
}  // namespace kestrelon

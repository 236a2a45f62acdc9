#include "cli/clean_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/test_support.h"

namespace kestrelon {
namespace {

using testing_support::ProcessResult;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;
using Names = std::vector<std::string>;

const char* const kUsageHint = "run 'kestrelon --help' for the options\n";

// Line 7 is the REACTIONS line, line 8 the one reaction.
std::string Mechanism(const std::string& reactions_line, const std::string& ea,
                      const std::string& thermo = "") {
  return "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\n" + thermo +
         reactions_line + "\r\nH+O2=OH+O  3.547E+15 -0.406 " + ea +
         "\r\nEND\r\n";
}

const std::string kWithThermo =
    Mechanism("REACTIONS", "100", "THERMO\r\nH DATA\r\nEND\r\n");

// The words of `text` between single blanks.
Names Words(const std::string& text) {
  Names words;
  std::istringstream in(text);
  for (std::string w; std::getline(in, w, ' ');) {
    if (!w.empty()) words.push_back(w);
  }
  return words;
}

// Writes `text` as `input` into `dir` and runs `kestrelon clean INPUT
// OPTIONS...` there.
ProcessResult Clean(const ScratchDir& dir, const std::string& options,
                    const std::string& text = Mechanism("REACTIONS", "100"),
                    const std::string& input = "m.inp") {
  dir.Write(input, text);
  return RunKestrelon(Words("clean " + input + " " + options), dir.path());
}

// The reaction line (line 8) of the j, cal and kelvin files.
Names Reactions(const ScratchDir& dir, const std::string& stem = "m",
                const std::string& ext = "rxn") {
  Names lines;
  for (const char* unit : {"j", "cal", "kelvin"}) {
    const std::string text = dir.Read(stem + unit + "." + ext);
    auto split = SplitLines(text);
    lines.emplace_back(split.size() > 7 ? split[7] : "<none>");
  }
  return lines;
}

TEST(CleanCommandTest, EachKindOfUsageErrorExits64) {
  struct Case {
    const char* args;
    const char* want;
  } cases[] = {
      {"", "no mechanism file given"},
      {"a.inp b.inp", "more than one mechanism given: b.inp"},
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

TEST(CleanCommandTest, NamesThatWouldReplaceAFileStopBeforeAnythingIsWritten) {
  const std::string input = ": This name would overwrite the input file.";
  struct Case {
    const char* input;
    const char* options;
    std::string want;
  } cases[] = {
      {"xj.rxn", "--name x", "--name x" + input},
      // The name is cleaned as the run cleans it: "." becomes "x".
      {"axbcal.rxn", "--name a.b", "--name a.b" + input},
      {"xcal.txt", "--name x --ext *.txt", "--name x" + input},
      {"m.dat", "--thermo-name m", "--thermo-name m" + input},
      {"m.inp", "--thermo-name tempo --thermo-ext int",
       "--thermo-name tempo: This name would overwrite a working file of the "
       "run."},
      {"m.inp", "--name a --thermo-name acal --thermo-ext rxn",
       "--name a and --thermo-name acal both name acal.rxn"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    ProcessResult r = Clean(dir, c.options, kWithThermo, c.input);
    EXPECT_EQ(r.status, kExitUsage) << c.want;
    EXPECT_EQ(r.err, "kestrelon: " + c.want + "\n" + kUsageHint);
    EXPECT_EQ(dir.Files(), Names{c.input}) << c.want;
    EXPECT_EQ(dir.Read(c.input), kWithThermo);
  }
}

TEST(CleanCommandTest, InputNamedLikeAWorkingFileFailsBeforeAnythingIsWritten) {
  ScratchDir dir;
  ProcessResult r = Clean(dir, "", kWithThermo, "tempo.int");
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err,
            "kestrelon: tempo.int: the input file has the name of a working "
            "file of the run; rename or move it first\n");
  EXPECT_EQ(dir.Files(), Names{"tempo.int"});
  EXPECT_EQ(dir.Read("tempo.int"), kWithThermo);
}

// The unit the run cleans with (Ea 100 in the input), what it warns about,
// its exit status, and --check, which writes nothing.
TEST(CleanCommandTest, UnitsWarningsFailuresAndCheck) {
  const std::string w =
      "kestrelon: warning: m.inp: line 7: REACTIONS declares ";
  struct Case {
    const char* reactions;
    const char* options;
    int status;
    std::string err;
    const char* result;  // Ea in the j, cal and kelvin files, or stdout
  } cases[] = {
      {"REACTIONS", "--quiet", 0, "", "418.4 100.0 50.3"},
      // --unit auto takes the declared unit, cal/mol when none is declared.
      {"reactions   moles   kjoule/mole", "--unit auto --quiet", 0, "",
       "100000.0 23900.6 12027.3"},
      {"REACTIONS BASE M=N2", "--unit kj --unit auto --quiet", 0, "",
       "418.4 100.0 50.3"},
      {"REACTIONS EVOLTS", "--unit=auto", kExitUsage,
       "kestrelon: m.inp: line 7: REACTIONS declares EVOLTS, which kestrelon "
       "cannot convert: Ea can only be given in kJ/mol, kcal/mol, J/mol, "
       "cal/mol or K\n" +
           std::string(kUsageHint),
       ""},
      // Otherwise the given unit stands; warnings are kept under --quiet.
      {"REACTIONS EVOLTS", "--unit kcal --quiet", 0,
       w + "EVOLTS, cleaning as kcal/mol\n", "418400.0 100000.0 50322.1"},
      {"REACTIONS KELVIN MOLECULES", "--unit kelvin --quiet", 0,
       w + "MOLECULES: A is copied as it stands (kestrelon converts only Ea)\n",
       "831.4 198.7 100.0"},
      {"REACTIONS", "--check", 0, "",
       "m.inp: 9 lines, 4 species, 1 reaction: no problem found\n"},
      {"REACTIONS KCAL/MOLE", "--check", 0,
       w + "KCAL/MOLE, cleaning as cal/mol\n",
       "m.inp: 9 lines, 4 species, 1 reaction: 1 warning\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.reactions) + " " + c.options);
    ScratchDir dir;
    ProcessResult r = Clean(dir, c.options, Mechanism(c.reactions, "100"));
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    if (c.status != 0 || std::string(c.options) == "--check") {
      EXPECT_EQ(r.out, c.result);
      EXPECT_EQ(dir.Files(), Names{"m.inp"});
      continue;
    }
    EXPECT_EQ(r.out, "");
    Names want;
    for (const std::string& ea : Words(c.result)) {
      want.push_back("H+O2<=>OH+O 3.547E+15 -0.4060 " + ea);
    }
    EXPECT_EQ(Reactions(dir), want);
  }
}

TEST(CleanCommandTest, SuccessNamesTheWrittenFiles) {
  ScratchDir dir;
  ProcessResult r = Clean(dir, "");
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  const std::string d = std::filesystem::canonical(dir.path()).string() + "/";
  EXPECT_EQ(r.out, "3 Ouput Files have been created:\n" + d +
                       "mj.rxn (Ea in joule/mole)\n" + d +
                       "mcal.rxn (Ea in calorie/mole)\n" + d +
                       "mkelvin.rxn (Ea/R in Kelvin)\n");
  EXPECT_EQ(dir.Files(), (Names{"m.inp", "mcal.rxn", "mj.rxn", "mkelvin.rxn"}));
}

TEST(CleanCommandTest, NamesExtensionsAndPatterns) {
  ScratchDir dir;
  ProcessResult r = Clean(dir,
                          "--name out --thermo-name th --ext mech "
                          "--thermo-ext=*.tdb --a-format 0.0E+00 "
                          "--n-format 0.00 --ea-format 0 --quiet",
                          kWithThermo);
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(dir.Files(), (Names{"m.inp", "outcal.mech", "outj.mech",
                                "outkelvin.mech", "th.tdb"}));
  EXPECT_EQ(
      Reactions(dir, "out", "mech"),
      (Names{"H+O2<=>OH+O 3.5E+15 -0.41 418", "H+O2<=>OH+O 3.5E+15 -0.41 100",
             "H+O2<=>OH+O 3.5E+15 -0.41 50"}));
}

TEST(CleanCommandTest, Renames) {
  struct Case {
    const char* options;
    int status;
    const char* err;
    const char* reaction;
  } cases[] = {
      {"--rename O2=OX --rename=oh=HY", 0, "", "H+OX<=>HY+O"},
      {"--rename xo2=Q --rename O2=OX", 0,
       "kestrelon: warning: --rename xo2=Q: the mechanism has no species XO2; "
       "nothing renamed\n",
       "H+OX<=>OH+O"},
      // The second pair would make O2 and OH one species; the first is done.
      {"--rename H=HX --rename O2=oh", kExitFailed,
       "kestrelon: --rename O2=oh: the mechanism already has a species OH\n",
       "HX+O2<=>OH+O"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    ProcessResult r = Clean(dir, c.options);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(Reactions(dir)[1],
              c.reaction + std::string(" 3.547E+15 -0.4060 100.0"));
  }
}

TEST(CleanCommandTest, UnreadableFileExits2AndNamesTheNearEnds) {
  ScratchDir dir;
  ProcessResult r =
      Clean(dir, "",
            "ELEMENTS\r\nH O\r\nEND \r\nSPECIES\r\nH O OH O2\r\n END\r\n"
            "REACTIONS\r\nH+O2=OH+O  3.547E+15 -0.406 25000\r\nEND\r\n");
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
      "kestrelon: m.inp: line 3: \"END \" is not counted: only a line reading "
      "exactly END closes a section\n"
      "kestrelon: m.inp: line 6: \" END\" is not counted: only a line reading "
      "exactly END closes a section\n");
  EXPECT_EQ(dir.Files(), (Names{"m.inp", "tempo.int"}));
}

}  // namespace
}  // namespace kestrelon

#include "cli/clean_command.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    std::string pattern =
        (fs::temp_directory_path() / "kestrelon_cli_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = fs::canonical(pattern);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  std::string operator/(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  fs::path path_;
};

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::set<std::string> Listing(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the built program in `dir`, so that the mechanism can be named as a
// user in that directory would name it.
Result RunProgram(const fs::path& dir, const std::vector<std::string>& args) {
  TempDir capture;
  const std::string out_path = capture / "out";
  const std::string err_path = capture / "err";
  pid_t pid = ::fork();
  if (pid == 0) {
    int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
        ::chdir(dir.c_str()) != 0) {
      ::_exit(127);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(KESTRELON_BINARY));
    for (const std::string& a : args)
      argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(KESTRELON_BINARY, argv.data());
    ::_exit(127);
  }
  Result r;
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = Slurp(out_path);
  r.err = Slurp(err_path);
  return r;
}

Result RunInProcess(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Result r;
  r.status = RunCleanCommand(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Line 7 is the REACTIONS line, line 8 the one reaction.
std::string Mechanism(const std::string& reactions_line, const std::string& ea,
                      const std::string& thermo = "") {
  return "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\n" + thermo +
         reactions_line + "\r\nH+O2=OH+O  3.547E+15 -0.406 " + ea +
         "\r\nEND\r\n";
}

const char* const kThermo =
    "THERMO\r\n"
    "   300.000  1000.000  5000.000\r\n"
    "H                 120186H   1               G  0300.00   5000.00  "
    "1000.00      1\r\n"
    " 0.02500000E+02 0.00000000E+00 0.00000000E+00 0.00000000E+00 "
    "0.00000000E+00    2\r\n"
    " 0.02547163E+06-0.04601176E+01 0.02500000E+02 0.00000000E+00 "
    "0.00000000E+00    3\r\n"
    " 0.00000000E+00 0.00000000E+00 0.02547163E+06-0.04601176E+01          "
    "         4\r\n"
    "END\r\n";

const char* const kUsageHint = "run 'kestrelon --help' for the options\n";

const char* const kLayout =
    "Kestrelon cannot read this file.\n"
    "This is not a valid CHEMKIN file, or its format is not currently "
    "supported.\n"
    "Check that your file has the following format:\n"
    "ELEMENTS !3 lines minimum\nAR SI C O\nF H CL\nEND\n"
    "SPECIES !3 lines minimum\nCH3 H2O HO2 CCl4 CH4\nCO CO2 OH\nEND\n"
    "THERMO !3 lines minimum\n...\n...\nEND\n"
    "REACTIONS !3 lines minimum\n...\n...\nEND\n";

// The reaction line of each cleaned file holds `ea` of that file.
void ExpectReaction(const TempDir& dir, const std::string& name,
                    const std::string& ext, const std::string& head,
                    const std::string (&ea)[3]) {
  const char* suffix[] = {"j", "cal", "kelvin"};
  for (int i = 0; i < 3; ++i) {
    std::string path = dir / (name + suffix[i] + "." + ext);
    std::string text = Slurp(path);
    EXPECT_NE(text.find("\r\n" + head + " " + ea[i] + "\r\n"),
              std::string::npos)
        << path << " lacks \"" << head << " " << ea[i] << "\":\n"
        << text;
  }
}

// ---------------------------------------------------------------- options

TEST(ParseCleanOptionsTest, EveryOption) {
  std::ostringstream err;
  std::optional<CleanOptions> o = ParseCleanOptions(
      {"dir/m.inp",   "--name",     "out",      "--thermo-name", "th",
       "--unit",      "kj",         "--ext",    "mech",          "--thermo-ext",
       "the",         "--a-format", "0.0E+00",  "--n-format",    "0.00",
       "--ea-format", "0",          "--rename", "H=HX",          "--rename",
       "O2=O2X",      "--check",    "--quiet"},
      err);
  ASSERT_TRUE(o.has_value()) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(o->mechanism, "dir/m.inp");
  EXPECT_EQ(o->name, "out");
  EXPECT_EQ(o->thermo_name, "th");
  EXPECT_EQ(o->settings.unit, EaUnit::kKj);
  EXPECT_FALSE(o->unit_auto);
  EXPECT_EQ(o->settings.mech_ext, MechExtChoice::kMech);
  EXPECT_EQ(o->settings.thermo_ext, ThermoExtChoice::kThe);
  EXPECT_EQ(o->settings.a_pattern, "0.0E+00");
  EXPECT_EQ(o->settings.n_pattern, "0.00");
  EXPECT_EQ(o->settings.ea_pattern, "0");
  using Pair = std::pair<std::string, std::string>;
  EXPECT_EQ(o->renames, (std::vector<Pair>{{"H", "HX"}, {"O2", "O2X"}}));
  EXPECT_TRUE(o->check);
  EXPECT_TRUE(o->quiet);
}

TEST(ParseCleanOptionsTest, DefaultsAndTheEqualsForm) {
  std::ostringstream err;
  std::optional<CleanOptions> o = ParseCleanOptions({"dir/gri.30.inp"}, err);
  ASSERT_TRUE(o.has_value());
  EXPECT_EQ(o->name, "gri.30");
  EXPECT_EQ(o->thermo_name, "gri.30thermo");
  EXPECT_EQ(o->settings.unit, EaUnit::kCal);
  EXPECT_FALSE(o->unit_auto);
  EXPECT_EQ(o->settings.mech_ext, MechExtChoice::kRxn);
  EXPECT_EQ(o->settings.thermo_ext, ThermoExtChoice::kDat);
  EXPECT_EQ(o->settings.a_pattern, "0.000E+00");
  EXPECT_EQ(o->settings.n_pattern, "0.0000");
  EXPECT_EQ(o->settings.ea_pattern, "0.0");
  EXPECT_FALSE(o->check);
  EXPECT_FALSE(o->quiet);

  o = ParseCleanOptions({"--unit=auto", "--ext=x.y", "--thermo-ext=abc",
                         "--rename=A=B=C", "--name=n", "m.inp"},
                        err);
  ASSERT_TRUE(o.has_value()) << err.str();
  EXPECT_TRUE(o->unit_auto);
  EXPECT_EQ(o->settings.mech_ext, MechExtChoice::kCustom);
  EXPECT_EQ(o->settings.mech_ext_text, "x.y");
  EXPECT_EQ(o->settings.thermo_ext, ThermoExtChoice::kCustom);
  EXPECT_EQ(o->settings.thermo_ext_text, "abc");
  ASSERT_EQ(o->renames.size(), 1u);
  EXPECT_EQ(o->renames[0].first, "A");
  EXPECT_EQ(o->renames[0].second, "B=C");
  EXPECT_EQ(o->name, "n");
  EXPECT_EQ(o->thermo_name, "nthermo");

  // The last --unit counts.
  o = ParseCleanOptions({"m.inp", "--unit", "auto", "--unit", "kelvin"}, err);
  ASSERT_TRUE(o.has_value());
  EXPECT_FALSE(o->unit_auto);
  EXPECT_EQ(o->settings.unit, EaUnit::kKelvin);
}

TEST(ParseCleanOptionsTest, EveryUnitWord) {
  struct Case {
    const char* word;
    EaUnit unit;
  } cases[] = {{"kj", EaUnit::kKj},
               {"kcal", EaUnit::kKcal},
               {"j", EaUnit::kJ},
               {"cal", EaUnit::kCal},
               {"kelvin", EaUnit::kKelvin}};
  for (const Case& c : cases) {
    std::ostringstream err;
    std::optional<CleanOptions> o =
        ParseCleanOptions({"m.inp", "--unit", c.word}, err);
    ASSERT_TRUE(o.has_value()) << c.word;
    EXPECT_EQ(o->settings.unit, c.unit) << c.word;
  }
}

TEST(CleanCommandTest, UsageErrorsExit64AndSayWhatIsAllowed) {
  struct Case {
    std::vector<std::string> args;
    const char* want;
  } cases[] = {
      {{}, "no mechanism file given"},
      {{"--quiet"}, "no mechanism file given"},
      {{"a.inp", "b.inp"}, "more than one mechanism given: b.inp"},
      {{"m.inp", "--unit", "kJ"},
       "unknown unit \"kJ\" for --unit; use kj, kcal, j, cal, kelvin or auto"},
      {{"m.inp", "--unit="},
       "unknown unit \"\" for --unit; use kj, kcal, j, cal, kelvin or auto"},
      {{"m.inp", "--a-format", "0.0"},
       "unknown pattern \"0.0\" for --a-format; use 0.000E+00, 0.00E+00 or "
       "0.0E+00"},
      {{"m.inp", "--n-format", "0.0"},
       "unknown pattern \"0.0\" for --n-format; use 0.0000, 0.000 or 0.00"},
      {{"m.inp", "--ea-format", "0.000"},
       "unknown pattern \"0.000\" for --ea-format; use 0.00, 0.0 or 0"},
      {{"m.inp", "--rename", "AB"},
       "--rename needs OLD=NEW with both names, not \"AB\""},
      {{"m.inp", "--rename", "=B"},
       "--rename needs OLD=NEW with both names, not \"=B\""},
      {{"m.inp", "--rename", "A="},
       "--rename needs OLD=NEW with both names, not \"A=\""},
      {{"m.inp", "--rename=A"},
       "--rename needs OLD=NEW with both names, not \"A\""},
      {{"m.inp", "--rename", "O2=O H"},
       "--rename \"O2=O H\": a species name holds no blank or TAB"},
      {{"m.inp", "--rename", "O\t2=X"},
       "--rename \"O\t2=X\": a species name holds no blank or TAB"},
      {{"m.inp", "--name", ""}, "--name must not be empty"},
      {{"m.inp", "--name="}, "--name must not be empty"},
      {{"m.inp", "--thermo-name", ""}, "--thermo-name must not be empty"},
      {{"m.inp", "--ext", ""}, "--ext must not be empty"},
      {{"m.inp", "--thermo-ext", ""}, "--thermo-ext must not be empty"},
      {{"m.inp", "--name"}, "option --name needs a value"},
      {{"m.inp", "--unit"}, "option --unit needs a value"},
      {{"m.inp", "--bogus", "x"}, "unknown option --bogus"},
      {{"m.inp", "-n", "x"}, "unknown option -n"},
      {{"m.inp", "--quiet=yes"}, "option --quiet takes no value"},
      {{"m.inp", "--check=1"}, "option --check takes no value"},
  };
  for (const Case& c : cases) {
    Result r = RunInProcess(c.args);
    EXPECT_EQ(r.status, kExitUsage) << c.want;
    EXPECT_EQ(r.err, std::string("kestrelon: ") + c.want + "\n" + kUsageHint);
    EXPECT_EQ(r.out, "");
  }
}

TEST(CleanCommandTest, UsageTextListsTheUnitsAndPatterns) {
  std::ostringstream out;
  PrintUsage(out);
  for (const char* part :
       {"kj, kcal, j, cal,", "auto", "0.000E+00 (default), 0.00E+00, 0.0E+00",
        "0.0000 (default), 0.000, 0.00", "0.00, 0.0 (default), 0",
        "--rename OLD=NEW", "--check", "--quiet"}) {
    EXPECT_NE(out.str().find(part), std::string::npos) << part;
  }
}

TEST(CleanCommandTest, ProgramDispatch) {
  TempDir dir;
  Result r = RunProgram(dir.path(), {"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "kestrelon 2.20\n");
  r = RunProgram(dir.path(), {"clean", "--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("usage: kestrelon clean MECHANISM [options]\n", 0), 0u);
  r = RunProgram(dir.path(), {"scrub", "m.inp"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err.rfind("kestrelon: unknown command \"scrub\"\n", 0), 0u);
  r = RunProgram(dir.path(), {"clean", "--unit", "ev", "m.inp"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.err,
            std::string("kestrelon: unknown unit \"ev\" for --unit; use kj, "
                        "kcal, j, cal, kelvin or auto\n") +
                kUsageHint);
  EXPECT_EQ(Listing(dir.path()), std::set<std::string>{});
}

// ------------------------------------------------- names refused up front

TEST(CleanCommandTest, NamesThatWouldReplaceAFileStopBeforeAnythingIsWritten) {
  struct Case {
    const char* input;
    std::vector<std::string> options;
    const char* want;
  } cases[] = {
      {"xj.rxn",
       {"--name", "x"},
       "--name x: This name would overwrite the input file."},
      {"xkelvin.rxn",
       {"--name", "x"},
       "--name x: This name would overwrite the input file."},
      // The name is cleaned as the run cleans it: "." becomes "x".
      {"axbcal.rxn",
       {"--name", "a.b"},
       "--name a.b: This name would overwrite the input file."},
      {"xcal.mech",
       {"--name", "x", "--ext", "mech"},
       "--name x: This name would overwrite the input file."},
      {"xcal.txt",
       {"--name", "x", "--ext", "*.txt"},
       "--name x: This name would overwrite the input file."},
      {"m.dat",
       {"--thermo-name", "m"},
       "--thermo-name m: This name would overwrite the input file."},
      {"m.inp",
       {"--thermo-name", "m", "--thermo-ext", "inp"},
       "--thermo-name m: This name would overwrite the input file."},
      {"m.inp",
       {"--thermo-name", "tempo", "--thermo-ext", "int"},
       "--thermo-name tempo: This name would overwrite a working file of the "
       "run."},
      {"m.inp",
       {"--name", "a", "--thermo-name", "acal", "--thermo-ext", "rxn"},
       "--name a and --thermo-name acal both name acal.rxn"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string mech = Mechanism("REACTIONS", "25000", kThermo);
    Write(dir / c.input, mech);
    std::vector<std::string> args = {"clean", c.input};
    args.insert(args.end(), c.options.begin(), c.options.end());
    Result r = RunProgram(dir.path(), args);
    EXPECT_EQ(r.status, kExitUsage) << c.want;
    EXPECT_EQ(r.err, std::string("kestrelon: ") + c.want + "\n" + kUsageHint);
    EXPECT_EQ(Listing(dir.path()), std::set<std::string>{c.input}) << c.want;
    EXPECT_EQ(Slurp(dir / c.input), mech);
  }
}

TEST(CleanCommandTest, InputNamedLikeAWorkingFileFailsBeforeAnythingIsWritten) {
  TempDir dir;
  const std::string mech = Mechanism("REACTIONS", "25000");
  Write(dir / "tempo.int", mech);
  Result r = RunProgram(dir.path(), {"clean", "tempo.int"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err,
            "kestrelon: tempo.int: the input file has the name of a working "
            "file of the run; rename or move it first\n");
  EXPECT_EQ(Listing(dir.path()), std::set<std::string>{"tempo.int"});
  EXPECT_EQ(Slurp(dir / "tempo.int"), mech);
}

TEST(CleanCommandTest, MissingInputFailsWithExit1) {
  TempDir dir;
  Result r = RunProgram(dir.path(), {"clean", "none.inp"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err.rfind("kestrelon: none.inp: ", 0), 0u) << r.err;
  EXPECT_EQ(Listing(dir.path()), std::set<std::string>{});
}

// ------------------------------------------------------------------ units

TEST(CleanCommandTest, UnitAutoTakesTheDeclaredUnit) {
  struct Case {
    const char* reactions;
    const char* ea;
    std::string want[3];  // J/mol, cal/mol, K
  } cases[] = {
      {"REACTIONS KJOULES/MOLE", "100", {"100000.0", "23900.6", "12027.3"}},
      {"reactions   moles   kjoule/mole",
       "100",
       {"100000.0", "23900.6", "12027.3"}},
      {"REACTIONS KJOU/MOL", "100", {"100000.0", "23900.6", "12027.3"}},
      {"REACTIONS KCAL/MOLE", "25.0", {"104600.0", "25000.0", "12580.5"}},
      {"REACTIONS\tKCAL/MOL ! rate units",
       "25.0",
       {"104600.0", "25000.0", "12580.5"}},
      {"REACTIONS JOULES/MOLE", "1000", {"1000.0", "239.0", "120.3"}},
      {"REACTIONS JOUL/MOLE", "1000", {"1000.0", "239.0", "120.3"}},
      {"REACTIONS MOLES KELVINS", "10000", {"83144.0", "19872.0", "10000.0"}},
      {"REACTIONS KELVIN", "10000", {"83144.0", "19872.0", "10000.0"}},
      {"REACTIONS CAL/MOLE", "25000", {"104600.0", "25000.0", "12580.5"}},
      {"REACTIONS CAL/MOL", "25000", {"104600.0", "25000.0", "12580.5"}},
      // Nothing declared: cal/mol.
      {"REACTIONS", "25000", {"104600.0", "25000.0", "12580.5"}},
      {"REACTIONS BASE M=N2", "25000", {"104600.0", "25000.0", "12580.5"}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    Write(dir / "m.inp", Mechanism(c.reactions, c.ea));
    Result r = RunProgram(dir.path(), {"clean", "m.inp", "--unit", "auto"});
    EXPECT_EQ(r.status, kExitOk) << c.reactions << "\n" << r.err;
    EXPECT_EQ(r.err, "") << c.reactions;
    ExpectReaction(dir, "m", "rxn", "H+O2<=>OH+O 3.547E+15 -0.4060", c.want);
  }
}

TEST(CleanCommandTest, UnitAutoRefusesElectronVoltsBeforeAnythingIsWritten) {
  for (const char* word : {"EVOLTS", "evol"}) {
    TempDir dir;
    Write(dir / "m.inp", Mechanism(std::string("REACTIONS ") + word, "1.5"));
    Result r = RunProgram(dir.path(), {"clean", "m.inp", "--unit=auto"});
    EXPECT_EQ(r.status, kExitUsage);
    std::string upper = word[0] == 'E' ? word : "EVOL";
    EXPECT_EQ(r.err, "kestrelon: m.inp: line 7: REACTIONS declares " + upper +
                         ", which kestrelon cannot convert: Ea can only be "
                         "given in kJ/mol, kcal/mol, J/mol, cal/mol or K\n" +
                         kUsageHint);
    EXPECT_EQ(Listing(dir.path()), std::set<std::string>{"m.inp"});
  }
}

TEST(CleanCommandTest, ADeclaredUnitOtherThanTheGivenOneIsWarnedAbout) {
  struct Case {
    const char* reactions;
    std::vector<std::string> options;
    std::string warnings;
    std::string want[3];  // Ea 100 read in the given unit
  } cases[] = {
      {"REACTIONS KJOULES/MOLE",
       {},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares KJOULES/MOLE, "
       "cleaning as cal/mol\n",
       {"418.4", "100.0", "50.3"}},
      {"Reactions  kcal/mol",
       {"--unit", "kj"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares KCAL/MOL, "
       "cleaning as kJ/mol\n",
       {"100000.0", "23900.6", "12027.3"}},
      {"REACTIONS KELVINS",
       {"--unit", "j"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares KELVINS, "
       "cleaning as J/mol\n",
       {"100.0", "23.9", "12.0"}},
      {"REACTIONS CAL/MOLE",
       {"--unit", "kelvin"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares CAL/MOLE, "
       "cleaning as K\n",
       {"831.4", "198.7", "100.0"}},
      {"REACTIONS EVOLTS",
       {"--unit", "kcal"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares EVOLTS, "
       "cleaning as kcal/mol\n",
       {"418400.0", "100000.0", "50322.1"}},
      {"REACTIONS KELVIN MOLECULES",
       {"--unit", "kelvin"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares MOLECULES: A "
       "is copied as it stands (kestrelon converts only Ea)\n",
       {"831.4", "198.7", "100.0"}},
      // Warnings are not information: --quiet keeps them.
      {"REACTIONS KJOULES/MOLE",
       {"--quiet"},
       "kestrelon: warning: m.inp: line 7: REACTIONS declares KJOULES/MOLE, "
       "cleaning as cal/mol\n",
       {"418.4", "100.0", "50.3"}},
      {"REACTIONS KJOULES/MOLE",
       {"--unit", "kj"},
       "",
       {"100000.0", "23900.6", "12027.3"}},
      {"REACTIONS", {"--unit", "kj"}, "", {"100000.0", "23900.6", "12027.3"}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    Write(dir / "m.inp", Mechanism(c.reactions, "100"));
    std::vector<std::string> args = {"clean", "m.inp"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    Result r = RunProgram(dir.path(), args);
    EXPECT_EQ(r.status, kExitOk) << c.reactions;
    EXPECT_EQ(r.err, c.warnings) << c.reactions;
    ExpectReaction(dir, "m", "rxn", "H+O2<=>OH+O 3.547E+15 -0.4060", c.want);
  }
}

TEST(CleanCommandTest, WarningNamesTheFileAsGiven) {
  TempDir dir;
  fs::create_directory(dir.path() / "mech");
  Write(dir / "mech/m.inp", Mechanism("REACTIONS KJOULES/MOLE", "100"));
  Result r = RunProgram(dir.path(), {"clean", "./mech/m.inp", "--check"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err,
            "kestrelon: warning: ./mech/m.inp: line 7: REACTIONS declares "
            "KJOULES/MOLE, cleaning as cal/mol\n");
}

// ----------------------------------------------------------- exit statuses

TEST(CleanCommandTest, SuccessWritesTheThreeFilesAndNamesThem) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000"));
  Result r = RunProgram(dir.path(), {"clean", "m.inp"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string d = dir.path().string() + "/";
  EXPECT_EQ(r.out, "3 Ouput Files have been created:\n" + d +
                       "mj.rxn (Ea in joule/mole)\n" + d +
                       "mcal.rxn (Ea in calorie/mole)\n" + d +
                       "mkelvin.rxn (Ea/R in Kelvin)\n");
  EXPECT_EQ(
      Listing(dir.path()),
      (std::set<std::string>{"m.inp", "mj.rxn", "mcal.rxn", "mkelvin.rxn"}));
  ExpectReaction(dir, "m", "rxn", "H+O2<=>OH+O 3.547E+15 -0.4060",
                 {"104600.0", "25000.0", "12580.5"});
}

TEST(CleanCommandTest, QuietPrintsNothingOnSuccess) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000"));
  Result r = RunProgram(dir.path(), {"clean", "--quiet", "m.inp"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::exists(dir / "mcal.rxn"));
}

TEST(CleanCommandTest, NamesExtensionsAndPatterns) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000", kThermo));
  Result r = RunProgram(
      dir.path(), {"clean", "m.inp", "--name", "out", "--thermo-name", "th",
                   "--ext", "mech", "--thermo-ext=the", "--a-format", "0.0E+00",
                   "--n-format", "0.00", "--ea-format", "0", "--quiet"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Listing(dir.path()),
            (std::set<std::string>{"m.inp", "th.the", "outj.mech",
                                   "outcal.mech", "outkelvin.mech"}));
  EXPECT_EQ(Slurp(dir / "th.the").rfind("THERMO\r\n", 0), 0u);
  ExpectReaction(dir, "out", "mech", "H+O2<=>OH+O 3.5E+15 -0.41",
                 {"104600", "25000", "12581"});
}

TEST(CleanCommandTest, CustomExtensionsLoseTheirDotsAndStars) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000", kThermo));
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--ext", "*.ck",
                                     "--thermo-ext", "*.tdb", "--quiet"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(Listing(dir.path()),
            (std::set<std::string>{"m.inp", "mthermo.tdb", "mj.ck", "mcal.ck",
                                   "mkelvin.ck"}));
}

TEST(CleanCommandTest, RenamesInEveryFile) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000"));
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--rename", "O2=OX",
                                     "--rename=oh=HY", "--quiet"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.err, "");
  ExpectReaction(dir, "m", "rxn", "H+OX<=>HY+O 3.547E+15 -0.4060",
                 {"104600.0", "25000.0", "12580.5"});
  EXPECT_NE(Slurp(dir / "mcal.rxn").find("\r\nH   O   HY   OX\r\n"),
            std::string::npos);
}

TEST(CleanCommandTest, RenamingAnAbsentSpeciesIsWarnedAbout) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000"));
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--rename", "xo2=Q",
                                     "--rename", "O2=OX", "--quiet"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err,
            "kestrelon: warning: --rename xo2=Q: the mechanism has no species "
            "XO2; nothing renamed\n");
  ExpectReaction(dir, "m", "rxn", "H+OX<=>OH+O 3.547E+15 -0.4060",
                 {"104600.0", "25000.0", "12580.5"});
}

TEST(CleanCommandTest, RenamingOntoAnExistingSpeciesFails) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS", "25000"));
  // The second pair would make O2 and OH one species; the first is done.
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--rename", "H=HX",
                                     "--rename", "O2=oh", "--quiet"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err,
            "kestrelon: --rename O2=oh: the mechanism already has a species "
            "OH\n");
  ExpectReaction(dir, "m", "rxn", "HX+O2<=>OH+O 3.547E+15 -0.4060",
                 {"104600.0", "25000.0", "12580.5"});
}

TEST(CleanCommandTest, FailedRunExits1WithFileAndLine) {
  TempDir dir;
  // 1E306 kJ/mol is beyond any double once multiplied by 1000.
  Write(dir / "m.inp", Mechanism("REACTIONS", "1E306"));
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--unit", "kj"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err.rfind("kestrelon: m.inp:8: ", 0), 0u) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(CleanCommandTest, MissingOrUnclosedSectionsAreNamedWithTheirLine) {
  struct Case {
    std::string text;
    const char* prefix;  // of stderr
    const char* names;   // a word the reason must hold
  } cases[] = {
      // Three ENDs, but no SPECIES section after the elements' END (line 3).
      {"ELEMENTS\r\nH O\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1 0 0\r\nEND\r\n"
       "END\r\n",
       "kestrelon: m.inp:3: ", "SPECIES"},
      // The THERMO section's END makes three; REACTIONS (line 14) is never
      // closed.
      {"ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\n" +
           std::string(kThermo) + "REACTIONS\r\nH+O2=OH+O 1 0 0\r\n",
       "kestrelon: m.inp:14: ", "REACTIONS"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    Write(dir / "m.inp", c.text);
    Result r = RunProgram(dir.path(), {"clean", "m.inp"});
    EXPECT_EQ(r.status, kExitFailed) << c.prefix;
    EXPECT_EQ(r.err.rfind(c.prefix, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.names), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(CleanCommandTest, AFullTableNamesTheFirstLineThatDoesNotFit) {
  TempDir dir;
  std::string text =
      "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\n"
      "REACTIONS\r\n";
  // Lines 8 to 26,100 are reactions: line 26,000 is the first past the
  // table's 25,999 rows.
  for (int line = 8; line <= 26100; ++line) {
    text += "H+O2=OH+O 1 0 0\r\n";
  }
  text += "END\r\n";
  Write(dir / "m.inp", text);
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--check"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_EQ(r.err.rfind("kestrelon: m.inp:26000: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("25999"), std::string::npos) << r.err;
}

TEST(CleanCommandTest, UnreadableFileExits2AndNamesTheNearEnds) {
  TempDir dir;
  Write(dir / "m.inp",
        "ELEMENTS\r\nH O\r\nEND \r\nSPECIES\r\nH O OH O2\r\n END\r\n"
        "REACTIONS\r\nH+O2=OH+O  3.547E+15 -0.406 25000\r\nEND\r\n");
  Result r = RunProgram(dir.path(), {"clean", "m.inp"});
  EXPECT_EQ(r.status, kExitUnreadable);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            std::string("kestrelon: m.inp: Your file can not be treated!\n") +
                kLayout +
                "kestrelon: m.inp: END closes 1 section; ELEMENTS, SPECIES "
                "and REACTIONS each need one\n"
                "kestrelon: m.inp: line 3: \"END \" is not counted: only a "
                "line reading exactly END closes a section\n"
                "kestrelon: m.inp: line 6: \" END\" is not counted: only a "
                "line reading exactly END closes a section\n");
  EXPECT_EQ(Listing(dir.path()), (std::set<std::string>{"m.inp", "tempo.int"}));
}

TEST(CleanCommandTest, UnreadableFileWithTabsAndComments) {
  TempDir dir;
  Write(dir / "m.inp",
        "ELEMENTS\r\nH O\r\nend\r\nSPECIES\r\nH O OH O2\r\nEND\t! species\r\n"
        "REACTIONS\r\nH+O2=OH+O  3.547E+15 -0.406 25000\r\n\tEnd\r\n");
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--quiet"});
  EXPECT_EQ(r.status, kExitUnreadable);
  EXPECT_EQ(r.err,
            std::string("kestrelon: m.inp: Your file can not be treated!\n") +
                kLayout +
                "kestrelon: m.inp: END closes 1 section; ELEMENTS, SPECIES "
                "and REACTIONS each need one\n"
                "kestrelon: m.inp: line 6: \"END\\t! species\" is not "
                "counted: only a line reading exactly END closes a section\n"
                "kestrelon: m.inp: line 9: \"\\tEnd\" is not counted: only a "
                "line reading exactly END closes a section\n");
}

// ------------------------------------------------------------------ check

TEST(CleanCommandTest, CheckWritesNothing) {
  struct Case {
    std::string thermo;
    const char* want;
  } cases[] = {
      {"", "m.inp: 9 lines, 4 species, 1 reaction: no problem found\n"},
      {kThermo, "m.inp: 16 lines, 4 species, 1 reaction: no problem found\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    Write(dir / "m.inp", Mechanism("REACTIONS", "25000", c.thermo));
    Result r = RunProgram(dir.path(), {"clean", "m.inp", "--check"});
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, c.want);
    EXPECT_EQ(Listing(dir.path()), std::set<std::string>{"m.inp"});
  }
}

TEST(CleanCommandTest, CheckReportsWarningsAndFailures) {
  TempDir dir;
  Write(dir / "m.inp", Mechanism("REACTIONS KCAL/MOLE", "25"));
  const std::string warning =
      "kestrelon: warning: m.inp: line 7: REACTIONS declares KCAL/MOLE, "
      "cleaning as cal/mol\n";
  Result r = RunProgram(dir.path(), {"clean", "m.inp", "--check", "--quiet"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, warning);
  EXPECT_EQ(Listing(dir.path()), std::set<std::string>{"m.inp"});

  r = RunProgram(dir.path(), {"clean", "m.inp", "--check"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, "m.inp: 9 lines, 4 species, 1 reaction: 1 warning\n");
  EXPECT_EQ(r.err, warning);

  Write(dir / "m.inp", Mechanism("REACTIONS EVOLTS", "1"));
  r = RunProgram(dir.path(), {"clean", "m.inp", "--check", "--unit", "auto"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(Listing(dir.path()), std::set<std::string>{"m.inp"});
}

}  // namespace
}  // namespace kestrelon

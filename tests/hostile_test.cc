// Hostile input and hostile surroundings for whole cleaning runs through the
// command line: whatever comes in, the run answers with a result or a clear
// failure (exit 1 with the reason on stderr, or exit 2 for an unreadable
// file), never crashes, never changes the input, and never writes through a
// link planted in its directory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;
using kestrelon::testing_support::ProcessResult;
using kestrelon::testing_support::RunKestrelon;
using kestrelon::testing_support::ScratchDir;

#ifdef __SANITIZE_ADDRESS__
constexpr double kSeconds = 40;  // the sanitizers slow every run down
#else
constexpr double kSeconds = 10;
#endif

// A small mechanism without a thermodynamic section; its reaction stands on
// line 8.
const char kSmall[] =
    "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH2 O2 OH\r\nEND\r\nREACTIONS\r\n"
    "H2+O2=OH+OH 1.0E13 0 1000\r\nEND\r\n";

// Writes `text` as mech.inp into `dir` and runs `kestrelon clean mech.inp
// --quiet OPTIONS` there; the run must neither crash nor change the input.
ProcessResult Clean(const ScratchDir& dir, const std::string& text,
                    std::vector<std::string> options = {}) {
  dir.Write("mech.inp", text);
  options.insert(options.begin(), {"clean", "mech.inp", "--quiet"});
  ProcessResult r = RunKestrelon(options, dir.path());
  EXPECT_NE(r.status, -1) << "the run crashed";
  EXPECT_TRUE(dir.Read("mech.inp") == text) << "the input changed";
  return r;
}

bool HasWorkingFile(const ScratchDir& dir) {
  for (const std::string& name : dir.Files()) {
    if (name.rfind("tempo", 0) == 0) return true;
  }
  return false;
}

// The directory as the run names it in its messages.
std::string Named(const ScratchDir& dir) {
  return fs::canonical(dir.path()).string() + "/";
}

TEST(HostileTest, BrokenInputsEndCleanly) {
  std::mt19937 random(12345);
  std::string garbage;
  for (int i = 0; i < 8192; ++i) garbage += static_cast<char>(random() & 0xff);
  // Lines 8 to 26,100 are reactions: line 26,000 is the first past the
  // table's 25,999 rows.
  std::string many_lines =
      "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH O OH O2\r\nEND\r\nREACTIONS\r\n";
  for (int line = 8; line <= 26100; ++line) many_lines += "H+O2=OH+O 1 0 0\r\n";
  many_lines += "END\r\n";
  const std::string species =
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\n";
  const char* unreadable =
      "kestrelon: mech.inp: Your file can not be treated!\n";
  struct Case {
    const char* name;
    std::string text;
    const char* exits;   // the statuses allowed, as digits
    const char* prefix;  // of stderr
    const char* holds;   // a word stderr must hold
  } cases[] = {
      {"empty", "", "2", unreadable, ""},
      {"garbage", garbage, "12", "kestrelon: mech.inp", ""},
      {"NUL bytes only", std::string(5000, '\0'), "2", unreadable, ""},
      {"more than 25,999 lines", many_lines, "1",
       "kestrelon: mech.inp:26000: ", "25999"},
      // Three ENDs, but no SPECIES section after the elements' END (line 3).
      {"no species",
       "ELEMENTS\r\nH O\r\nEND\r\nREACTIONS\r\nH+O2=OH+O 1 0 "
       "0\r\nEND\r\nEND\r\n",
       "1", "kestrelon: mech.inp:3: ", "SPECIES"},
      // The thermodynamic section takes the END of the reactions with it.
      {"thermo without END",
       species + "THERMO\r\nH2 DATA\r\nREACTIONS\r\nH2=H+H 1E14 0 0\r\nEND\r\n",
       "1", "kestrelon: mech.inp:", ""},
      // With the thermodynamic END there are three; REACTIONS (line 10) is
      // never closed.
      {"REACTIONS without END, with thermo",
       species + "THERMO\r\nH2 DATA\r\nEND\r\nREACTIONS\r\nH2=H+H 1E14 0 0\r\n",
       "1", "kestrelon: mech.inp:10: ", "REACTIONS"},
      {"REACTIONS without END", species + "REACTIONS\r\nH2=H+H 1E14 0 0\r\n",
       "2", unreadable, ""},
      {"sections out of order",
       "REACTIONS\r\nH2=H+H 1E14 0 0\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\n"
       "ELEMENTS\r\nH\r\nEND\r\n",
       "1", "kestrelon: mech.inp:", ""},
      {"reaction without coefficients",
       species + "REACTIONS\r\nH2=H+H\r\nEND\r\n", "1",
       "kestrelon: mech.inp:", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    ProcessResult r = Clean(dir, c.text);
    EXPECT_NE(std::string(c.exits).find('0' + r.status), std::string::npos)
        << "exit " << r.status;
    EXPECT_EQ(r.err.rfind(c.prefix, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.holds), std::string::npos) << r.err;
  }
}

TEST(HostileTest, InputsThatAreNoFile) {
  ScratchDir dir;
  fs::create_directory(dir / "adir.inp");
  // A FIFO without a writer must not make the run wait.
  ASSERT_EQ(::mkfifo((dir / "pipe.inp").c_str(), 0644), 0);
  struct Case {
    const char* input;
    const char* err;
  } cases[] = {
      {"adir.inp", "kestrelon: adir.inp: is not a regular file\n"},
      {"pipe.inp", "kestrelon: pipe.inp: is not a regular file\n"},
      {"missing.inp",
       "kestrelon: missing.inp: cannot open: No such file or directory\n"},
  };
  for (const Case& c : cases) {
    ProcessResult r = RunKestrelon({"clean", c.input}, dir.path());
    EXPECT_EQ(r.status, 1) << c.input;
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"adir.inp", "pipe.inp"}));
}

TEST(HostileTest, ANameTakenByADirectoryEndsTheRunWithTheReason) {
  for (const char* taken : {"tempo.int", "tempo3.int", "mechkelvin.rxn"}) {
    ScratchDir dir;
    fs::create_directory(dir / taken);
    ProcessResult r = Clean(dir, kSmall);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "kestrelon: " + Named(dir) + taken +
                         ": cannot create: Is a directory\n");
    EXPECT_TRUE(fs::is_directory(dir / taken));
  }
}

// A link planted for a working or an output file either ends the run with
// the reason, or is removed and replaced by a file of the run; its target
// never changes.
TEST(HostileTest, APlantedLinkIsNeverWrittenThrough) {
  ScratchDir elsewhere;
  const std::string precious = elsewhere.Write("precious.txt", "KEEP\n");
  for (const char* name : {"tempo.int", "tempo2.int", "tempo6.int",
                           "mechthermo.dat", "mechcal.rxn"}) {
    SCOPED_TRACE(name);
    ScratchDir dir;
    fs::create_symlink(precious, dir / name);
    ProcessResult r =
        Clean(dir,
              "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nTHERMO\r\n"
              "H2 DATA\r\nEND\r\nREACTIONS\r\nH2=H+H 1E14 0 50000\r\nEND\r\n");
    if (r.status == 0) {
      EXPECT_FALSE(fs::is_symlink(dir / name));
    } else {
      EXPECT_EQ(r.err, "kestrelon: " + Named(dir) + name +
                           ": is a symbolic link; refusing to write through "
                           "it\n");
    }
    EXPECT_EQ(elsewhere.Read("precious.txt"), "KEEP\n");
  }
}

TEST(HostileTest, AReadOnlyDirectoryEndsTheRunWithTheReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
  ScratchDir dir;
  dir.Write("mech.inp", kSmall);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
  ProcessResult r = RunKestrelon({"clean", "mech.inp"}, dir.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "kestrelon: " + Named(dir) +
                       "tempo.int: cannot create: Permission denied\n");
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"mech.inp"});
}

// Numbers beyond the double range, or conversions that leave it, end the
// run at the line that holds them; they never print as "inf".
TEST(HostileTest, NonFiniteNumbersEndTheRunAtTheirLine) {
  const std::string head =
      "ELEMENTS\r\nA B\r\nEND\r\nSPECIES\r\nA B C D E "
      "F\r\nEND\r\nREACTIONS\r\n";
  struct Case {
    std::string reactions;
    const char* option;
    const char* line;  // empty: the layout passes work on the written
                       // files, whose lines are not the input's
  } cases[] = {
      {"A+B=C+D 1.0E400 0 1000", "--unit=cal", "8"},
      {"A+B=C+D 1.0E13 -1E999 1000", "--unit=cal", "8"},
      {"A+B=C+D 1.0E13 0 1E400", "--unit=cal", "8"},
      // 1E306 kJ/mol is beyond any double once multiplied by 1000.
      {"A+B=C+D 1.0E13 0 1E306", "--unit=kj", "8"},
      {"A+B=C+D 1E13 0 0\r\nA+B+C+D=E+F 1E13 0 1E400", "--unit=cal", "9"},
      {"A+B(+M)=C(+M) 1E13 0 0\r\nLOW / 1E400 0 0 /", "--unit=cal", ""},
      {"A+B=C+D 1E13 0 0\r\nREV / 1E13 0 1E309 /", "--unit=cal", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reactions);
    ScratchDir dir;
    ProcessResult r =
        Clean(dir, head + c.reactions + "\r\nEND\r\n", {c.option});
    EXPECT_EQ(r.status, 1);
    if (*c.line) {
      EXPECT_EQ(r.err, std::string("kestrelon: mech.inp:") + c.line +
                           ": number out of range\n");
    } else {
      EXPECT_NE(r.err.find("number out of range"), std::string::npos) << r.err;
    }
    for (const std::string& name : dir.Files()) {
      std::string text = dir.Read(name);
      EXPECT_EQ(text.find("inf"), std::string::npos) << name;
      EXPECT_EQ(text.find("INF"), std::string::npos) << name;
    }
  }
}

// Bytes above 127 and NUL bytes are copied through; only the ASCII letters
// are upper-cased.
TEST(HostileTest, BytesAboveAsciiAndNulBytesAreCopiedThrough) {
  using namespace std::string_literals;
  struct Case {
    std::string text;
    std::string cleaned;
  } cases[] = {
      {"elements\r\nh o\r\nend\r\nspecies\r\nh2 o2 caf\xc3\xa9 \xe9t\xe9\r\n"
       "end\r\nreactions\r\nh2+o2=caf\xc3\xa9+\xe9t\xe9 1.0e13 0 1000 ! "
       "\xff\r\n"
       "end\r\n",
       "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\nH2   O2   CAF\xc3\xa9   "
       "\xe9T\xe9"
       "\r\nEND\r\nREACTIONS\r\nH2+O2<=>CAF\xc3\xa9+\xe9T\xe9 1.000E+13 0.0000 "
       "1000.0\r\nEND\r\n"},
      {"ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\0X\r\nEND\r\nREACTIONS\r\n"
       "H2=H+H 1E14 0 50000 !\0\r\nEND\r\n"s,
       "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2   H\0X\r\nEND\r\nREACTIONS\r\n"
       "H2<=>H+H 1.000E+14 0.0000 50000.0\r\nEND\r\n"s},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    ProcessResult r = Clean(dir, c.text);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(dir.Read("mechcal.rxn") == c.cleaned)
        << dir.Read("mechcal.rxn");
  }
}

// A comment line and a species line of a million characters each, and a
// 50 MB file of 2,000-character comment lines around a small mechanism: both
// finish in seconds.
TEST(HostileTest, HugeLinesAndFilesFinishPromptly) {
  std::string species;
  for (int i = 0; species.size() < 1000000; ++i) {
    species += "S" + std::to_string(i) + "  ";
  }
  const std::string comment = "!" + std::string(1997, 'c') + "\r\n";
  std::string fifty;
  for (int i = 0; i < 12500; ++i) fifty += comment;
  fifty += kSmall;
  for (int i = 0; i < 12500; ++i) fifty += comment;
  ASSERT_GT(fifty.size(), 50u * 1000 * 1000);
  struct Case {
    std::string text;
    const char* cleaned;  // the start of the written species line
  } cases[] = {
      {"! " + std::string(1000000, 'x') +
           "\r\nELEMENTS\r\nH\r\nEND\r\n"
           "SPECIES\r\n" +
           species +
           "\r\nEND\r\nREACTIONS\r\n"
           "S1+S2=S3+S4 1E13 0 0\r\nEND\r\n",
       "\r\nS0   S1   S2   S3   S4   "},
      {fifty, "\r\nH2   O2   OH\r\n"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    auto start = std::chrono::steady_clock::now();
    ProcessResult r = Clean(dir, c.text);
    std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - start;
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(dir.Read("mechcal.rxn").find(c.cleaned), std::string::npos);
    EXPECT_LT(took.count(), kSeconds);
    EXPECT_FALSE(HasWorkingFile(dir));
  }
}

}  // namespace

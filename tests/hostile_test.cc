// Hostile input and hostile surroundings for whole cleaning runs through the
// command line: whatever comes in, the run answers with a result or a clear
// failure (exit 1 with the reason on stderr, or exit 2 for an unreadable
// file), never crashes or hangs, never changes the input, and never writes
// through a link planted in its directory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "platform/scripted_ui.h"
#include "rename/rename_session.h"
#include "run/run_driver.h"
#include "table/working_table.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSlowdown = 4;
#else
constexpr double kSlowdown = 1;
#endif
#else
constexpr double kSlowdown = 1;
#endif

struct CliResult {
  int exit_code = -1;  // -1: killed by a signal or timed out
  int signal = 0;
  bool timed_out = false;
  double seconds = 0;
  std::string out;
  std::string err;
};

// The bytes of a literal, NUL bytes included.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs `kestrelon clean ARGS...` as a process of its own, with an optional
// limit on the size of the files it writes (a full disk, for root too).
CliResult RunClean(const std::vector<std::string>& args,
                   const std::string& scratch, double timeout_seconds = 60,
                   rlim_t file_size_limit = RLIM_INFINITY) {
  std::string out_path = scratch + "/stdout";
  std::string err_path = scratch + "/stderr";
  std::vector<std::string> argv_text = {KESTRELON_BINARY, "clean"};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  auto start = Clock::now();
  pid_t child = ::fork();
  if (child == 0) {
    int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0) _exit(120);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (file_size_limit != RLIM_INFINITY) {
      ::signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit = {file_size_limit, file_size_limit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::execv(argv[0], argv.data());
    _exit(121);
  }
  CliResult result;
  if (child < 0) return result;
  int status = 0;
  for (;;) {
    pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) break;
    std::chrono::duration<double> took = Clock::now() - start;
    if (took.count() > timeout_seconds) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      result.timed_out = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!result.timed_out) {
    if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  }
  result.out = Content(out_path);
  result.err = Content(err_path);
  return result;
}

const char kWorkingFiles[][12] = {"tempo.int",  "tempo2.int", "tempo3.int",
                                  "tempo4.int", "tempo5.int", "tempo6.int"};

// A small mechanism without a thermodynamic section; its reaction stands on
// line 8.
const char kSmall[] =
    "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\nH2 O2 OH\r\nEND\r\nREACTIONS\r\n"
    "H2+O2=OH+OH 1.0E13 0 1000\r\nEND\r\n";

class HostileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "hostileXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    scratch_ = tmpl;
    dir_ = scratch_ + "/mechs/";
    fs::create_directory(dir_);
  }
  void TearDown() override {
    ::chmod(dir_.c_str(), 0755);
    fs::remove_all(scratch_);
  }

  std::string Make(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + name, std::ios::binary) << text;
    return dir_ + name;
  }

  CliResult Clean(const std::string& input, std::vector<std::string> more = {},
                  double timeout = 60, rlim_t limit = RLIM_INFINITY) {
    more.insert(more.begin(), input);
    more.push_back("--quiet");
    CliResult r = RunClean(more, scratch_, timeout * kSlowdown, limit);
    EXPECT_FALSE(r.timed_out) << input << " did not finish";
    EXPECT_EQ(r.signal, 0) << input << " crashed";
    return r;
  }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) {
      names.insert(e.path().filename().string());
    }
    return names;
  }

  bool HasWorkingFile() const {
    for (const char* w : kWorkingFiles) {
      if (fs::exists(fs::symlink_status(dir_ + w))) return true;
    }
    return false;
  }

  // A planted link either ends the run with the reason, or was removed and
  // replaced by a file of the run; its target is checked by the caller.
  void ExpectRefusedOrRemoved(const CliResult& r, const std::string& name) {
    if (r.exit_code == 0) {
      EXPECT_FALSE(fs::is_symlink(dir_ + name));
      return;
    }
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "kestrelon: " + dir_ + name +
                         ": is a symbolic link; refusing to write through "
                         "it\n");
  }

  std::string scratch_;
  std::string dir_;  // the directory of the mechanisms, ends with "/"
};

TEST_F(HostileTest, CleanRunWritesTheThreeFilesAndNoWorkingFile) {
  std::string input = Make("mech.inp", kSmall);
  CliResult r = Clean(input);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Files(), (std::set<std::string>{"mech.inp", "mechj.rxn",
                                            "mechcal.rxn", "mechkelvin.rxn"}));
  EXPECT_EQ(Content(input), kSmall);
}

// Inputs that are no mechanism at all, or broken ones: every one ends with
// a result or a failure, the input unchanged.
TEST_F(HostileTest, BrokenInputsEndCleanly) {
  std::mt19937 random(12345);
  std::string garbage;
  for (int i = 0; i < 8192; ++i) garbage += static_cast<char>(random() & 0xff);
  std::string many_lines = "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\n";
  for (int i = 0; i < 26000; ++i)
    many_lines += "H" + std::to_string(i) + "\r\n";
  many_lines += "END\r\nREACTIONS\r\nH+H=H2 1E13 0 0\r\nEND\r\n";

  struct Case {
    const char* name;
    std::string text;
    std::set<int> exits;
  } cases[] = {
      {"empty", "", {2}},
      {"garbage", garbage, {1, 2}},
      {"nul bytes only", std::string(5000, '\0'), {2}},
      {"ends but nothing else", "END\r\nEND\r\nEND\r\n", {1}},
      {"lf only",
       "ELEMENTS\nH\nEND\nSPECIES\nH2\nEND\nREACTIONS\nEND\n",
       {0, 1}},
      // 26,000 species lines do not fit into the working table.
      {"more than 25,999 lines", many_lines, {1}},
      // The thermodynamic section takes the END of the reactions with it.
      {"thermo without end",
       "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nTHERMO\r\n"
       "H2 DATA\r\nREACTIONS\r\nH2=H+H 1E14 0 50000\r\nEND\r\n",
       {1}},
      // Three END lines with the thermodynamic one: the reaction section has
      // none of its own.
      {"reactions without end, with thermo",
       "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nTHERMO\r\nH2 DATA\r\n"
       "END\r\nREACTIONS\r\nH2=H+H 1E14 0 50000\r\n",
       {1}},
      {"reactions without end",
       "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nREACTIONS\r\n"
       "H2=H+H 1E14 0 50000\r\n",
       {2}},
      {"sections out of order",
       "REACTIONS\r\nH2=H+H 1E14 0 0\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\n"
       "ELEMENTS\r\nH\r\nEND\r\n",
       {1}},
      {"reaction without coefficients",
       "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nREACTIONS\r\n"
       "H2=H+H\r\nEND\r\n",
       {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::string input = Make("mech.inp", c.text);
    CliResult r = Clean(input);
    EXPECT_TRUE(c.exits.count(r.exit_code)) << "exit " << r.exit_code;
    if (r.exit_code == 1) {
      EXPECT_EQ(r.err.rfind("kestrelon: ", 0), 0u) << r.err;
      EXPECT_GT(r.err.size(), 12u);
    }
    if (r.exit_code == 0) {
      EXPECT_FALSE(HasWorkingFile());
    }
    EXPECT_EQ(Content(input), c.text);
  }
}

TEST_F(HostileTest, InputsThatAreNoFile) {
  fs::create_directory(dir_ + "adir.inp");
  // A FIFO without a writer must not make the run wait.
  ASSERT_EQ(::mkfifo((dir_ + "pipe.inp").c_str(), 0644), 0);
  struct Case {
    std::string input;
    std::string err;
  } cases[] = {
      {dir_ + "adir.inp",
       "kestrelon: " + dir_ + "adir.inp: is not a regular file\n"},
      {dir_ + "missing.inp", "kestrelon: " + dir_ +
                                 "missing.inp: cannot open: No such file or "
                                 "directory\n"},
      {dir_ + "pipe.inp",
       "kestrelon: " + dir_ + "pipe.inp: is not a regular file\n"},
  };
  for (const Case& c : cases) {
    CliResult r = Clean(c.input);
    EXPECT_EQ(r.exit_code, 1) << c.input;
    EXPECT_EQ(r.err, c.err);
  }
  EXPECT_EQ(Files(), (std::set<std::string>{"adir.inp", "pipe.inp"}));
}

TEST_F(HostileTest, AnInputNamedLikeAWorkingFileIsRefused) {
  for (const char* w : kWorkingFiles) {
    SCOPED_TRACE(w);
    std::string input = Make(w, kSmall);
    CliResult r = Clean(input, {"--name", "out"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("working file"), std::string::npos) << r.err;
    EXPECT_EQ(Content(input), kSmall);
    EXPECT_EQ(Files(), std::set<std::string>{w});
    fs::remove(input);
  }
}

TEST_F(HostileTest, ALinkPlantedForAWorkingFileIsNeverWrittenThrough) {
  std::string precious = scratch_ + "/precious.txt";
  std::ofstream(precious) << "KEEP\n";
  for (const char* w : kWorkingFiles) {
    SCOPED_TRACE(w);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::string input = Make("mech.inp", kSmall);
    fs::create_symlink(precious, dir_ + w);
    CliResult r = Clean(input);
    ExpectRefusedOrRemoved(r, w);
    EXPECT_EQ(Content(precious), "KEEP\n");
    EXPECT_EQ(Content(input), kSmall);
  }
}

TEST_F(HostileTest, ALinkPlantedForAnOutputFileIsNeverWrittenThrough) {
  const char* thermo_mech =
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nTHERMO\r\n"
      "H2 DATA\r\nEND\r\nREACTIONS\r\nH2=H+H 1E14 0 50000\r\nEND\r\n";
  std::string precious = scratch_ + "/precious.txt";
  std::ofstream(precious) << "KEEP\n";
  for (const char* out :
       {"mechthermo.dat", "mechj.rxn", "mechcal.rxn", "mechkelvin.rxn"}) {
    SCOPED_TRACE(out);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::string input = Make("mech.inp", thermo_mech);
    fs::create_symlink(precious, dir_ + out);
    CliResult r = Clean(input);
    ExpectRefusedOrRemoved(r, out);
    EXPECT_EQ(Content(precious), "KEEP\n");
    EXPECT_EQ(Content(input), thermo_mech);
  }
}

TEST_F(HostileTest, ANameTakenByADirectoryEndsTheRunWithTheReason) {
  for (const char* taken : {"tempo.int", "tempo3.int", "tempo5.int",
                            "mechj.rxn", "mechkelvin.rxn"}) {
    SCOPED_TRACE(taken);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::string input = Make("mech.inp", kSmall);
    fs::create_directory(dir_ + taken);
    CliResult r = Clean(input);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "kestrelon: " + dir_ + taken +
                         ": cannot create: Is a directory\n");
    EXPECT_TRUE(fs::is_directory(dir_ + taken));
    EXPECT_EQ(Content(input), kSmall);
  }
}

TEST_F(HostileTest, AReadOnlyDirectoryEndsTheRunWithTheReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
  std::string input = Make("mech.inp", kSmall);
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  CliResult r = Clean(input);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "kestrelon: " + dir_ +
                       "tempo.int: cannot create: Permission denied\n");
  EXPECT_EQ(Files(), std::set<std::string>{"mech.inp"});
}

TEST_F(HostileTest, AFullDiskEndsTheRunWithTheReason) {
  // The working copy is as long as the input, which passes the limit.
  std::string text = kSmall;
  text.insert(0, std::string(3000, ' ') + "! padding\r\n");
  std::string input = Make("mech.inp", text);
  CliResult r = Clean(input, {}, 60, 2048);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err,
            "kestrelon: " + dir_ + "tempo.int: cannot write: File too large\n");
  EXPECT_EQ(Content(input), text);
}

TEST_F(HostileTest, ReadingAnInputThroughALinkTheUserChoseWorks) {
  fs::create_directory(scratch_ + "/elsewhere");
  std::string real = scratch_ + "/elsewhere/real.inp";
  std::ofstream(real, std::ios::binary) << kSmall;
  fs::create_symlink(real, dir_ + "mech.inp");
  CliResult r = Clean(dir_ + "mech.inp");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // The outputs go next to the path the user chose.
  EXPECT_TRUE(fs::exists(dir_ + "mechcal.rxn"));
  EXPECT_EQ(Content(real), kSmall);
  EXPECT_FALSE(HasWorkingFile());
}

// Numbers beyond the double range, or conversions that leave it, end the
// run at the line that holds them; they never print as "inf".
TEST_F(HostileTest, NonFiniteNumbersEndTheRunAtTheirLine) {
  auto AtLine = [this](int line) {
    return "kestrelon: " + dir_ + "big.inp:" + std::to_string(line) +
           ": number out of range\n";
  };
  const std::string kAnywhere = "anywhere";
  auto mech = [](const std::string& reaction_lines) {
    return "ELEMENTS\r\nA B\r\nEND\r\nSPECIES\r\nA B C D E F\r\nEND\r\n"
           "REACTIONS\r\n" +
           reaction_lines + "END\r\n";
  };
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> options;
    std::string err;
  } cases[] = {
      {"A", mech("A+B=C+D 1.0E400 0 1000\r\n"), {}, AtLine(8)},
      {"n", mech("A+B=C+D 1.0E13 -1E999 1000\r\n"), {}, AtLine(8)},
      {"Ea", mech("A+B=C+D 1.0E13 0 1E400\r\n"), {}, AtLine(8)},
      {"Ea converted from kJ",
       mech("A+B=C+D 1.0E13 0 1E306\r\n"),
       {"--unit", "kj"},
       AtLine(8)},
      {"non-elementary Ea",
       mech("A+B=C+D 1E13 0 0\r\nA+B+C+D=E+F 1E13 0 1E400\r\n"),
       {},
       AtLine(9)},
      {"LOW line",
       mech("A+B(+M)=C(+M) 1E13 0 0\r\nLOW / 1E400 0 0 /\r\n"),
       {},
       kAnywhere},
      {"REV line",
       mech("A+B=C+D 1E13 0 0\r\nREV / 1E13 0 1E309 /\r\n"),
       {},
       kAnywhere},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    std::string input = Make("big.inp", c.text);
    CliResult r = Clean(input, c.options);
    EXPECT_EQ(r.exit_code, 1);
    if (c.err == kAnywhere) {
      // The layout passes work on the written files, whose lines are not
      // the input's: the reason is enough there.
      EXPECT_NE(r.err.find("number out of range"), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.err, c.err);
    }
    for (const std::string& name : Files()) {
      std::string text = Content(dir_ + name);
      EXPECT_EQ(text.find("inf"), std::string::npos) << name;
      EXPECT_EQ(text.find("INF"), std::string::npos) << name;
    }
  }
}

TEST_F(HostileTest, BytesAboveAsciiAreCopiedThrough) {
  // Latin-1 and UTF-8 letters: only the ASCII letters are upper-cased.
  std::string input = Make(
      "mech.inp",
      "elements\r\nh o\r\nend\r\nspecies\r\nh2 o2 caf\xc3\xa9 \xe9t\xe9\r\n"
      "end\r\nreactions\r\nh2+o2=caf\xc3\xa9+\xe9t\xe9 1.0e13 0 1000 ! \xff\r\n"
      "end\r\n");
  CliResult r = Clean(input);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(Content(dir_ + "mechcal.rxn"),
            "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\n"
            "H2   O2   CAF\xc3\xa9   \xe9T\xe9\r\nEND\r\nREACTIONS\r\n"
            "H2+O2<=>CAF\xc3\xa9+\xe9T\xe9 1.000E+13 0.0000 1000.0\r\n"
            "END\r\n");
}

TEST_F(HostileTest, NulBytesInsideLinesAreCopiedThrough) {
  std::string text = Bytes(
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\0X\r\nEND\r\nREACTIONS\r\n"
      "H2=H+H 1E14 0 50000 !\0\r\nEND\r\n");
  std::string input = Make("mech.inp", text);
  CliResult r = Clean(input);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(Content(dir_ + "mechcal.rxn"),
            Bytes("ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2   H\0X\r\nEND\r\n"
                  "REACTIONS\r\nH2<=>H+H 1.000E+14 0.0000 50000.0\r\n"
                  "END\r\n"));
  EXPECT_EQ(Content(input), text);
}

TEST_F(HostileTest, AMillionCharacterLineFinishesPromptly) {
  // One comment line of a million characters, and a species line of a
  // million characters (names with blanks between them).
  std::string species;
  for (int i = 0; species.size() < 1000000; ++i) {
    species += "S" + std::to_string(i) + "  ";
  }
  std::string text = "! " + std::string(1000000, 'x') + "\r\n" +
                     "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\n" + species +
                     "\r\nEND\r\nREACTIONS\r\nS1+S2=S3+S4 1E13 0 0\r\nEND\r\n";
  std::string input = Make("mech.inp", text);
  CliResult r = Clean(input, {}, 10);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  std::string cal = Content(dir_ + "mechcal.rxn");
  // Two blanks between names become three.
  EXPECT_NE(cal.find("\r\nS0   S1   S2   S3   S4   "), std::string::npos);
  EXPECT_LT(r.seconds, 10 * kSlowdown);
}

TEST_F(HostileTest, AFiftyMegabyteFileFinishesInSeconds) {
  // 25,000 lines of 2,000 characters: long comment lines (dropped once
  // their comments are cut) around a small mechanism.
  std::string text;
  text.reserve(52 * 1000 * 1000);
  std::string comment = "!" + std::string(1997, 'c') + "\r\n";
  for (int i = 0; i < 12500; ++i) text += comment;
  text += kSmall;
  for (int i = 0; i < 12500; ++i) text += comment;
  ASSERT_GT(text.size(), 50u * 1000 * 1000);
  std::string input = Make("mech.inp", text);
  CliResult r = Clean(input, {}, 20);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_LT(r.seconds, 10 * kSlowdown);
  EXPECT_EQ(Content(dir_ + "mechcal.rxn"),
            "ELEMENTS\r\nH   O\r\nEND\r\nSPECIES\r\nH2   O2   OH\r\nEND\r\n"
            "REACTIONS\r\nH2+O2<=>OH+OH 1.000E+13 0.0000 1000.0\r\nEND\r\n");
  EXPECT_FALSE(HasWorkingFile());
}

// The rename dialog rewrites the written files through the working file.
// Links planted while the dialog is open (in place of the working file, or
// of a written file) must not let the rename reach their targets.
TEST_F(HostileTest, LinksPlantedDuringTheRenameDialogAreNotWrittenThrough) {
  using kestrelon::RenameResult;
  std::string precious = scratch_ + "/precious.txt";
  struct Case {
    const char* planted;
    bool replaces_output;
  } cases[] = {{"tempo3.int", false}, {"mechcal.rxn", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.planted);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    // The target holds the name too, so the rename would change it.
    std::ofstream(precious, std::ios::binary) << kSmall;
    std::string input = Make("mech.inp", kSmall);
    kestrelon::ScriptedUi ui;
    ui.chosen_file = input;
    ui.answers = {"mech"};
    std::string before;
    RenameResult result;
    ui.on_rename_dialog = [&](kestrelon::RenameSession& session) {
      before = Content(dir_ + "mechj.rxn");
      if (c.replaces_output) fs::remove(dir_ + c.planted);
      fs::create_symlink(precious, dir_ + c.planted);
      result = session.Rename("O2", "OXY");
    };
    kestrelon::WorkingTable table;
    kestrelon::RunOutcome outcome = kestrelon::RunCleaning(ui, table);
    EXPECT_EQ(outcome.kind, kestrelon::RunOutcome::Kind::kSuccess);
    EXPECT_EQ(result.status, RenameResult::Status::kFailed);
    EXPECT_NE(result.label.find("symbolic link"), std::string::npos)
        << result.label;
    EXPECT_EQ(Content(precious), kSmall);
    EXPECT_TRUE(fs::is_symlink(dir_ + c.planted) ||
                !fs::exists(fs::symlink_status(dir_ + c.planted)));
    // The other files are left as the run wrote them.
    EXPECT_EQ(Content(dir_ + "mechj.rxn"), before);
    EXPECT_EQ(Content(input), kSmall);
  }
}

}  // namespace

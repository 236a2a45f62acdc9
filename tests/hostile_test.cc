// Hostile input and hostile surroundings for whole cleaning runs through the
// command line that a case file cannot set up (random bytes, huge inputs,
// links, FIFOs, read-only folders, a memory limit, a lock held by another
// run): whatever comes in, the run answers with a result or a
// clear failure, never crashes, never changes the input, and never writes
// through a link planted in its directory. The cases of tests/cases/
// hostile.txt hold the rest.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "platform/dir_lock.h"
#include "tests/support/process_support.h"

namespace {

namespace fs = std::filesystem;
using kestrelon::testing_support::ProcessResult;
using kestrelon::testing_support::ProcessSetup;
using kestrelon::testing_support::RunKestrelon;
using kestrelon::testing_support::ScratchDir;

// A small mechanism with a thermodynamic section.
const char kSmall[] =
    "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH2 H\r\nEND\r\nTHERMO\r\nH2 DATA\r\n"
    "END\r\nREACTIONS\r\nH2=H+H 1E14 0 50000\r\nEND\r\n";

// Writes `text` as mech.inp into `dir` and runs `kestrelon clean mech.inp
// --quiet` there; the run must neither crash nor change the input.
ProcessResult Clean(const ScratchDir& dir, const std::string& text) {
  dir.Write("mech.inp", text);
  ProcessResult r = RunKestrelon({"clean", "mech.inp", "--quiet"}, dir.path());
  EXPECT_NE(r.status, -1) << "the run crashed";
  EXPECT_TRUE(dir.Read("mech.inp") == text) << "the input changed";
  return r;
}

// Random bytes fail or are unreadable; NUL bytes alone are unreadable.
TEST(HostileTest, BrokenInputsEndCleanly) {
  std::mt19937 random(12345);
  std::string garbage;
  for (int i = 0; i < 8192; ++i) garbage += static_cast<char>(random() & 0xff);
  ScratchDir dir;
  ProcessResult r = Clean(dir, garbage);
  EXPECT_TRUE(r.status == 1 || r.status == 2) << "exit " << r.status;
  EXPECT_EQ(r.err.rfind("kestrelon: mech.inp", 0), 0u) << r.err;
  r = Clean(dir, std::string(5000, '\0'));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(
      r.err.rfind("kestrelon: mech.inp: Your file can not be treated!", 0), 0u)
      << r.err;
}

TEST(HostileTest, InputsThatAreNoFile) {
  ScratchDir dir;
  fs::create_directory(dir / "adir.inp");
  // A FIFO without a writer must not make the run wait.
  ASSERT_EQ(::mkfifo((dir / "pipe.inp").c_str(), 0644), 0);
  for (const char* input : {"adir.inp", "pipe.inp", "none.inp"}) {
    ProcessResult r = RunKestrelon({"clean", input}, dir.path());
    EXPECT_EQ(r.status, 1) << input;
    EXPECT_EQ(r.err, "kestrelon: " + std::string(input) +
                         (*input == 'n' ? ": cannot open: No such file or "
                                          "directory\n"
                                        : ": is not a regular file\n"));
  }
  EXPECT_EQ(dir.Files(), (std::vector<std::string>{"adir.inp", "pipe.inp"}));
}

// A directory in place of an output file ends the run with the reason. A
// link there either does too, or is removed and replaced by a file of the
// run; its target never changes. The working files of a run that goes well
// stay in memory: whatever holds their names is left as it is.
TEST(HostileTest, DirectoriesAndLinksWhereTheRunWrites) {
  ScratchDir elsewhere;
  const std::string precious = elsewhere.Write("precious.txt", "KEEP\n");
  for (const char* name : {"tempo.int", "tempo3.int", "tempo5.int",
                           "mechthermo.dat", "mechkelvin.rxn"}) {
    const bool working = std::string(name).rfind("tempo", 0) == 0;
    for (bool link : {false, true}) {
      SCOPED_TRACE(std::string(name) + (link ? " link" : " directory"));
      ScratchDir dir;
      if (link) {
        fs::create_symlink(precious, dir / name);
      } else {
        fs::create_directory(dir / name);
      }
      ProcessResult r = Clean(dir, kSmall);
      const std::string path = fs::canonical(dir.path()).string() + "/" + name;
      if (working) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(link ? fs::is_symlink(dir / name)
                         : fs::is_directory(dir / name));
      } else if (!link) {
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err,
                  "kestrelon: " + path + ": cannot create: Is a directory\n");
        EXPECT_TRUE(fs::is_directory(dir / name));
      } else if (r.status != 0) {
        EXPECT_EQ(r.err, "kestrelon: " + path +
                             ": is a symbolic link; refusing to write through "
                             "it\n");
      } else {
        EXPECT_FALSE(fs::is_symlink(dir / name));
      }
      // A failure publishes nothing: no output is half replaced.
      if (r.status != 0) {
        EXPECT_EQ(dir.Files().size(), 2u);
      }
      EXPECT_EQ(elsewhere.Read("precious.txt"), "KEEP\n");
    }
  }
}

TEST(HostileTest, AReadOnlyDirectoryEndsTheRunWithTheReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
  ScratchDir dir;
  dir.Write("mech.inp", kSmall);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
  ProcessResult r = RunKestrelon({"clean", "mech.inp"}, dir.path());
  EXPECT_EQ(r.status, 1);
  // The working files are in memory; the first file published is refused.
  EXPECT_EQ(r.err, "kestrelon: " + fs::canonical(dir.path()).string() +
                       "/mechthermo.dat: cannot create: Permission denied\n");
  EXPECT_EQ(dir.Files(), std::vector<std::string>{"mech.inp"});
}

// A comment line and a species line of a million characters each, and a
// 50 MB file of 2,000-character comment lines around a small mechanism,
// finish in seconds. No working file is left.
TEST(HostileTest, HugeInputs) {
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
    std::string cleaned;  // mechcal.rxn, or a part of it
  } cases[] = {
      {"! " + std::string(1000000, 'x') +
           "\r\nELEMENTS\r\nH\r\nEND\r\n"
           "SPECIES\r\n" +
           species +
           "\r\nEND\r\nREACTIONS\r\n"
           "S1+S2=S3+S4 1E13 0 0\r\nEND\r\n",
       "\r\nS0   S1   S2   S3   S4   "},
      {fifty, "\r\nH2   H\r\n"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    auto start = std::chrono::steady_clock::now();
    ProcessResult r = Clean(dir, c.text);
    std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - start;
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(dir.Read("mechcal.rxn").find(c.cleaned), std::string::npos);
    EXPECT_LT(took.count(), 10);  // even under the sanitizers
    for (const std::string& name : dir.Files()) {
      EXPECT_NE(name.rfind("tempo", 0), 0u) << name << " was left behind";
    }
  }
}

// Links in the input's directory: a clash of the input with a working file,
// or of an output with one, is refused before anything is written; a file
// linked to an output or to a stale working file keeps its content.
TEST(HostileTest, LinksNeverLetTheRunDestroyAFile) {
  const std::string working = "This name would overwrite a working file";
  struct Case {
    const char* what;
    std::function<void(const ScratchDir&, const std::string&)> plant;
    int status;
    std::string err;  // after "kestrelon: "
    std::vector<std::string> files;
  } cases[] = {
      {"input linked to tempo3.int",
       [](const ScratchDir& d, const std::string&) {
         fs::rename(d / "mech.inp", d / "tempo3.int");
         fs::create_symlink("tempo3.int", d / "mech.inp");
       },
       1,
       "mech.inp: the input file is the working file tempo3.int of the run "
       "under another name (a link); rename or move it first\n",
       {"mech.inp", "tempo3.int"}},
      {"tempo.int a hard link of the input",
       [](const ScratchDir& d, const std::string&) {
         fs::create_hard_link(d / "mech.inp", d / "tempo.int");
       },
       1,
       "mech.inp: the input file is the working file tempo.int of the run "
       "under another name (a link); rename or move it first\n",
       {"mech.inp", "tempo.int"}},
      {"an output a hard link of a stale tempo5.int",
       [](const ScratchDir& d, const std::string&) {
         d.Write("tempo5.int", "STALE");
         fs::create_hard_link(d / "tempo5.int", d / "mechj.rxn");
       },
       64,
       "--name mech: " + working +
           " of the run.\nrun 'kestrelon --help' for the options\n",
       {"mech.inp", "mechj.rxn", "tempo5.int"}},
      {"an output a hard link of a file elsewhere",
       [](const ScratchDir& d, const std::string& precious) {
         fs::create_hard_link(precious, d / "mechj.rxn");
       },
       0,
       "",
       {"mech.inp", "mechcal.rxn", "mechj.rxn", "mechkelvin.rxn",
        "mechthermo.dat"}},
      // A run that succeeds keeps its working files in memory: the stale
      // one is left as it was.
      {"a stale tempo.int a hard link of a file elsewhere",
       [](const ScratchDir& d, const std::string& precious) {
         fs::create_hard_link(precious, d / "tempo.int");
       },
       0,
       "",
       {"mech.inp", "mechcal.rxn", "mechj.rxn", "mechkelvin.rxn",
        "mechthermo.dat", "tempo.int"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir, elsewhere;
    const std::string precious = elsewhere.Write("precious.txt", "KEEP\n");
    dir.Write("mech.inp", kSmall);
    c.plant(dir, precious);
    ProcessResult r =
        RunKestrelon({"clean", "mech.inp", "--quiet"}, dir.path());
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err.empty() ? "" : "kestrelon: " + c.err);
    EXPECT_EQ(dir.Files(), c.files);
    EXPECT_EQ(dir.Read("mech.inp"), kSmall);
    EXPECT_EQ(elsewhere.Read("precious.txt"), "KEEP\n");
    if (c.status == 0) {
      EXPECT_EQ(dir.Read("mechj.rxn").rfind("ELEMENTS", 0), 0u);
    }
  }
}

TEST(HostileTest, OutOfMemoryIsReportedByEveryCommand) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space";
#endif
  ScratchDir dir;
  dir.Write("big.inp", std::string(60 << 20, 'x'));
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {{{"clean", "big.inp"}, 1},
               {{"compare", "big.inp", "big.inp"}, 2}};
  for (const auto& c : cases) {
    ProcessResult r = RunKestrelon(c.args, dir.path(), {"", 48 << 20});
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.err, "kestrelon: out of memory\n") << c.args[0];
  }
}

// Another run holds the directory for longer than the run waits.
TEST(HostileTest, WaitingGivesUpWithTheReason) {
  ScratchDir dir;
  dir.Write("mech.inp", kSmall);
  kestrelon::DirectoryLock other(dir.path());
  ProcessResult r = RunKestrelon(
      {"clean", "--quiet", "--wait", "0.2", "mech.inp"}, dir.path());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "kestrelon: mech.inp: waiting for another run in this directory\n"
            "kestrelon: " +
                fs::canonical(dir.path()).string() +
                "/: another run still holds this directory; gave up "
                "waiting\n");
}

}  // namespace

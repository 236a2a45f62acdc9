// A run stopped anywhere (killed, interrupted, out of disk space, past a
// file-size limit) leaves each output either as the run before wrote it or
// as this run writes it, byte for byte, and the input as it was; the next
// run succeeds and leaves no temporary file. The faults are injected with
// strace at chosen system calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::ProcessResult;
using testing_support::RunKestrelon;
using testing_support::ScratchDir;

constexpr const char* kOutputs[] = {"mthermo.dat", "mj.rxn", "mcal.rxn",
                                    "mkelvin.rxn"};

// A THERMO section, fall-off and REV lines and a non-elementary reaction,
// long enough that each output takes several kilobytes.
std::string Mechanism() {
  std::string text =
      "ELEMENTS\nH O N\nEND\nSPECIES\nH O OH H2 O2 HO2 H2O N2\nEND\nTHERMO\n"
      "   300.000  1000.000  5000.000\nH2  DATA 1\n  2.0 3.0 4.0\nEND\n"
      "REACTIONS\n";
  for (int i = 0; i < 60; ++i) {
    const std::string ea = std::to_string(1000 + 37 * i) + ".0";
    text += "H+O2(+M)=HO2(+M) 4.65E12 0.44 " + ea + "\nLOW/1.04E+26 -2.76 " +
            ea + "/\nH2O/12/ H2/2/\nDUP\n";
    text += "H+OH=H2O 1.0E13 0 -" + ea + "\nREV / 1.0E13 0.5 " + ea + " /\n";
    text += "H+H+H+O2=H2+HO2 1.0E10 0 " + ea + "\n";
  }
  return text + "END\n";
}

std::map<std::string, std::string> Outputs(const ScratchDir& dir) {
  std::map<std::string, std::string> files;
  for (const char* name : kOutputs) {
    if (fs::exists(dir / name)) files[name] = dir.Read(name);
  }
  return files;
}

class InterruptedRunTest : public testing::Test {
 protected:
  void SetUp() override {
    // The outputs before: Ea read in kJ/mol. After: in cal/mol.
    ASSERT_EQ(Clean(old_dir_, {"--unit", "kj"}).status, 0);
    ASSERT_EQ(Clean(new_dir_, {}).status, 0);
    old_ = Outputs(old_dir_);
    new_ = Outputs(new_dir_);
    ASSERT_EQ(old_.size(), 4u);
    ASSERT_NE(old_, new_);
  }

  ProcessResult Clean(const ScratchDir& dir, std::vector<std::string> options,
                      const std::vector<std::string>& under = {}) {
    if (!fs::exists(dir / "m.inp")) dir.Write("m.inp", Mechanism());
    options.insert(options.begin(), {"clean", "m.inp", "--name", "m"});
    options.push_back("--quiet");
    return RunKestrelon(options, dir.path(), {.under = under});
  }

  // A directory holding the input and the outputs of the run before.
  void Prepare(const ScratchDir& dir) {
    dir.Write("m.inp", Mechanism());
    for (const auto& [name, text] : old_) dir.Write(name, text);
  }

  // Every output old or new as a whole, the input untouched; after the
  // next run, the new outputs and nothing else.
  void ExpectWholeFilesThenARun(const ScratchDir& dir, const std::string& at) {
    SCOPED_TRACE(at);
    for (const char* name : kOutputs) {
      const std::string text = dir.Read(name);
      EXPECT_TRUE(text == old_.at(name) || text == new_.at(name)) << name;
    }
    EXPECT_EQ(dir.Read("m.inp"), Mechanism());
    ASSERT_EQ(Clean(dir, {}).status, 0);
    EXPECT_EQ(Outputs(dir), new_);
    EXPECT_EQ(dir.Files(),
              (std::vector<std::string>{"m.inp", "mcal.rxn", "mj.rxn",
                                        "mkelvin.rxn", "mthermo.dat"}));
  }

  ScratchDir old_dir_, new_dir_;
  std::map<std::string, std::string> old_, new_;
};

// The leak checker of a sanitized build cannot run under ptrace; the runs
// under strace are about files, not leaks.
std::vector<std::string> Strace(const std::string& call,
                                const std::string& fault, int when) {
  std::vector<std::string> words = testing_support::Words(
      "env ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -e");
  words.insert(words.end(), {"trace=" + call, "-e",
                             "inject=" + call + ":" + fault +
                                 ":when=" + std::to_string(when)});
  return words;
}

TEST_F(InterruptedRunTest, AKillAnywhereLeavesOldOrNewFiles) {
  int kills = 0;
  for (const char* call :
       {"openat", "read", "newfstatat", "getdents64", "unlink", "fchmod",
        "write", "fsync", "close", "rename"}) {
    for (int when = 1; when < 40; ++when) {
      ScratchDir dir;
      Prepare(dir);
      const ProcessResult r =
          Clean(dir, {}, Strace(call, "signal=SIGKILL", when));
      const bool killed = r.status != 0;
      kills += killed;
      ExpectWholeFilesThenARun(dir,
                               std::string(call) + " #" + std::to_string(when));
      if (!killed) break;  // the run makes fewer such calls
    }
  }
  EXPECT_GE(kills, 20);
}

// A signal that asks the process to end removes the files being published.
TEST_F(InterruptedRunTest, InterruptAndTerminateRemoveTheTemporaries) {
  for (const char* signal : {"SIGINT", "SIGTERM"}) {
    for (const char* call : {"fsync", "rename"}) {
      ScratchDir dir;
      Prepare(dir);
      const ProcessResult r =
          Clean(dir, {}, Strace(call, std::string("signal=") + signal, 2));
      EXPECT_NE(r.status, 0);
      EXPECT_EQ(dir.Files().size(), 5u) << signal << " at " << call;
      ExpectWholeFilesThenARun(dir, std::string(signal) + " at " + call);
    }
  }
}

TEST_F(InterruptedRunTest, AFullDiskFailsTheRunWithTheReason) {
  int failures = 0;
  for (const char* call : {"write", "fsync"}) {
    for (int when = 1; when < 40; ++when) {
      ScratchDir dir;
      Prepare(dir);
      const ProcessResult r =
          Clean(dir, {}, Strace(call, "error=ENOSPC", when));
      if (r.status == 0) break;
      ++failures;
      EXPECT_EQ(r.status, 1);
      EXPECT_NE(r.err.find(": cannot write: No space left on device\n"),
                std::string::npos)
          << r.err;
      // Nothing of the failed run is left beside the outputs.
      EXPECT_EQ(Outputs(dir), old_);
      EXPECT_EQ(dir.Files().size(), 5u);
      ExpectWholeFilesThenARun(dir,
                               std::string(call) + " #" + std::to_string(when));
    }
  }
  // The first writes and flushes are the run's own, and each one that fails
  // must fail the run (a sanitized build makes fewer such calls than a
  // plain one, so the floor is the lower of the two).
  EXPECT_GE(failures, 4);
}

TEST_F(InterruptedRunTest, AFileSizeLimitFailsTheRunWithTheReason) {
  ScratchDir dir;
  Prepare(dir);
  const ProcessResult r =
      Clean(dir, {}, {"sh", "-c", "ulimit -f 8 && exec \"$@\"", "sh"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.substr(r.err.find(": cannot write")),
            ": cannot write: File too large\n");
  EXPECT_EQ(Outputs(dir), old_);
  ExpectWholeFilesThenARun(dir, "ulimit -f");
}

// A new output gets the mode new files get; a replaced one keeps its own.
TEST_F(InterruptedRunTest, AReplacedFileKeepsItsMode) {
  ScratchDir dir;
  Prepare(dir);
  fs::permissions(dir / "mj.rxn",
                  fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(Clean(dir, {}).status, 0);
  EXPECT_EQ(fs::status(dir / "mj.rxn").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(dir.Read("mj.rxn"), new_.at("mj.rxn"));
}

}  // namespace
}  // namespace kestrelon

// Eight batch runs started at once on eight mechanisms in one directory:
// their working files have the same names, so without the directory lock
// they would overwrite each other's. Each run must write exactly the bytes
// it writes when it runs alone, and leave no working file behind.
#include <gtest/gtest.h>

#include <thread>

#include "tests/support/process_support.h"

namespace {

using kestrelon::testing_support::RunKestrelon;
using kestrelon::testing_support::ScratchDir;
using kestrelon::testing_support::Words;

constexpr int kRuns = 8;

// Mechanism `k`: its own species names, coefficients and size, and a
// thermodynamic section in every other one.
std::string Mechanism(int k) {
  const std::string s = "K" + std::to_string(k) + "S";
  std::string text = "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\n";
  for (int i = 0; i < 40; ++i) text += " " + s + std::to_string(i);
  text += k % 2
              ? "\r\nEND\r\nREACTIONS\r\n"
              : "\r\nEND\r\nTHERMO\r\n" + s + "0 DATA\r\nEND\r\nREACTIONS\r\n";
  for (int r = 0; r < 1500 + 200 * k; ++r) {
    text += s + std::to_string(r % 40) + "+" + s + std::to_string(r % 7) +
            "=>" + s + std::to_string(r % 9) + " " + std::to_string(k + 1) +
            ".5E+1" + std::to_string(r % 5) + " 0 " + std::to_string(r) +
            "\r\n";
  }
  return text + "END\r\n";
}

// Runs mechanism `k` in `dir` with a rename: the files it wrote, one after
// the other, or why there are none.
std::string Clean(const ScratchDir& dir, int k) try {
  const std::string n = std::to_string(k);
  auto r = RunKestrelon(Words("clean mech" + n + ".inp --name run" + n +
                              " --rename K" + n + "S3=RENAMED --quiet"),
                        dir.path());
  EXPECT_EQ(r.status, 0) << r.err;
  std::string files;
  for (const char* file : {"j.rxn", "cal.rxn", "kelvin.rxn", "thermo.dat"}) {
    if (k % 2 == 0 || file[0] != 't') files += dir.Read("run" + n + file);
  }
  return files;
} catch (const std::exception& e) {
  return e.what();
}

TEST(ParallelRunsTest, RunsInOneDirectoryWriteWhatTheyWriteAlone) {
  ScratchDir together;
  std::vector<std::string> alone, files(kRuns);
  for (int k = 0; k < kRuns; ++k) {
    ScratchDir dir;
    dir.Write("mech" + std::to_string(k) + ".inp", Mechanism(k));
    together.Write("mech" + std::to_string(k) + ".inp", Mechanism(k));
    alone.push_back(Clean(dir, k));
  }
  std::vector<std::thread> runs;
  for (int k = 0; k < kRuns; ++k) {
    runs.emplace_back([&, k] { files[k] = Clean(together, k); });
  }
  for (std::thread& t : runs) t.join();
  for (int k = 0; k < kRuns; ++k) {
    EXPECT_TRUE(files[k] == alone[k]) << "run " << k << " differs";
  }
  for (const std::string& name : together.Files()) {
    EXPECT_NE(name.rfind("tempo", 0), 0u) << name << " was left behind";
  }
}

}  // namespace

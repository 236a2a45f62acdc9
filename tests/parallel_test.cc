// Eight batch runs started at once on eight mechanisms in one directory:
// their working files have the same names, so without the directory lock
// they would overwrite each other's. Each run must write exactly the bytes
// it writes when it runs alone, and leave no working file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 8;

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Mechanism `k`: its own species names, coefficients and size, a
// thermodynamic section in every other one, a non-elementary reaction in
// every third one.
std::string Mechanism(int k) {
  std::string species;
  for (int s = 0; s < 40; ++s)
    species += " K" + std::to_string(k) + "S" + std::to_string(s);
  std::string text =
      "ELEMENTS\r\nH O\r\nEND\r\nSPECIES\r\n" + species + "\r\nEND\r\n";
  if (k % 2 == 0) {
    text += "THERMO\r\n   300.000  1000.000  5000.000\r\nK" +
            std::to_string(k) + "S0 DATA " + std::to_string(k) + "\r\nEND\r\n";
  }
  text += "REACTIONS\r\n";
  for (int r = 0; r < 1500 + 200 * k; ++r) {
    std::string a = "K" + std::to_string(k) + "S" + std::to_string(r % 40);
    std::string b =
        "K" + std::to_string(k) + "S" + std::to_string((r + 7) % 40);
    text += a + " + " + b + " = " + b + " + " + a + "   " +
            std::to_string(k + 1) + "." + std::to_string(r % 10) + "E+1" +
            std::to_string(r % 5) + "  " + std::to_string(r % 3) + "  " +
            std::to_string(100 * r + k) + "\r\n";
  }
  if (k % 3 == 0) text += "K0S1+K0S2+K0S3+K0S4=K0S5 1E10 0 0\r\n";
  text += "END\r\n";
  return text;
}

std::vector<std::string> Arguments(int k, const std::string& dir) {
  std::string name = "run" + std::to_string(k);
  return {KESTRELON_BINARY,
          "clean",
          dir + "mech" + std::to_string(k) + ".inp",
          "--name",
          name,
          "--thermo-name",
          name + "thermo",
          "--rename",
          "K" + std::to_string(k) + "S3=RENAMED" + std::to_string(k),
          "--quiet"};
}

pid_t Start(std::vector<std::string> args, const std::string& log) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t child = ::fork();
  if (child == 0) {
    int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) _exit(120);
    ::dup2(out, 1);
    ::dup2(out, 2);
    ::execv(argv[0], argv.data());
    _exit(121);
  }
  return child;
}

// Waits for every child; returns their exit codes (-1 for a crash, -2 for
// a child killed after `timeout_seconds`).
std::vector<int> WaitAll(const std::vector<pid_t>& children,
                         double timeout_seconds) {
  std::vector<int> codes(children.size(), -3);
  auto start = Clock::now();
  size_t left = children.size();
  while (left > 0) {
    for (size_t i = 0; i < children.size(); ++i) {
      if (codes[i] != -3) continue;
      int status = 0;
      if (::waitpid(children[i], &status, WNOHANG) == children[i]) {
        codes[i] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        --left;
      }
    }
    if (std::chrono::duration<double>(Clock::now() - start).count() >
        timeout_seconds) {
      for (size_t i = 0; i < children.size(); ++i) {
        if (codes[i] != -3) continue;
        ::kill(children[i], SIGKILL);
        ::waitpid(children[i], nullptr, 0);
        codes[i] = -2;
      }
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return codes;
}

std::vector<std::string> Outputs(int k) {
  std::string name = "run" + std::to_string(k);
  std::vector<std::string> files = {name + "j.rxn", name + "cal.rxn",
                                    name + "kelvin.rxn"};
  if (k % 2 == 0) files.push_back(name + "thermo.dat");
  return files;
}

TEST(ParallelRunsTest, RunsInOneDirectoryDoNotMixTheirWorkingFiles) {
  std::string tmpl = testing::TempDir() + "parallelXXXXXX";
  ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
  const std::string root = tmpl + "/";

  // Alone: each run in a directory of its own, one after the other.
  std::vector<std::vector<std::string>> alone(kRuns);
  for (int k = 0; k < kRuns; ++k) {
    std::string dir = root + "alone" + std::to_string(k) + "/";
    fs::create_directory(dir);
    std::ofstream(dir + "mech" + std::to_string(k) + ".inp", std::ios::binary)
        << Mechanism(k);
    std::vector<int> code =
        WaitAll({Start(Arguments(k, dir), root + "alone.log")}, 120);
    ASSERT_EQ(code[0], 0) << Content(root + "alone.log");
    for (const std::string& file : Outputs(k)) {
      alone[k].push_back(Content(dir + file));
      ASSERT_FALSE(alone[k].back().empty()) << file;
    }
  }

  // Together: all eight mechanisms in one directory, started at once.
  std::string dir = root + "together/";
  fs::create_directory(dir);
  for (int k = 0; k < kRuns; ++k) {
    std::ofstream(dir + "mech" + std::to_string(k) + ".inp", std::ios::binary)
        << Mechanism(k);
  }
  std::vector<pid_t> children;
  for (int k = 0; k < kRuns; ++k) {
    children.push_back(
        Start(Arguments(k, dir), root + "run" + std::to_string(k) + ".log"));
  }
  std::vector<int> codes = WaitAll(children, 300);
  for (int k = 0; k < kRuns; ++k) {
    SCOPED_TRACE("run " + std::to_string(k));
    EXPECT_EQ(codes[k], 0) << Content(root + "run" + std::to_string(k) +
                                      ".log");
    std::vector<std::string> files = Outputs(k);
    for (size_t f = 0; f < files.size(); ++f) {
      EXPECT_TRUE(Content(dir + files[f]) == alone[k][f])
          << files[f] << " differs from the run alone";
    }
    EXPECT_EQ(Content(dir + "mech" + std::to_string(k) + ".inp"), Mechanism(k));
  }
  for (const auto& e : fs::directory_iterator(dir)) {
    std::string name = e.path().filename().string();
    EXPECT_FALSE(name.rfind("tempo", 0) == 0) << name << " was left behind";
  }
  fs::remove_all(root);
}

}  // namespace

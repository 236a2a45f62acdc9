#include "rename/rename_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/text_file.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using Status = RenameResult::Status;

const char* const kThermo =
    "THERMO\r\n"
    "   300.000  1000.000  5000.000\r\n"
    "CH3               L11/89C   1H   3    0    0G   200.000  3500.000    1\r\n"
    " 2.97812060E+00 5.79785200E-03-1.97558000E-06 3.07297900E-10         2\r\n"
    "END\r\n";
const char* const kJoule =
    "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3   H\r\nEND\r\n"
    "REACTIONS\r\nCH3+H<=>CH4 1.270E+16 -0.6300 1602.5\r\nEND\r\n";
const char* const kCalorie =
    "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3   H\r\nEND\r\n"
    "REACTIONS\r\nCH3+H<=>CH4 1.270E+16 -0.6300 383.0\r\nEND\r\n";
const char* const kKelvin =
    "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3   H\r\nEND\r\n"
    "REACTIONS\r\nCH3+H<=>CH4 1.270E+16 -0.6300 192.7\r\nEND\r\n";

class RenameSessionTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "renameXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    targets_ = {true,
                dir_ + "/xthermo.dat",
                dir_ + "/xj.rxn",
                dir_ + "/xcal.rxn",
                dir_ + "/xkelvin.rxn",
                dir_ + "/tempo3.int"};
    WriteFile(targets_.thermopath, kThermo);
    WriteFile(targets_.outpathj, kJoule);
    WriteFile(targets_.outpathcal, kCalorie);
    WriteFile(targets_.outpathk, kKelvin);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  void ExpectUnchanged() {
    EXPECT_EQ(ReadFile(targets_.thermopath), kThermo);
    EXPECT_EQ(ReadFile(targets_.outpathj), kJoule);
    EXPECT_EQ(ReadFile(targets_.outpathcal), kCalorie);
    EXPECT_EQ(ReadFile(targets_.outpathk), kKelvin);
  }

  std::string dir_;
  RenameTargets targets_;
};

TEST_F(RenameSessionTest, RenamesInEveryFile) {
  RenameSession session(targets_);
  RenameResult result = session.Rename("ch3", "Ch3x");

  EXPECT_EQ(result.status, Status::kRenamed);
  EXPECT_EQ(result.label, "Another one?");
  EXPECT_EQ(ReadFile(targets_.thermopath),
            "THERMO\r\n"
            "   300.000  1000.000  5000.000\r\n"
            "CH3X              L11/89C   1H   3    0    0G   200.000  3500.000 "
            "   1\r\n"
            " 2.97812060E+00 5.79785200E-03-1.97558000E-06 3.07297900E-10      "
            "   2\r\n"
            "END\r\n");
  EXPECT_EQ(ReadFile(targets_.outpathj),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3X   H\r\nEND\r\n"
            "REACTIONS\r\nCH3X+H<=>CH4 1.270E+16 -0.6300 1602.5\r\nEND\r\n");
  EXPECT_EQ(ReadFile(targets_.outpathcal),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3X   H\r\nEND\r\n"
            "REACTIONS\r\nCH3X+H<=>CH4 1.270E+16 -0.6300 383.0\r\nEND\r\n");
  EXPECT_EQ(ReadFile(targets_.outpathk),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3X   H\r\nEND\r\n"
            "REACTIONS\r\nCH3X+H<=>CH4 1.270E+16 -0.6300 192.7\r\nEND\r\n");
  EXPECT_FALSE(FileExists(targets_.work_path));
}

TEST_F(RenameSessionTest, WithoutThermoSectionTheDatabaseIsNotTouched) {
  targets_.has_thermo = false;
  RenameSession session(targets_);
  EXPECT_EQ(session.Rename("CH3", "CH3X").status, Status::kRenamed);
  EXPECT_EQ(ReadFile(targets_.thermopath), kThermo);
  EXPECT_EQ(ReadFile(targets_.outpathk),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3X   H\r\nEND\r\n"
            "REACTIONS\r\nCH3X+H<=>CH4 1.270E+16 -0.6300 192.7\r\nEND\r\n");
}

TEST_F(RenameSessionTest, SecondRenameWorksOnTheFirstResult) {
  RenameSession session(targets_);
  EXPECT_EQ(session.Rename("CH3", "CH3X").label, "Another one?");
  EXPECT_EQ(session.Rename("CH3X", "C").label, "Another one?");
  EXPECT_EQ(ReadFile(targets_.thermopath),
            "THERMO\r\n"
            "   300.000  1000.000  5000.000\r\n"
            "C                 L11/89C   1H   3    0    0G   200.000  3500.000 "
            "   1\r\n"
            " 2.97812060E+00 5.79785200E-03-1.97558000E-06 3.07297900E-10      "
            "   2\r\n"
            "END\r\n");
  EXPECT_EQ(ReadFile(targets_.outpathcal),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   C   H\r\nEND\r\n"
            "REACTIONS\r\nC+H<=>CH4 1.270E+16 -0.6300 383.0\r\nEND\r\n");
  // The element C stays an element when a species is renamed to C and
  // back again.
  EXPECT_EQ(session.Rename("C", "CH3").status, Status::kRenamed);
  ExpectUnchanged();
}

TEST_F(RenameSessionTest, ANameThatDoesNotOccurLeavesEveryFileAsItWas) {
  // Lines ended by LF only, and no end after the last one: a rewrite would
  // show.
  WriteFile(targets_.outpathcal, "SPECIES\nCH3O   CH3OH\nEND");
  RenameSession session(targets_);
  RenameResult result = session.Rename("CH2", "CH2X");
  EXPECT_EQ(result.status, Status::kRenamed);
  EXPECT_EQ(result.label, "Another one?");
  EXPECT_EQ(ReadFile(targets_.outpathcal), "SPECIES\nCH3O   CH3OH\nEND");
  EXPECT_EQ(session.Rename("CH3", "CH3X").status, Status::kRenamed);
  EXPECT_EQ(ReadFile(targets_.outpathcal), "SPECIES\nCH3O   CH3OH\nEND");
  EXPECT_NE(ReadFile(targets_.outpathj).find("\r\nCH3X+H<=>CH4 "),
            std::string::npos);
  EXPECT_FALSE(FileExists(targets_.work_path));
}

TEST_F(RenameSessionTest, AFileNamedTwiceGoesThroughBothRuleSets) {
  // The database was given the name of the joule file: the mechanism rules
  // work on what the thermodynamic rules left, as two rewrites in a row
  // would.
  targets_.thermopath = targets_.outpathj;
  WriteFile(targets_.outpathj, "CH3   H\r\nSPECIES\r\nH   CH3\r\n");
  EXPECT_EQ(RenameSession(targets_).Rename("CH3", "CH3X").status,
            Status::kRenamed);
  EXPECT_EQ(ReadFile(targets_.outpathj), "CH3X  H\r\nSPECIES\r\nH   CH3X\r\n");
}

TEST_F(RenameSessionTest, EmptyNamesAreRefused) {
  // A working file left from elsewhere shows that nothing is touched.
  WriteFile(targets_.work_path, "left");
  const struct {
    const char* former;
    const char* renamed;
  } cases[] = {
      {"", "CH3X"}, {"CH3", ""}, {"", ""}, {"   ", "CH3X"}, {"CH3", " "}};
  RenameSession session(targets_);
  for (const auto& c : cases) {
    RenameResult result = session.Rename(c.former, c.renamed);
    EXPECT_EQ(result.status, Status::kRefused) << c.former << "|" << c.renamed;
    EXPECT_EQ(result.label, "Type both names.");
  }
  ExpectUnchanged();
  EXPECT_EQ(ReadFile(targets_.work_path), "left");
}

TEST_F(RenameSessionTest, AFileThatCannotBeReadFailsWithEveryFileUnchanged) {
  const struct {
    std::string RenameTargets::*path;
    const char* reason;
    bool directory;
  } cases[] = {
      {&RenameTargets::thermopath, "is not a regular file", true},
      {&RenameTargets::outpathj, "cannot open: No such file or directory",
       false},
      {&RenameTargets::outpathcal, "is not a regular file", true},
      {&RenameTargets::outpathk, "is not a regular file", true},
  };
  for (const auto& c : cases) {
    const std::string& bad = targets_.*c.path;
    std::string saved = ReadFile(bad);
    fs::remove(bad);
    if (c.directory) fs::create_directory(bad);

    RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
    EXPECT_EQ(result.status, Status::kFailed);
    EXPECT_EQ(result.label, "Could not rename in " + bad + ": " + c.reason);
    fs::remove(bad);
    WriteFile(bad, saved);
    ExpectUnchanged();
    EXPECT_FALSE(FileExists(targets_.work_path));
  }
}

TEST_F(RenameSessionTest, AReadOnlyFileFailsWithEveryFileUnchanged) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
  ASSERT_EQ(chmod(targets_.outpathcal.c_str(), 0444), 0);
  RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
  EXPECT_EQ(result.status, Status::kFailed);
  EXPECT_EQ(result.label, "Could not rename in " + targets_.outpathcal +
                              ": cannot write: Permission denied");
  ExpectUnchanged();
  EXPECT_FALSE(FileExists(targets_.work_path));
}

TEST_F(RenameSessionTest, AReadOnlyDirectoryFailsWithEveryFileUnchanged) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write read-only directories";
  ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
  RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
  EXPECT_EQ(result.status, Status::kFailed);
  EXPECT_EQ(result.label, "Could not rename in " + targets_.thermopath +
                              ": cannot create: Permission denied");
  ExpectUnchanged();
  EXPECT_FALSE(FileExists(targets_.work_path));
}

TEST_F(RenameSessionTest, AWorkingFileThatCannotBeMadeFailsWithNothingChanged) {
  // A directory where the working file goes cannot be created as a file,
  // even by root.
  fs::create_directory(targets_.work_path);
  RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
  EXPECT_EQ(result.status, Status::kFailed);
  EXPECT_EQ(result.label, "Could not rename in " + targets_.thermopath +
                              ": cannot create: Is a directory");
  ExpectUnchanged();
}

}  // namespace
}  // namespace kestrelon

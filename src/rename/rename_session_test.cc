#include "rename/rename_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using Status = RenameResult::Status;

const char* const kThermo =
    "THERMO\r\n"
    "CH3               L11/89C   1H   3    0    0G   200.000  3500.000    1\r\n"
    "END\r\n";
const char* const kMech =
    "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   CH3   H\r\nEND\r\n"
    "REACTIONS\r\nCH3+H<=>CH4 1.270E+16 -0.6300 383.0\r\nEND\r\n";

const char* const kFiles[] = {"xthermo.dat", "xj.rxn", "xcal.rxn",
                              "xkelvin.rxn"};

class RenameSessionTest : public testing::Test {
 protected:
  RenameSessionTest() {
    for (const char* name : kFiles) dir_.Write(name, Original(name));
  }
  static const char* Original(const std::string& name) {
    return name == "xthermo.dat" ? kThermo : kMech;
  }
  // Every file as it was, but `but`.
  void ExpectUnchanged(const std::string& but = "") {
    for (const char* name : kFiles) {
      if (name != but) {
        EXPECT_EQ(dir_.Read(name), Original(name)) << name;
      }
    }
  }
  testing_support::ScratchDir dir_;
  RenameTargets targets_{true,
                         dir_ / kFiles[0],
                         dir_ / kFiles[1],
                         dir_ / kFiles[2],
                         dir_ / kFiles[3],
                         dir_ / "tempo3.int"};
};

TEST_F(RenameSessionTest, EachRenameWorksOnThePreviousResult) {
  RenameSession session(targets_);
  EXPECT_EQ(session.Rename("ch3", "Ch3x").label, "Another one?");
  EXPECT_EQ(session.Rename("CH3X", "C").label, "Another one?");
  EXPECT_EQ(dir_.Read("xkelvin.rxn"),
            "ELEMENTS\r\nC   H\r\nEND\r\nSPECIES\r\nCH4   C   H\r\nEND\r\n"
            "REACTIONS\r\nC+H<=>CH4 1.270E+16 -0.6300 383.0\r\nEND\r\n");
  // The element C stays an element when a species is renamed to C and
  // back again.
  EXPECT_EQ(session.Rename("C", "CH3").status, Status::kRenamed);
  ExpectUnchanged();
  EXPECT_EQ(dir_.Files().size(), 4u);
}

TEST_F(RenameSessionTest, FilesWithoutTheNameOrNotWrittenAreNotTouched) {
  // Lines ended by LF only, and no end after the last one: a rewrite would
  // show.
  dir_.Write("xcal.rxn", "SPECIES\nCH3O   CH3OH\nEND");
  targets_.has_thermo = false;
  RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
  EXPECT_EQ(result.status, Status::kRenamed);
  EXPECT_EQ(dir_.Read("xcal.rxn"), "SPECIES\nCH3O   CH3OH\nEND");
  EXPECT_EQ(dir_.Read("xthermo.dat"), kThermo);
  EXPECT_NE(dir_.Read("xj.rxn"), kMech);
}

TEST_F(RenameSessionTest, EmptyAndBreakingNamesAreRefused) {
  // A working file left from elsewhere shows that nothing is touched.
  dir_.Write("tempo3.int", "left");
  RenameSession session(targets_);
  const char* kBoth = "Type both names.";
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"", "CH3X", kBoth},
      {"CH3", "", kBoth},
      {"   ", "CH3X", kBoth},
      // Whatever the caller checked, the session never writes these.
      {"CH3", "c h3",
       "\"C H3\" is refused: a species name cannot hold a "
       "blank"},
      {"CH3", "A=B", "\"A=B\" is refused: a species name cannot hold \"=\""},
  };
  for (auto [former, renamed, label] : cases) {
    RenameResult result = session.Rename(former, renamed);
    EXPECT_EQ(result.status, Status::kRefused) << former << "|" << renamed;
    EXPECT_EQ(result.label, label);
  }
  ExpectUnchanged();
  EXPECT_EQ(dir_.Read("tempo3.int"), "left");
}

TEST_F(RenameSessionTest, AFileThatFailsLeavesEveryFileUnchanged) {
  // A directory in place of a file; the working file cannot be made even
  // by root.
  const char* cases[][3] = {
      {"xthermo.dat", "xthermo.dat", "is not a regular file"},
      {"xkelvin.rxn", "xkelvin.rxn", "is not a regular file"},
      {"tempo3.int", "xthermo.dat", "cannot create: Is a directory"}};
  for (auto [name, failed, reason] : cases) {
    fs::remove(dir_ / name);
    fs::create_directory(dir_ / name);
    RenameResult result = RenameSession(targets_).Rename("CH3", "CH3X");
    EXPECT_EQ(result.status, Status::kFailed);
    EXPECT_EQ(result.label,
              "Could not rename in " + dir_ / failed + ": " + reason);
    ExpectUnchanged(name);
    fs::remove(dir_ / name);
    if (name != std::string("tempo3.int")) dir_.Write(name, Original(name));
  }
}

}  // namespace
}  // namespace kestrelon

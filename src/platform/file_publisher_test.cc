#include "platform/file_publisher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

using testing_support::ScratchDir;

TEST(FilePublisherTest, ATemporaryFileHasTheNameStaleRemovalLooksFor) {
  ScratchDir dir;
  FilePublisher publisher;
  publisher.Begin(dir / "mj.rxn");
  const std::vector<std::string> files = dir.Files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(IsTemporaryName(files[0])) << files[0];
}

TEST(FilePublisherTest, StaleRemovalTakesOnlyTemporariesAndNeverTheKeptFile) {
  ScratchDir dir;
  for (const char* name : {
           ".kestrelon-tmp.mj.rxn.0a1b2c3d4e",  // left by a killed run
           ".kestrelon-tmp.notes",              // the user's
           ".kestrelon-tmp.mj.rxn.0A1B2C3D4E",  // no suffix of ours
           ".kestrelon-tmp.mj.rxn.0a1b2c3d4",   // one character short
           ".kestrelon-tmp..0a1b2c3d4e",        // no target name
           ".kestrelon-tmp.m.inp.abcdefghij",   // the input, by another name
           "mj.rxn",
       }) {
    dir.Write(name, "text");
  }
  ASSERT_EQ(::link((dir / ".kestrelon-tmp.m.inp.abcdefghij").c_str(),
                   (dir / "in.inp").c_str()),
            0);
  RemoveStaleTemporaries(dir.path() + "/", dir / "in.inp");
  const std::vector<std::string> want = {
      ".kestrelon-tmp..0a1b2c3d4e",       ".kestrelon-tmp.m.inp.abcdefghij",
      ".kestrelon-tmp.mj.rxn.0A1B2C3D4E", ".kestrelon-tmp.mj.rxn.0a1b2c3d4",
      ".kestrelon-tmp.notes",             "in.inp",
      "mj.rxn"};
  EXPECT_EQ(dir.Files(), want);
}

}  // namespace
}  // namespace kestrelon

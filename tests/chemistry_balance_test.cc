// The cleaned reactions of the golden cases about coefficients, REV lines,
// UNITS lines and separate thermodynamic files, read back by `kestrelon
// check` with the thermodynamic file the same run wrote: where the input's
// reactions are balanced in their elements, the cleaned ones must be too.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "tests/support/process_support.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::RunKestrelon;

const fs::path kGolden = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden";

// The lines of `check`'s report that say a reaction is not balanced.
std::string Imbalances(const std::vector<std::string>& args) {
  std::string found;
  const std::string out = RunKestrelon(args).out;
  for (std::string_view line : LinesOf(out)) {
    if (line.find("is not balanced") != line.npos)
      found += std::string(line) + "\n";
  }
  return found;
}

TEST(ChemistryBalanceTest, CleanedReactionsKeepTheirBalance) {
  struct Case {
    const char* name;
    const char* thermo;   // in expected/
    const char* cleaned;  // in expected/
  } cases[] = {
      {"coefficient_decimal", "c2thermo.dat", "c2j.rxn"},
      {"rev_aux_lines", "rthermo.dat", "rj.rxn"},
      {"units_per_reaction", "uthermo.dat", "ukelvin.rxn"},
      {"thermo_file_rename", "tthermo.dat", "tcal.rxn"},
  };
  for (const Case& c : cases) {
    const fs::path dir = kGolden / c.name;
    std::vector<std::string> input = {"check", dir / "input.inp"};
    if (fs::exists(dir / "input.therm")) {
      input.insert(input.end(), {"--thermo", dir / "input.therm"});
    }
    ASSERT_EQ(Imbalances(input), "") << c.name << ": the input must balance";
    EXPECT_EQ(Imbalances({"check", dir / "expected" / c.cleaned, "--thermo",
                          dir / "expected" / c.thermo}),
              "")
        << c.name;
  }
}

TEST(ChemistryBalanceTest, TheCheckSeesWhatTheOldSplitOfTwoDid) {
  // "2.00000H2" taken for the coefficient 2 left ".00000H2+.00000H2": the
  // H2 was gone, and the balance must say so.
  testing_support::ScratchDir dir;
  const fs::path golden = kGolden / "coefficient_decimal" / "expected";
  std::string text = ReadFile(golden / "c2j.rxn");
  const std::string good = "C2H6=>C2H2+2.00000H2 ";
  text.replace(text.find(good), good.size(), "C2H6=>C2H2+.00000H2+.00000H2 ");
  EXPECT_EQ(Imbalances({"check", dir.Write("c2j.rxn", text), "--thermo",
                        golden / "c2thermo.dat"}),
            "kestrelon: " + dir / "c2j.rxn" +
                ":10: error: reaction C2H6=>C2H2+.00000H2+.00000H2 is not "
                "balanced in H: 6 on the left, 2 on the right\n");
}

}  // namespace
}  // namespace kestrelon

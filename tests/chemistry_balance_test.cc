// The cleaned reactions of the golden cases about coefficients, REV lines,
// UNITS lines and separate thermodynamic files, read back: each reaction
// whose input was balanced must still be balanced after cleaning.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compare/keyed_mechanism.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_rules.h"
#include "tests/support/element_balance.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;
using testing_support::Balanced;
using testing_support::Compositions;
using testing_support::ReadCompositions;

const fs::path kGolden = fs::path(KESTRELON_SOURCE_DIR) / "tests/golden";

// The equations of the input's REACTIONS section, in order, without blanks.
std::vector<std::string> InputEquations(const std::string& text) {
  std::vector<std::string> equations;
  bool inside = false;
  for (std::string_view view : LinesOf(text)) {
    std::string line(view.substr(0, view.find('!')));
    UpperCaseAscii(line);
    if (StartsWith(TrimBlanks(line), "REAC")) {
      inside = true;
    } else if (inside && StartsWith(TrimBlanks(line), "END")) {
      inside = false;
    } else if (inside && Contains(line, "=")) {
      // The equation is what stands before the last three fields.
      std::string_view rest = TrimBlanks(line);
      for (int field = 0; field < 3; ++field) {
        rest = TrimBlanks(rest.substr(0, rest.rfind(' ')));
      }
      std::string equation(rest);
      EraseAll(equation, " ");
      equations.push_back(equation);
    }
  }
  return equations;
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
    SCOPED_TRACE(c.name);
    const fs::path dir = kGolden / c.name;
    const Compositions species =
        ReadCompositions(ReadFile(dir / "expected" / c.thermo));
    const std::vector<std::string> input =
        InputEquations(ReadFile(dir / "input.inp"));
    const CleanedMechanism cleaned =
        ParseCleanedFile(ReadFile(dir / "expected" / c.cleaned), c.cleaned);
    ASSERT_EQ(cleaned.reactions.size(), input.size());
    for (size_t i = 0; i < input.size(); ++i) {
      // The renamed species of one case is looked up by its new name.
      std::string equation = input[i];
      if (std::string(c.name) == "thermo_file_rename") {
        ReplaceAll(equation, "CH3+", "CH3X+");
        ReplaceAll(equation, "+CH3", "+CH3X");
      }
      if (!Balanced(equation, species)) continue;
      EXPECT_TRUE(Balanced(cleaned.reactions[i].equation, species))
          << input[i] << " -> " << cleaned.reactions[i].equation;
    }
  }
}

TEST(ChemistryBalanceTest, TheCounterSeesWhatTheOldSplitDid) {
  const Compositions species = {{"H2", {{"H", 2}}},
                                {"C2H2", {{"C", 2}, {"H", 2}}},
                                {"C2H6", {{"C", 2}, {"H", 6}}},
                                {"CH3", {{"C", 1}, {"H", 3}}},
                                {"2-C4H8", {{"C", 4}, {"H", 8}}},
                                {"C4H9", {{"C", 4}, {"H", 9}}},
                                {"H", {{"H", 1}}}};
  struct Case {
    const char* equation;
    bool balanced;
  } cases[] = {
      {"C2H6=>C2H2+2.00000H2", true}, {"C2H6=>C2H2+.00000H2+.00000H2", false},
      {"C2H6=>C2H2+2H2", true},       {"CH3+CH3(+M)<=>C2H6(+M)", true},
      {"2CH3+M<=>C2H6+M", true},      {"2-C4H8+H<=>C4H9", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Balanced(c.equation, species), c.balanced) << c.equation;
  }
  // A name the old split made up is no species at all.
  EXPECT_NONFATAL_FAILURE(Balanced("-C4H8+-C4H8+H<=>C4H9", species),
                          "unknown species in -C4H8+-C4H8+H<=>C4H9");
}

}  // namespace
}  // namespace kestrelon

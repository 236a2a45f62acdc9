#include "check/thermo_compare.h"

#include <gtest/gtest.h>

#include "check/thermo_compare_output.h"
#include "tests/support/check_test_support.h"

namespace kestrelon {
namespace {

using check_test::Entry;
using check_test::ThermoFile;

// Two hand-made files: B changes a1 of the high range of H2O, drops O and
// adds AR.
ThermoCompareReport CompareHandMade(ThermoCompareSettings settings = {}) {
  const check_test::Poly high = {3.6, 0, 0, 0, 0, 0, 0};
  const std::string a =
      ThermoFile(Entry("H2", {{"H", 2}}) + Entry("O", {{"O", 1}}) +
                 Entry("H2O", {{"H", 2}, {"O", 1}}));
  const std::string b =
      ThermoFile(Entry("h2o", {{"H", 2}, {"O", 1}}, check_test::kFlat, high) +
                 Entry("H2", {{"H", 2}}) + Entry("AR", {{"AR", 1}}));
  ThermoCompareReport r =
      CompareThermo(ReadThermoFile(a), ReadThermoFile(b), settings);
  r.file_a = "a.dat";
  r.file_b = "b.dat";
  return r;
}

TEST(ThermoCompare, FindsTheChangedCoefficient) {
  EXPECT_EQ(RenderThermoCompareText(CompareHandMade()),
            "A: a.dat\nB: b.dat\n"
            "Cp/R, H/RT and S/R at 300, 1000, 2000 K; tolerance 0.001 "
            "(relative above 1 in size, absolute below)\n"
            "Species matched: 2\n"
            "Species only in A: 1, only in B: 1\n"
            "Species with different values: 1\n"
            "The files differ.\n"
            "\nSpecies only in A (1):\n  line 7: O\n"
            "\nSpecies only in B (1):\n  line 11: AR\n"
            "\nSpecies with different values (1):\n"
            "  H2O (A line 11, B line 3)\n"
            "    Cp/R at 1000 K: 3.5 -> 3.6\n"
            "    H/RT at 1000 K: 3.5 -> 3.6\n"
            "    S/R at 1000 K: 24.1771 -> 24.8679\n"
            "    Cp/R at 2000 K: 3.5 -> 3.6\n"
            "    H/RT at 2000 K: 3.5 -> 3.6\n"
            "    S/R at 2000 K: 26.6032 -> 27.3632\n");
}

TEST(ThermoCompare, TemperaturesAndToleranceAreSettable) {
  ThermoCompareSettings below_the_middle;
  below_the_middle.temperatures = {300, 500};
  EXPECT_TRUE(CompareHandMade(below_the_middle).differences.empty());
  ThermoCompareSettings loose;
  loose.tolerance = 0.1;
  EXPECT_TRUE(CompareHandMade(loose).differences.empty());
}

}  // namespace
}  // namespace kestrelon

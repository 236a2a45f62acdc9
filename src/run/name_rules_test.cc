#include "run/name_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

TEST(CleanTypedNameTest, EachForbiddenCharacterBecomesX) {
  EXPECT_EQ(CleanTypedName("C:\\models\\gri.v2"), "Cxxmodelsxgrixv2");
  EXPECT_EQ(CleanTypedName("\"./\\:?'<>|*"), "xxxxxxxxxxx");
  EXPECT_EQ(CleanTypedName(" two words_1-b "), " two words_1-b ");
}

TEST(ExtensionTest, ChoiceOrCleanedCustomText) {
  EXPECT_EQ(MechanismExtension(MechExtChoice::kMech, "*.ext"), "mech");
  EXPECT_EQ(ThermoExtension(ThermoExtChoice::kThe, "*.ext"), "the");
  // A mechanism extension loses forbidden characters; a thermodynamic one
  // loses "*" and "." and turns the others into x. Nothing left: the
  // default.
  const char* cases[][3] = {
      {"*.ext", "ext", "ext"},
      {"a\"b'c<d>e|f:g?h\\i", "abcdefghi", "axbxcxdxexfxgxhxi"},
      {"*.*.", "rxn", "dat"},
      {"*./", "rxn", "x"}};
  for (auto& c : cases) {
    EXPECT_EQ(MechanismExtension(MechExtChoice::kCustom, c[0]), c[1]) << c[0];
    EXPECT_EQ(ThermoExtension(ThermoExtChoice::kCustom, c[0]), c[2]) << c[0];
  }
}

}  // namespace
}  // namespace kestrelon

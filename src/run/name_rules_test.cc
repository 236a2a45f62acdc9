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
  struct Case {
    MechExtChoice mech;
    ThermoExtChoice thermo;
    const char *text, *mech_want, *thermo_want;
  } cases[] = {
      {MechExtChoice::kRxn, ThermoExtChoice::kDat, "*.ext", "rxn", "dat"},
      {MechExtChoice::kMech, ThermoExtChoice::kThe, "*.ext", "mech", "the"},
      {MechExtChoice::kCustom, ThermoExtChoice::kCustom, "*.ext", "ext", "ext"},
      // A mechanism extension loses forbidden characters; a thermodynamic
      // one loses "*" and "." and turns the others into x.
      {MechExtChoice::kCustom, ThermoExtChoice::kCustom, "a\"b'c<d>e|f:g?h\\i",
       "abcdefghi", "axbxcxdxexfxgxhxi"},
      // Nothing left: the default.
      {MechExtChoice::kCustom, ThermoExtChoice::kCustom, "*.*.", "rxn", "dat"},
      {MechExtChoice::kCustom, ThermoExtChoice::kCustom, "*./", "rxn", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MechanismExtension(c.mech, c.text), c.mech_want) << c.text;
    EXPECT_EQ(ThermoExtension(c.thermo, c.text), c.thermo_want) << c.text;
  }
}

}  // namespace
}  // namespace kestrelon

#include "run/name_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

TEST(CleanTypedNameTest, EachForbiddenCharacterBecomesX) {
  struct Case {
    const char* typed;
    const char* want;
  } cases[] = {
      {"my.mech", "myxmech"},
      {"/home/user/mech1", "xhomexuserxmech1"},
      {"C:\\models\\gri", "Cxxmodelsxgri"},
      {"\"./\\:?'<>|*", "xxxxxxxxxxx"},
      {"two words", "two words"},
      {"   ", "   "},
      {"mech_1-b", "mech_1-b"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CleanTypedName(c.typed), c.want) << c.typed;
  }
}

TEST(MechanismExtensionTest, ChoiceOrCleanedCustomText) {
  struct Case {
    MechExtChoice choice;
    const char* text;
    const char* want;
  } cases[] = {
      {MechExtChoice::kRxn, "*.ext", "rxn"},
      {MechExtChoice::kMech, "*.ext", "mech"},
      {MechExtChoice::kRxn, "abc", "rxn"},
      {MechExtChoice::kCustom, "*.ext", "ext"},
      {MechExtChoice::kCustom, "inp", "inp"},
      {MechExtChoice::kCustom, "a/b", "ab"},
      {MechExtChoice::kCustom, "a\"b'c<d>e|f:g?h\\i", "abcdefghi"},
      // Nothing but removed characters, or nothing at all: the default.
      {MechExtChoice::kCustom, "*./\\:?\"'<>|", "rxn"},
      {MechExtChoice::kCustom, "", "rxn"},
      {MechExtChoice::kCustom, "c k", "c k"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MechanismExtension(c.choice, c.text), c.want) << c.text;
  }
}

TEST(ThermoExtensionTest, ChoiceOrCleanedCustomText) {
  struct Case {
    ThermoExtChoice choice;
    const char* text;
    const char* want;
  } cases[] = {
      {ThermoExtChoice::kDat, "*.ext", "dat"},
      {ThermoExtChoice::kThe, "*.ext", "the"},
      {ThermoExtChoice::kCustom, "*.ext", "ext"},
      {ThermoExtChoice::kCustom, "a/b", "axb"},
      {ThermoExtChoice::kCustom, "a\"b'c<d>e|f:g?h\\i", "axbxcxdxexfxgxhxi"},
      // Only "*" and "." fall away; any other forbidden character keeps the
      // text from being empty.
      {ThermoExtChoice::kCustom, "*.*.", "dat"},
      {ThermoExtChoice::kCustom, "", "dat"},
      {ThermoExtChoice::kCustom, "*./", "x"},
      {ThermoExtChoice::kCustom, "?", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThermoExtension(c.choice, c.text), c.want) << c.text;
  }
}

TEST(UpperCaseAsciiTest, TouchesAsciiLettersOnly) {
  struct Case {
    std::string text;
    std::string want;
  } cases[] = {
      {"h2o + oh = 1.0e+13", "H2O + OH = 1.0E+13"},
      {"AzaZ@[`{", "AZAZ@[`{"},
      {"\xe9t\xe9 \xc3\xa4", "\xe9T\xe9 \xc3\xa4"},
      {std::string("a\0b", 3), std::string("A\0B", 3)},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    UpperCaseAscii(text);
    EXPECT_EQ(text, c.want) << c.text;
  }
}

}  // namespace
}  // namespace kestrelon

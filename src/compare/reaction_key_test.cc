#include "compare/reaction_key.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(ReactionKeyTest, SameReactionSameKey) {
  struct Case {
    const char* x;
    const char* y;
    bool same;
  } cases[] = {
      {"H+O2<=>OH+O", "O+OH<=>O2+H", true},
      {"A+B=>C+D", "C+D=>A+B", false},
      {"A+B=>C+D", "A+B<=>C+D", false},
      {"A+B=C", "A+B<=>C", true},
      {"H+O2+M<=>HO2+M", "H+O2(+M)<=>HO2(+M)", false},
      {"H2O2(+M)<=>2OH(+M)", "H2O2(+M)<=>OH+OH(+M)", true},
      {"2OH<=>O+H2O", "OH<=>O+H2O", false},
      // A "+" that ends a name.
      {"H3O++E<=>H2O+H", "E+H3O+<=>H+H2O", true},
      {"AB+C<=>D", "A+BC<=>D", false},
      {"C3H5(A)+H<=>D", "H+C3H5(A)<=>D", true},
      // "2," begins a name, not a coefficient.
      {"2,3-X<=>Y", ",3-X+,3-X<=>Y", false},
  };
  for (const Case& c : cases) {
    ReactionKey kx = MakeReactionKey(c.x);
    ReactionKey ky = MakeReactionKey(c.y);
    ASSERT_TRUE(kx.valid && ky.valid) << c.x << " / " << c.y;
    EXPECT_EQ(kx.key == ky.key, c.same) << c.x << " / " << c.y;
  }
  ReactionKey forward = MakeReactionKey("H+O2<=>OH+O");
  EXPECT_TRUE(forward.reversible);
  EXPECT_NE(forward.swapped, MakeReactionKey("OH+O<=>H+O2").swapped);
  EXPECT_EQ(forward.left, "H+O2");
  EXPECT_EQ(forward.right, "OH+O");
  EXPECT_FALSE(MakeReactionKey("HO2+H=>OH+OH").reversible);
  EXPECT_FALSE(MakeReactionKey("HO2+H=>OH+OH").swapped);
  EXPECT_FALSE(MakeReactionKey("LOW/1 2 3/").valid);
}

}  // namespace
}  // namespace kestrelon

#include "model/species_name.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

// Blanks, line feeds, "+", "<", "=", "!" and "/": through whole runs in
// tests/hostile_test.cc and in rename_session_test.cc.
TEST(NewSpeciesNameTest, RefusesWhatWouldBreakAReactionLine) {
  struct Case {
    std::string name;
    const char* problem;  // nullptr: accepted
  } cases[] = {
      {"OH", nullptr},
      {"C7H15-3", nullptr},
      {"2-C4H8", nullptr},
      {"HCO(S)", nullptr},
      {"", "a species name cannot be empty"},
      {"O\tH", "a species name cannot hold a TAB"},
      {"O\rH", "a species name cannot hold a line break"},
      {"A>", "a species name cannot hold \">\""},
      {std::string("A\x01", 2),
       "a species name cannot hold a control character"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> problem = NewSpeciesNameProblem(c.name);
    if (c.problem == nullptr) {
      EXPECT_FALSE(problem.has_value()) << c.name;
    } else {
      EXPECT_EQ(problem.value_or("(accepted)"), c.problem) << c.name;
    }
  }
}

}  // namespace
}  // namespace kestrelon

// A reaction of a mechanism as the checks see it: the species on each side
// with their coefficients, the third body, the rate form its auxiliary
// lines give it, the DUP mark, A, and the third-body efficiencies. Plain
// data.
#ifndef KESTRELON_CHECK_REACTION_H_
#define KESTRELON_CHECK_REACTION_H_

#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

// A species named on a line: a side's term, an efficiency, a declaration.
struct NamedSpecies {
  std::string name;  // as written
  std::string key;   // upper-cased
  int line = 0;
  double coefficient = 1;  // of a term
  // Half a unit of the last decimal the coefficient is written with ("0.33"
  // gives 0.005): how far the written value may be from the one meant.
  double coefficient_slack = 0;
};

// None; "+M"; "(+M)"; "(+X)" for one species X.
enum class ThirdBody { kNone, kM, kFalloffM, kFalloffSpecies };
// Plain Arrhenius; LOW (falloff); HIGH (chemically activated); PLOG; CHEB.
enum class RateForm { kPlain, kFalloff, kActivated, kPlog, kChebyshev };

struct Reaction {
  int line = 0;
  std::string equation;  // as written, blanks taken out
  std::vector<NamedSpecies> left;
  std::vector<NamedSpecies> right;
  bool reversible = true;
  ThirdBody third_body = ThirdBody::kNone;
  std::string third_body_key;  // the X of "(+X)"
  RateForm form = RateForm::kPlain;
  bool duplicate = false;
  std::optional<double> a;
  std::vector<NamedSpecies> efficiencies;
};

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_REACTION_H_

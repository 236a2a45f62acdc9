#include "check/equation_terms.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "check/words.h"

namespace kestrelon {
namespace {

// Longer runs of pieces than this never make a species name.
constexpr size_t kMaxPiecesPerName = 4;

std::vector<std::string_view> Pieces(std::string_view side) {
  std::vector<std::string_view> pieces;
  size_t from = 0;
  for (;;) {
    size_t plus = side.find('+', from);
    pieces.push_back(side.substr(from, plus - from));
    if (plus == std::string_view::npos) return pieces;
    from = plus + 1;
  }
}

size_t CoefficientLength(std::string_view word) {
  size_t n = 0;
  while (n < word.size() &&
         ((word[n] >= '0' && word[n] <= '9') || word[n] == '.')) {
    ++n;
  }
  return n < word.size() ? n : 0;
}

// `text` as a term: its coefficient split off unless the whole is declared.
// `known` tells whether the name is declared.
NamedSpecies Term(std::string_view text, const DeclaredKeys& declared,
                  bool& known) {
  NamedSpecies term;
  term.name = std::string(text);
  term.key = Upper(text);
  known = declared.Has(term.key);
  if (known) return term;
  size_t n = CoefficientLength(text);
  if (n == 0) return term;
  const std::string number(text.substr(0, n));
  term.coefficient = std::strtod(number.c_str(), nullptr);
  const size_t point = number.find('.');
  if (point != std::string::npos) {
    term.coefficient_slack = 0.5 * std::pow(10.0, -double(n - point - 1));
  }
  term.name = std::string(text.substr(n));
  term.key = Upper(term.name);
  known = declared.Has(term.key);
  return term;
}

bool IsDeclaredTerm(std::string_view text, const DeclaredKeys& declared) {
  std::string key = Upper(text);
  if (declared.Has(key)) return true;
  size_t n = CoefficientLength(text);
  return n > 0 && declared.Has(key.substr(n));
}

void ReadSide(std::string_view side, const DeclaredKeys& declared,
              Reaction& reaction, std::vector<NamedSpecies>& terms) {
  if (side.size() > 3 && side.back() == ')') {
    size_t open = side.rfind("+(");
    if (open != std::string_view::npos) {
      std::string inner = Upper(side.substr(open + 2, side.size() - open - 3));
      if (inner == "M" || declared.Has(inner)) {
        reaction.third_body =
            inner == "M" ? ThirdBody::kFalloffM : ThirdBody::kFalloffSpecies;
        if (inner != "M") reaction.third_body_key = inner;
        side = side.substr(0, open);
      }
    }
  }
  std::vector<std::string_view> pieces = Pieces(side);
  terms.reserve(pieces.size());
  size_t i = 0;
  while (i < pieces.size()) {
    size_t take = 1;
    const size_t longest = declared.names_with_plus
                               ? std::min(kMaxPiecesPerName, pieces.size() - i)
                               : 1;
    for (size_t span = longest; span > 1; --span) {
      const char* b = pieces[i].data();
      const char* e = pieces[i + span - 1].data() + pieces[i + span - 1].size();
      if (IsDeclaredTerm(std::string_view(b, e - b), declared)) {
        take = span;
        break;
      }
    }
    const char* b = pieces[i].data();
    const char* e = pieces[i + take - 1].data() + pieces[i + take - 1].size();
    std::string_view text(b, e - b);
    i += take;
    if (text.empty()) continue;
    bool known = false;
    NamedSpecies term = Term(text, declared, known);
    if (!known && term.key == "M") {
      if (reaction.third_body == ThirdBody::kNone) {
        reaction.third_body = ThirdBody::kM;
      }
      continue;
    }
    if (!known && term.key == "HV") continue;
    term.line = reaction.line;
    terms.push_back(std::move(term));
  }
}

}  // namespace

bool ReadEquation(std::string_view equation, const DeclaredKeys& declared,
                  Reaction& reaction) {
  size_t arrow = equation.find("<=>");
  reaction.reversible = arrow != std::string_view::npos;
  if (!reaction.reversible) arrow = equation.find("|=>");
  if (arrow == std::string_view::npos) return false;
  ReadSide(equation.substr(0, arrow), declared, reaction, reaction.left);
  ReadSide(equation.substr(arrow + 3), declared, reaction, reaction.right);
  return true;
}

}  // namespace kestrelon

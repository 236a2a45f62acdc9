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
NamedSpecies Term(std::string_view text, const DeclaredKeys& declared) {
  NamedSpecies term;
  term.name = std::string(text);
  term.key = Upper(text);
  if (declared.count(term.key) > 0) return term;
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
  return term;
}

bool IsDeclaredTerm(std::string_view text, const DeclaredKeys& declared) {
  std::string key = Upper(text);
  if (declared.count(key) > 0) return true;
  size_t n = CoefficientLength(text);
  return n > 0 && declared.count(key.substr(n)) > 0;
}

void ReadSide(std::string_view side, const DeclaredKeys& declared,
              Reaction& reaction, std::vector<NamedSpecies>& terms) {
  if (side.size() > 3 && side.back() == ')') {
    size_t open = side.rfind("+(");
    if (open != std::string_view::npos) {
      std::string inner = Upper(side.substr(open + 2, side.size() - open - 3));
      if (inner == "M" || declared.count(inner) > 0) {
        reaction.third_body =
            inner == "M" ? ThirdBody::kFalloffM : ThirdBody::kFalloffSpecies;
        if (inner != "M") reaction.third_body_key = inner;
        side = side.substr(0, open);
      }
    }
  }
  std::vector<std::string_view> pieces = Pieces(side);
  size_t i = 0;
  while (i < pieces.size()) {
    size_t take = 1;
    for (size_t span = std::min(kMaxPiecesPerName, pieces.size() - i); span > 1;
         --span) {
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
    NamedSpecies term = Term(text, declared);
    if (declared.count(term.key) == 0 && term.key == "M") {
      if (reaction.third_body == ThirdBody::kNone) {
        reaction.third_body = ThirdBody::kM;
      }
      continue;
    }
    if (declared.count(term.key) == 0 && term.key == "HV") continue;
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

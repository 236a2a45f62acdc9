#include "compare/keyed_mechanism.h"

#include "compare/reaction_key.h"

namespace kestrelon {
namespace {

std::vector<CleanedReaction> Keyed(
    const std::vector<CleanedReactionLine>& lines) {
  std::vector<CleanedReaction> reactions;
  reactions.reserve(lines.size());
  for (const CleanedReactionLine& l : lines) {
    CleanedReaction r;
    r.line = l.line;
    r.text = l.text;
    r.equation = l.equation;
    r.a = l.a;
    r.n = l.n;
    r.ea = l.ea;
    r.a_value = l.a_value;
    r.n_value = l.n_value;
    r.ea_value = l.ea_value;
    // A reaction line holds "=" and its numbers cannot, so the equation
    // always has an arrow and the key is valid.
    ReactionKey k = MakeReactionKey(r.equation);
    r.key = std::move(k.key);
    r.reversible = k.reversible;
    r.swapped = k.swapped;
    if (!l.reverse_rate.empty()) {
      AuxItem rev;
      rev.name = "REV";
      rev.has_values = true;
      rev.values = l.reverse_rate;
      r.aux.push_back(rev);
    }
    for (std::string_view aux : l.aux_lines) ParseAuxLine(aux, &r.aux);
    reactions.push_back(std::move(r));
  }
  return reactions;
}

}  // namespace

CleanedMechanism KeyMechanism(CleanedFile file) {
  CleanedMechanism m;
  m.reactions = Keyed(file.reactions);
  m.non_elementary = Keyed(file.non_elementary);
  m.elements = std::move(file.elements);
  m.species = std::move(file.species);
  m.source = std::move(file.source);
  return m;
}

CleanedMechanism ParseCleanedFile(std::string text, const std::string& file) {
  return KeyMechanism(ReadCleanedFile(std::move(text), file));
}

}  // namespace kestrelon

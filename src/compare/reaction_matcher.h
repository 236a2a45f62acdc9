// Pairs the reactions of two cleaned files' lists by their keys (see
// reaction_key.h), in time linear in the length of the lists: the keys are
// hashed, all in one buffer, and a reaction of the second list written as
// the one at the same place in the first takes its key without making it
// again.
//
// Several reactions under one key (duplicates) are paired as a set, so
// that the order in which a file lists them does not matter: the pairs are
// taken closest first, by the relative differences of A, n and Ea (ties go
// to equal auxiliary items, then to the same orientation, then to file
// order). Reactions left over are only in their own list. Never throws.
#ifndef KESTRELON_COMPARE_REACTION_MATCHER_H_
#define KESTRELON_COMPARE_REACTION_MATCHER_H_

#include <cstddef>
#include <vector>

#include "model/cleaned_file.h"

namespace kestrelon {

struct ReactionPair {
  size_t a = 0;                  // index into the first list
  size_t b = 0;                  // index into the second list
  bool other_way_round = false;  // b writes the sides the other way round
};

struct ReactionMatching {
  std::vector<ReactionPair> pairs;  // in the order of the first list
  std::vector<size_t> only_a;       // in list order
  std::vector<size_t> only_b;       // in list order
};

ReactionMatching MatchReactions(const std::vector<CleanedReactionLine>& a,
                                const std::vector<CleanedReactionLine>& b);

// Relative distance of the coefficients of two reactions: 0 when equal.
double CoefficientDistance(const CleanedReactionLine& x,
                           const CleanedReactionLine& y);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_REACTION_MATCHER_H_

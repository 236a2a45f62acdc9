// The checks of a reaction against the others and against its own
// auxiliary lines.
//
// Two reactions are the same reaction when their reactants and products
// agree as multisets (coefficients spelt out: "2OH" is "OH+OH"), either way
// round when one of them is reversible, and they have the same third body
// (none, M, (+M), (+X) for the same X) and the same rate form (plain,
// falloff, chemically activated, PLOG, Chebyshev). Error, at the later of
// the two, when not both carry DUP.
//
// Warning for a DUP reaction without a partner, a partner being a reaction
// with the same species in any third body or rate form (a PLOG and an
// Arrhenius expression of one reaction), or, for a reaction with M, the
// same reaction with a collider written out on both sides ("2H+M=H2+M" and
// "2H+O2=H2+O2" overlap through the efficiency of O2). Warnings too for a
// negative A on a reaction without DUP, and for efficiencies on a reaction
// whose third body is not M (at the first efficiency's line).
//
// Reactions are grouped by hashes of their sides, so the work is linear
// but within a group of equals. Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_DUPLICATE_CHECK_H_
#define KESTRELON_CHECK_DUPLICATE_CHECK_H_

#include <vector>

#include "check/finding.h"
#include "check/reaction.h"

namespace kestrelon {

void CheckDuplicates(const std::vector<Reaction>& reactions,
                     Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_DUPLICATE_CHECK_H_

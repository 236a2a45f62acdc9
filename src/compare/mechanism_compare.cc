#include "compare/mechanism_compare.h"

#include <string_view>
#include <unordered_set>

#include "compare/aux_line.h"
#include "compare/reaction_matcher.h"

namespace kestrelon {
namespace {

ReactionRef RefOf(const CleanedReactionLine& r) {
  return {r.line, std::string(r.text), std::string(r.equation)};
}

void AddFieldIfDiffers(const char* name, std::string_view a, std::string_view b,
                       const Tolerance& tol,
                       std::vector<FieldDifference>* out) {
  if (NumberTextsDiffer(a, b, tol)) {
    out->push_back({name, std::string(a), std::string(b)});
  }
}

ReactionListReport CompareLists(const std::vector<CleanedReactionLine>& a,
                                const std::vector<CleanedReactionLine>& b,
                                const CompareSettings& s) {
  ReactionListReport report;
  ReactionMatching m = MatchReactions(a, b);
  for (size_t i : m.only_a) report.only_in_a.push_back(RefOf(a[i]));
  for (size_t i : m.only_b) report.only_in_b.push_back(RefOf(b[i]));
  report.matched = m.pairs.size();
  for (const ReactionPair& p : m.pairs) {
    const CleanedReactionLine& x = a[p.a];
    const CleanedReactionLine& y = b[p.b];
    const bool other_way = p.other_way_round;
    if (other_way) ++report.matched_other_way_round;

    std::vector<FieldDifference> fields;
    AddFieldIfDiffers("A", x.a, y.a, s.tolerance, &fields);
    AddFieldIfDiffers("n", x.n, y.n, s.tolerance, &fields);
    AddFieldIfDiffers("Ea", x.ea, y.ea, s.tolerance, &fields);
    if (!fields.empty()) {
      RateDifference d;
      d.a = RefOf(x);
      d.b = RefOf(y);
      d.other_way_round = other_way;
      d.fields = std::move(fields);
      Arrhenius ka{x.a_value, x.n_value, x.ea_value};
      Arrhenius kb{y.a_value, y.n_value, y.ea_value};
      for (size_t t = 0; t < 2; ++t) {
        d.ratios[t] = RateRatio(ka, kb, s.unit, kRatioTemperatures[t]);
      }
      report.rate_differences.push_back(std::move(d));
    }

    if (SameAuxLines(x, y)) continue;
    std::vector<AuxDifference> items =
        CompareAuxItems(AuxItemsOf(x), AuxItemsOf(y), s.tolerance);
    if (!items.empty()) {
      AuxDifferences d;
      d.a = RefOf(x);
      d.b = RefOf(y);
      d.other_way_round = other_way;
      d.items = std::move(items);
      report.aux_differences.push_back(std::move(d));
    }
  }
  return report;
}

NameListReport CompareNames(const std::vector<std::string>& a,
                            const std::vector<std::string>& b) {
  return {NamesMissingFrom(a, b), NamesMissingFrom(b, a)};
}

}  // namespace

std::vector<std::string> NamesMissingFrom(const std::vector<std::string>& a,
                                          const std::vector<std::string>& b) {
  std::unordered_set<std::string_view> in_b(b.begin(), b.end());
  std::unordered_set<std::string_view> reported;
  std::vector<std::string> missing;
  for (const std::string& name : a) {
    if (in_b.count(name) == 0 && reported.insert(name).second) {
      missing.push_back(name);
    }
  }
  return missing;
}

CompareReport CompareMechanisms(const CleanedFile& a, const CleanedFile& b,
                                const CompareSettings& settings) {
  CompareReport report;
  report.file_a = settings.file_a;
  report.file_b = settings.file_b;
  report.unit = settings.unit;
  report.unit_from_names = settings.unit_from_names;
  report.tolerance = settings.tolerance;
  report.elements = CompareNames(a.elements, b.elements);
  report.species = CompareNames(a.species, b.species);
  report.reactions = CompareLists(a.reactions, b.reactions, settings);
  report.non_elementary =
      CompareLists(a.non_elementary, b.non_elementary, settings);
  return report;
}

}  // namespace kestrelon

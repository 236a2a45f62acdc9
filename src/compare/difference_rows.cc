#include "compare/difference_rows.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kestrelon {
namespace {

// The reactions of one mechanism by line; the report names them by line.
class ByLine {
 public:
  explicit ByLine(const CleanedFile& m) {
    for (const auto* list : {&m.reactions, &m.non_elementary}) {
      for (const CleanedReactionLine& r : *list) reactions_[r.line] = &r;
    }
  }
  std::optional<RowSide> Side(const ReactionRef& ref) const {
    auto it = reactions_.find(ref.line);
    if (it == reactions_.end()) return std::nullopt;
    const CleanedReactionLine& r = *it->second;
    return RowSide{r.line, std::string(r.a), std::string(r.n),
                   std::string(r.ea),
                   Arrhenius{r.a_value, r.n_value, r.ea_value}};
  }

 private:
  std::unordered_map<int, const CleanedReactionLine*> reactions_;
};

class RowBuilder {
 public:
  RowBuilder(const ByLine& a, const ByLine& b, OutUnit unit,
             std::vector<DifferenceRow>* rows)
      : a_(a), b_(b), unit_(unit), rows_(rows) {}

  void Add(const ReactionListReport& list, bool non_elementary) {
    for (const ReactionRef& r : list.only_in_a) {
      Push(DifferenceKind::kOnlyInA, non_elementary, r.equation, a_.Side(r),
           std::nullopt);
    }
    for (const ReactionRef& r : list.only_in_b) {
      Push(DifferenceKind::kOnlyInB, non_elementary, r.equation, std::nullopt,
           b_.Side(r));
    }
    for (const RateDifference& d : list.rate_differences) {
      Push(DifferenceKind::kRateParameters, non_elementary, d.a.equation,
           a_.Side(d.a), b_.Side(d.b), d.other_way_round);
    }
    for (const AuxDifferences& d : list.aux_differences) {
      Push(DifferenceKind::kAuxLines, non_elementary, d.a.equation,
           a_.Side(d.a), b_.Side(d.b), d.other_way_round);
    }
  }

 private:
  void Push(DifferenceKind kind, bool non_elementary, std::string equation,
            std::optional<RowSide> a, std::optional<RowSide> b,
            bool other_way_round = false) {
    DifferenceRow row;
    row.kind = kind;
    row.non_elementary = non_elementary;
    row.equation = std::move(equation);
    row.other_way_round = other_way_round;
    row.a = std::move(a);
    row.b = std::move(b);
    if (row.a && row.b) {
      row.ratio_1000 =
          RateRatio(row.a->rate, row.b->rate, unit_, kRatioTemperatures[0]);
    }
    rows_->push_back(std::move(row));
  }

  const ByLine& a_;
  const ByLine& b_;
  OutUnit unit_;
  std::vector<DifferenceRow>* rows_;
};

// How far apart k(a) and k(b) get over `range`, in decades, without
// drawing the curve: ln(k(b)/k(a)) = c + dn ln T - K/T is largest in size
// at an end of the range or where its slope dn/T + K/T^2 is zero, at
// T = -K/dn. K comes from the two ends. Nothing when the ratio is not
// defined at the ends; where it is not defined at some temperatures only
// (an overflow), the curve's points are searched instead.
std::optional<double> SpreadOver(const Arrhenius& a, const Arrhenius& b,
                                 OutUnit unit, const TemperatureRange& range) {
  const std::optional<double> low = RateRatio(a, b, unit, range.low);
  const std::optional<double> high = RateRatio(a, b, unit, range.high);
  if (a.a <= 0) return std::nullopt;
  if (!low || !high || *low <= 0 || *high <= 0) {
    Series ratios =
        RatioSeries(a, b, unit, TemperatureGrid(range, kCurvePoints));
    if (ratios.empty()) return std::nullopt;
    return Spread(ratios);
  }
  const double ln_low = std::log(*low);
  const double ln_high = std::log(*high);
  double spread = std::max(std::fabs(ln_low), std::fabs(ln_high));
  const double dn = b.n - a.n;
  if (dn != 0) {
    const double k = (dn * (std::log(range.low) - std::log(range.high)) -
                      (ln_low - ln_high)) /
                     (1.0 / range.low - 1.0 / range.high);
    const double t = -k / dn;
    if (t > range.low && t < range.high) {
      std::optional<double> r = RateRatio(a, b, unit, t);
      if (r && *r > 0) spread = std::max(spread, std::fabs(std::log(*r)));
    }
  }
  return spread / std::log(10.0);
}

}  // namespace

const char* DifferenceKindName(DifferenceKind kind) {
  switch (kind) {
    case DifferenceKind::kOnlyInA:
      return "only in A";
    case DifferenceKind::kOnlyInB:
      return "only in B";
    case DifferenceKind::kRateParameters:
      return "rate parameters";
    case DifferenceKind::kAuxLines:
      return "auxiliary lines";
  }
  return "";
}

std::vector<DifferenceRow> DifferenceRows(const CompareReport& report,
                                          const CleanedFile& a,
                                          const CleanedFile& b) {
  std::vector<DifferenceRow> rows;
  const ByLine in_a(a);
  const ByLine in_b(b);
  RowBuilder builder(in_a, in_b, report.unit, &rows);
  builder.Add(report.reactions, false);
  builder.Add(report.non_elementary, true);
  return rows;
}

std::vector<size_t> LargestSpread(const std::vector<DifferenceRow>& rows,
                                  const std::vector<size_t>& candidates,
                                  OutUnit unit, const TemperatureRange& range) {
  std::vector<std::pair<double, size_t>> spread;
  for (size_t i : candidates) {
    const DifferenceRow& row = rows[i];
    if (row.kind != DifferenceKind::kRateParameters || row.other_way_round ||
        !row.a || !row.b) {
      continue;
    }
    std::optional<double> s = SpreadOver(row.a->rate, row.b->rate, unit, range);
    if (s) spread.push_back({*s, i});
  }
  const size_t keep = std::min(spread.size(), kMaxRatioCurves);
  // Larger spread first; on a tie the candidate that came first.
  std::partial_sort(spread.begin(), spread.begin() + keep, spread.end(),
                    [](const auto& x, const auto& y) {
                      return x.first != y.first ? x.first > y.first
                                                : x.second < y.second;
                    });
  std::vector<size_t> chosen;
  for (size_t k = 0; k < keep; ++k) chosen.push_back(spread[k].second);
  return chosen;
}

}  // namespace kestrelon

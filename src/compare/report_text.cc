#include "compare/report_text.h"

#include <cstdio>

namespace kestrelon {
namespace {

std::string Count(size_t n) { return std::to_string(n); }

std::string ToleranceText(const Tolerance& t) {
  if (!t.relative) return "printed digits";
  char buf[40];
  std::snprintf(buf, sizeof buf, "relative %g", t.rel);
  return buf;
}

void Counts(const std::string& what, const ReactionListReport& r,
            std::string* out) {
  *out += what + " matched: " + Count(r.matched) + " (" +
          Count(r.matched_other_way_round) + " written the other way round)\n";
  *out += what + " only in A: " + Count(r.only_in_a.size()) +
          ", only in B: " + Count(r.only_in_b.size()) + "\n";
  *out += what + " with different rate parameters: " +
          Count(r.rate_differences.size()) + "\n";
  *out += what + " with different auxiliary lines: " +
          Count(r.aux_differences.size()) + "\n";
}

void Names(const std::string& title, const std::vector<std::string>& names,
           std::string* out) {
  if (names.empty()) return;
  *out += title + " (" + Count(names.size()) + "):\n";
  for (const std::string& n : names) *out += "  " + n + "\n";
}

void Refs(const std::string& title, const std::vector<ReactionRef>& refs,
          std::string* out) {
  if (refs.empty()) return;
  *out += title + " (" + Count(refs.size()) + "):\n";
  for (const ReactionRef& r : refs) {
    *out += "  line " + std::to_string(r.line) + ": " + r.text + "\n";
  }
}

std::string Heading(const ReactionRef& a, const ReactionRef& b,
                    bool other_way_round) {
  std::string h = "  " + a.equation + " (A line " + std::to_string(a.line);
  if (other_way_round) {
    h += "; B line " + std::to_string(b.line) + ", written " + b.equation +
         ", compared as written)";
  } else {
    h += ", B line " + std::to_string(b.line) + ")";
  }
  return h + "\n";
}

void Rates(const std::string& title, const std::vector<RateDifference>& diffs,
           std::string* out) {
  if (diffs.empty()) return;
  *out += title + " (" + Count(diffs.size()) + "):\n";
  for (const RateDifference& d : diffs) {
    *out += Heading(d.a, d.b, d.other_way_round);
    for (const FieldDifference& f : d.fields) {
      *out += "    " + f.name + ": " + f.a + " -> " + f.b + "\n";
    }
    *out += "    k(B)/k(A): " + FormatRatio(d.ratios[0]) + " at 1000 K, " +
            FormatRatio(d.ratios[1]) + " at 2000 K\n";
  }
}

void AuxItems(const std::string& title,
              const std::vector<AuxDifferences>& diffs, std::string* out) {
  if (diffs.empty()) return;
  *out += title + " (" + Count(diffs.size()) + "):\n";
  for (const AuxDifferences& d : diffs) {
    *out += Heading(d.a, d.b, d.other_way_round);
    for (const AuxDifference& item : d.items) {
      std::string name =
          item.efficiency ? "efficiency of " + item.name : item.name;
      *out += "    " + name + ": ";
      if (item.a && item.b) {
        *out += *item.a + " -> " + *item.b;
      } else {
        const std::string& shown = item.a ? *item.a : *item.b;
        *out += item.a ? "only in A" : "only in B";
        if (shown != item.name) *out += " (" + shown + ")";
      }
      *out += "\n";
    }
  }
}

void Details(const std::string& what, const ReactionListReport& r,
             std::string* out) {
  std::string part;
  Refs(what + " only in A", r.only_in_a, &part);
  Refs(what + " only in B", r.only_in_b, &part);
  Rates(what + " with different rate parameters", r.rate_differences, &part);
  AuxItems(what + " with different auxiliary lines", r.aux_differences, &part);
  if (!part.empty()) *out += "\n" + part;
}

}  // namespace

std::string FormatRatio(std::optional<double> ratio) {
  if (!ratio) return "undefined";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4g", *ratio);
  return buf;
}

std::string RenderReportText(const CompareReport& r) {
  std::string out;
  out += "A: " + r.file_a + "\n";
  out += "B: " + r.file_b + "\n";
  out += std::string("Ea in ") + UnitName(r.unit) +
         (r.unit_from_names ? " (from the file names)"
                            : " (assumed: the file names do not tell)") +
         "; tolerance: " + ToleranceText(r.tolerance) + "\n";
  out += "Elements only in A: " + Count(r.elements.only_in_a.size()) +
         ", only in B: " + Count(r.elements.only_in_b.size()) + "\n";
  out += "Species only in A: " + Count(r.species.only_in_a.size()) +
         ", only in B: " + Count(r.species.only_in_b.size()) + "\n";
  Counts("Reactions", r.reactions, &out);
  Counts("Non-elementary reactions", r.non_elementary, &out);
  out += r.Same() ? "No differences.\n" : "The files differ.\n";

  std::string names;
  Names("Elements only in A", r.elements.only_in_a, &names);
  Names("Elements only in B", r.elements.only_in_b, &names);
  Names("Species only in A", r.species.only_in_a, &names);
  Names("Species only in B", r.species.only_in_b, &names);
  if (!names.empty()) out += "\n" + names;
  Details("Reactions", r.reactions, &out);
  Details("Non-elementary reactions", r.non_elementary, &out);
  return out;
}

}  // namespace kestrelon

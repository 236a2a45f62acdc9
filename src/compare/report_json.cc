#include "compare/report_json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace kestrelon {
namespace {

// Members stay in the order they are set, as the text report lists them.
using Json = nlohmann::ordered_json;

// Length of the valid UTF-8 sequence that starts at `i`, or 0.
size_t Utf8Length(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len;
  unsigned min;
  unsigned code;
  if (c < 0x80) {
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    len = 2, min = 0x80, code = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3, min = 0x800, code = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4, min = 0x10000, code = c & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    code = (code << 6) | (t & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return 0;
  }
  return len;
}

Json Text(std::string_view s) { return AsUtf8(s); }

// Six significant digits, as many as a ratio of printed numbers can mean.
Json Number(double value) {
  if (!std::isfinite(value)) return nullptr;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", value);
  return std::strtod(buf, nullptr);
}

Json Names(const NameListReport& names) {
  Json a = Json::array();
  Json b = Json::array();
  for (const std::string& n : names.only_in_a) a.push_back(Text(n));
  for (const std::string& n : names.only_in_b) b.push_back(Text(n));
  return {{"only_in_a", std::move(a)}, {"only_in_b", std::move(b)}};
}

Json Ref(const ReactionRef& r) {
  return {
      {"line", r.line}, {"text", Text(r.text)}, {"equation", Text(r.equation)}};
}

Json Refs(const std::vector<ReactionRef>& refs) {
  Json list = Json::array();
  for (const ReactionRef& r : refs) list.push_back(Ref(r));
  return list;
}

Json Pair(const ReactionRef& a, const ReactionRef& b, bool other_way_round) {
  return {{"a", Ref(a)}, {"b", Ref(b)}, {"other_way_round", other_way_round}};
}

Json OptionalText(const std::optional<std::string>& s) {
  return s ? Text(*s) : Json(nullptr);
}

Json Reactions(const ReactionListReport& r) {
  Json rates = Json::array();
  for (const RateDifference& d : r.rate_differences) {
    Json entry = Pair(d.a, d.b, d.other_way_round);
    Json& fields = entry["fields"] = Json::array();
    for (const FieldDifference& f : d.fields) {
      fields.push_back(
          {{"name", Text(f.name)}, {"a", Text(f.a)}, {"b", Text(f.b)}});
    }
    const char* ratio_keys[] = {"k_ratio_1000", "k_ratio_2000"};
    for (size_t t = 0; t < 2; ++t) {
      entry[ratio_keys[t]] = d.ratios[t] ? Number(*d.ratios[t]) : Json(nullptr);
    }
    rates.push_back(std::move(entry));
  }
  Json aux = Json::array();
  for (const AuxDifferences& d : r.aux_differences) {
    Json entry = Pair(d.a, d.b, d.other_way_round);
    Json& items = entry["items"] = Json::array();
    for (const AuxDifference& item : d.items) {
      items.push_back({{"name", Text(item.name)},
                       {"kind", item.efficiency ? "efficiency" : "keyword"},
                       {"a", OptionalText(item.a)},
                       {"b", OptionalText(item.b)}});
    }
    aux.push_back(std::move(entry));
  }
  return {{"matched", r.matched},
          {"matched_other_way_round", r.matched_other_way_round},
          {"only_in_a", Refs(r.only_in_a)},
          {"only_in_b", Refs(r.only_in_b)},
          {"rate_differences", std::move(rates)},
          {"auxiliary_differences", std::move(aux)}};
}

}  // namespace

std::string AsUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (size_t len = Utf8Length(text, i); len > 0) {
      out.append(text.substr(i, len));
      i += len;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(text[i++]);
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::string RenderReportJson(const CompareReport& r) {
  Json tolerance = {
      {"kind", r.tolerance.relative ? "relative" : "printed_digits"}};
  if (r.tolerance.relative) tolerance["value"] = Number(r.tolerance.rel);
  Json report = {{"file_a", Text(r.file_a)},
                 {"file_b", Text(r.file_b)},
                 {"ea_unit", UnitName(r.unit)},
                 {"ea_unit_from_names", r.unit_from_names},
                 {"tolerance", std::move(tolerance)},
                 {"same", r.Same()},
                 {"elements", Names(r.elements)},
                 {"species", Names(r.species)},
                 {"reactions", Reactions(r.reactions)},
                 {"non_elementary", Reactions(r.non_elementary)}};
  // Every text went through AsUtf8, so the strict handler never throws.
  return report.dump(2, ' ', false) + "\n";
}

}  // namespace kestrelon

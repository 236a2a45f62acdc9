#include "compare/report_json.h"

#include "compare/json_writer.h"

namespace kestrelon {
namespace {

void Names(JsonWriter& w, const char* key, const NameListReport& names) {
  w.Key(key);
  w.BeginObject();
  w.Key("only_in_a");
  w.BeginArray();
  for (const std::string& n : names.only_in_a) w.String(n);
  w.EndArray();
  w.Key("only_in_b");
  w.BeginArray();
  for (const std::string& n : names.only_in_b) w.String(n);
  w.EndArray();
  w.EndObject();
}

void Ref(JsonWriter& w, const ReactionRef& r) {
  w.BeginObject();
  w.Key("line");
  w.Integer(r.line);
  w.Key("text");
  w.String(r.text);
  w.Key("equation");
  w.String(r.equation);
  w.EndObject();
}

void OptionalString(JsonWriter& w, const std::optional<std::string>& s) {
  if (s) {
    w.String(*s);
  } else {
    w.Null();
  }
}

void Pair(JsonWriter& w, const ReactionRef& a, const ReactionRef& b,
          bool other_way_round) {
  w.Key("a");
  Ref(w, a);
  w.Key("b");
  Ref(w, b);
  w.Key("other_way_round");
  w.Bool(other_way_round);
}

void Reactions(JsonWriter& w, const char* key, const ReactionListReport& r) {
  w.Key(key);
  w.BeginObject();
  w.Key("matched");
  w.Integer(static_cast<long long>(r.matched));
  w.Key("matched_other_way_round");
  w.Integer(static_cast<long long>(r.matched_other_way_round));
  w.Key("only_in_a");
  w.BeginArray();
  for (const ReactionRef& ref : r.only_in_a) Ref(w, ref);
  w.EndArray();
  w.Key("only_in_b");
  w.BeginArray();
  for (const ReactionRef& ref : r.only_in_b) Ref(w, ref);
  w.EndArray();

  w.Key("rate_differences");
  w.BeginArray();
  for (const RateDifference& d : r.rate_differences) {
    w.BeginObject();
    Pair(w, d.a, d.b, d.other_way_round);
    w.Key("fields");
    w.BeginArray();
    for (const FieldDifference& f : d.fields) {
      w.BeginObject();
      w.Key("name");
      w.String(f.name);
      w.Key("a");
      w.String(f.a);
      w.Key("b");
      w.String(f.b);
      w.EndObject();
    }
    w.EndArray();
    const char* ratio_keys[] = {"k_ratio_1000", "k_ratio_2000"};
    for (size_t t = 0; t < 2; ++t) {
      w.Key(ratio_keys[t]);
      if (d.ratios[t]) {
        w.Number(*d.ratios[t]);
      } else {
        w.Null();
      }
    }
    w.EndObject();
  }
  w.EndArray();

  w.Key("auxiliary_differences");
  w.BeginArray();
  for (const AuxDifferences& d : r.aux_differences) {
    w.BeginObject();
    Pair(w, d.a, d.b, d.other_way_round);
    w.Key("items");
    w.BeginArray();
    for (const AuxDifference& item : d.items) {
      w.BeginObject();
      w.Key("name");
      w.String(item.name);
      w.Key("kind");
      w.String(item.efficiency ? "efficiency" : "keyword");
      w.Key("a");
      OptionalString(w, item.a);
      w.Key("b");
      OptionalString(w, item.b);
      w.EndObject();
    }
    w.EndArray();
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
}

}  // namespace

std::string RenderReportJson(const CompareReport& r) {
  JsonWriter w;
  w.BeginObject();
  w.Key("file_a");
  w.String(r.file_a);
  w.Key("file_b");
  w.String(r.file_b);
  w.Key("ea_unit");
  w.String(EaUnitName(r.unit));
  w.Key("ea_unit_from_names");
  w.Bool(r.unit_from_names);
  w.Key("tolerance");
  w.BeginObject();
  w.Key("kind");
  w.String(r.tolerance.relative ? "relative" : "printed_digits");
  if (r.tolerance.relative) {
    w.Key("value");
    w.Number(r.tolerance.rel);
  }
  w.EndObject();
  w.Key("same");
  w.Bool(r.Same());
  Names(w, "elements", r.elements);
  Names(w, "species", r.species);
  Reactions(w, "reactions", r.reactions);
  Reactions(w, "non_elementary", r.non_elementary);
  w.EndObject();
  return w.text();
}

}  // namespace kestrelon

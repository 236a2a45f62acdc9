#include "output/reaction_units.h"

#include <initializer_list>

#include "model/reaction_markers.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> set) {
  for (std::string_view s : set) {
    if (word == s) return true;
  }
  return false;
}

bool IsUnitsLine(std::string_view line) {
  if (!StartsWith(line, "UNITS")) return false;
  return line.size() == 5 || line[5] == ' ' || line[5] == '/';
}

struct Span {
  size_t begin;
  size_t end;
};

// The words between the slashes of a UNITS line, as spans of the line.
// "UNITS / KCAL/MOLE /" holds the one word "KCAL/MOLE": its slash joins the
// unit and its "per mole", the outer slashes enclose the list.
std::vector<Span> UnitWords(std::string_view line) {
  size_t from = 5;
  size_t to = line.size();
  const size_t open = line.find('/', from);
  if (open != std::string_view::npos) {
    from = open + 1;
    const size_t close = line.rfind('/');
    if (close > open) to = close;
  }
  std::vector<Span> words;
  size_t i = from;
  while (i < to) {
    while (i < to && (line[i] == ' ' || line[i] == '/')) ++i;
    const size_t start = i;
    while (i < to && line[i] != ' ') ++i;
    size_t end = i;
    while (end > start && line[end - 1] == '/') --end;
    if (end > start) words.push_back({start, end});
  }
  return words;
}

}  // namespace

std::optional<EaUnit> UnitsLineEnergy(std::string_view word) {
  if (OneOf(word, {"K", "KELV", "KELVIN", "KELVINS"})) return EaUnit::kKelvin;
  const size_t slash = word.find('/');
  if (slash != std::string_view::npos) {
    if (!OneOf(word.substr(slash + 1), {"MOL", "MOLE"})) return std::nullopt;
    word = word.substr(0, slash);
  }
  if (OneOf(word, {"CAL", "CALS", "CALORIE", "CALORIES"})) return EaUnit::kCal;
  if (OneOf(word, {"KCAL", "KCALS", "KCALORIE", "KCALORIES"})) {
    return EaUnit::kKcal;
  }
  if (OneOf(word, {"J", "JOUL", "JOULE", "JOULES"})) return EaUnit::kJ;
  if (OneOf(word, {"KJ", "KJOU", "KJOUL", "KJOULE", "KJOULES"})) {
    return EaUnit::kKj;
  }
  return std::nullopt;
}

std::optional<UnitsLineReading> ReadUnitsLine(std::string_view line) {
  if (!IsUnitsLine(line)) return std::nullopt;
  UnitsLineReading reading;
  reading.rest.assign(line);
  bool other_word = false;
  const std::vector<Span> words = UnitWords(line);
  // From the last word back, so that the spans before stay where they are.
  for (size_t k = words.size(); k-- > 0;) {
    const Span w = words[k];
    const std::optional<EaUnit> unit =
        UnitsLineEnergy(line.substr(w.begin, w.end - w.begin));
    if (!unit) {
      other_word = true;
      continue;
    }
    reading.energy = unit;
    if (w.end < reading.rest.size() && reading.rest[w.end] == ' ') {
      reading.rest.erase(w.begin, w.end - w.begin + 1);
    } else if (w.begin > 0 && reading.rest[w.begin - 1] == ' ') {
      reading.rest.erase(w.begin - 1, w.end - w.begin + 1);
    } else {
      reading.rest.erase(w.begin, w.end - w.begin);
    }
  }
  if (reading.energy && !other_word) reading.rest.clear();
  return reading;
}

EaUnit ReactionUnitOfRow(const WorkingTable& table, int row, int end,
                         EaUnit run_unit) {
  for (int r = row + 1; r < end; ++r) {
    std::string_view line = table.Get(r, kLineColumn);
    if (!IsAuxiliaryLine(line)) break;
    line.remove_prefix(kAuxTag.size());
    if (line.empty() || line[0] != 'U') continue;
    const std::optional<UnitsLineReading> units = ReadUnitsLine(line);
    if (units && units->energy) return *units->energy;
  }
  return run_unit;
}

EaUnit ReactionUnitOfBlock(std::span<const std::string_view> aux,
                           EaUnit run_unit) {
  for (std::string_view line : aux) {
    if (line.empty() || line[0] != 'U') continue;
    const std::optional<UnitsLineReading> units = ReadUnitsLine(line);
    if (units && units->energy) return *units->energy;
  }
  return run_unit;
}

}  // namespace kestrelon

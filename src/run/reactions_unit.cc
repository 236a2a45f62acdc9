#include "run/reactions_unit.h"

#include "model/run_warning.h"
#include "output/reaction_units.h"
#include "platform/text_ops.h"
#include "run/name_rules.h"

namespace kestrelon {
namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> set) {
  for (std::string_view s : set) {
    if (word == s) return true;
  }
  return false;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

std::string Joined(const std::vector<DeclaredWord<EnergyUnit>>& words) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += " and ";
    text += words[i].word;
  }
  return text;
}

}  // namespace

std::optional<EnergyUnit> EnergyUnitOfWord(std::string_view word) {
  if (OneOf(word, {"EV", "EVOL", "EVOLT", "EVOLTS"})) {
    return EnergyUnit::kEvolts;
  }
  // CHEMKIN's own short form of CAL/MOLE.
  if (word == "CAL/") return EnergyUnit::kCal;
  // The words a reaction's own UNITS line is read with: a REACTIONS line
  // written "KCAL" or "KJOU" (the four-letter forms) means what a UNITS line
  // written so means.
  const std::optional<EaUnit> unit = UnitsLineEnergy(word);
  if (!unit) return std::nullopt;
  switch (*unit) {
    case EaUnit::kCal:
      return EnergyUnit::kCal;
    case EaUnit::kKcal:
      return EnergyUnit::kKcal;
    case EaUnit::kJ:
      return EnergyUnit::kJ;
    case EaUnit::kKj:
      return EnergyUnit::kKj;
    case EaUnit::kKelvin:
      return EnergyUnit::kKelvin;
  }
  return std::nullopt;
}

std::optional<AmountUnit> AmountUnitOfWord(std::string_view word) {
  if (OneOf(word, {"MOLE", "MOLES"})) return AmountUnit::kMoles;
  if (OneOf(word, {"MOLEC", "MOLECULE", "MOLECULES"})) {
    return AmountUnit::kMolecules;
  }
  return std::nullopt;
}

namespace {

// Whether `text` begins with `upper` in any case; `upper` holds capital
// letters only, so clearing the case bit of a byte is enough.
bool BeginsWithFolded(std::string_view text, std::string_view upper) {
  if (text.size() < upper.size()) return false;
  for (size_t i = 0; i < upper.size(); ++i) {
    if ((text[i] & ~0x20) != upper[i]) return false;
  }
  return true;
}

// The text of a reaction's own UNITS line, blanks around it and its comment
// cut off; empty for any other line.
std::string_view UnitsLine(std::string_view line) {
  // Most lines are told apart by their first letter, before the search for
  // a comment.
  size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size() || (line[first] != 'U' && line[first] != 'u')) {
    return {};
  }
  size_t bang = line.find('!');
  if (bang != std::string_view::npos) line = line.substr(0, bang);
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  if (!BeginsWithFolded(line, "UNITS")) return {};
  if (line.size() > 5 && !IsBlank(line[5]) && line[5] != '/') return {};
  return line;
}

// Whether the run converts the reaction's Ea from the energy unit the UNITS
// line names and drops the line, so that there is nothing to report.
bool ConvertedAway(std::string_view units) {
  std::string line(units);
  UpperCaseAscii(line);
  for (char& c : line) c = c == '\t' ? ' ' : c;
  const std::optional<UnitsLineReading> reading = ReadUnitsLine(line);
  return reading && reading->energy && reading->rest.empty();
}

}  // namespace

ReactionsLine ReadReactionsLine(std::string_view text) {
  ReactionsLine found;
  std::string_view line;
  ForEachLineStartingWith(text, 'R', 1, [&](std::string_view l, int n) {
    size_t first = 0;
    while (first < l.size() && IsBlank(l[first])) ++first;
    if (!BeginsWithFolded(l.substr(first), "REAC")) return true;
    line = l;
    found.line = n;
    return false;
  });
  if (found.line == 0) return found;
  LineReader reader(
      text.substr(static_cast<size_t>(line.data() - text.data())));
  reader.Next(line);
  const std::string_view after = reader.rest();
  size_t bang = line.find('!');
  if (bang != std::string_view::npos) line = line.substr(0, bang);
  std::vector<std::string_view> words = Words(line);
  for (size_t w = 1; w < words.size(); ++w) {
    std::string word(words[w]);
    UpperCaseAscii(word);
    if (std::optional<EnergyUnit> e = EnergyUnitOfWord(word)) {
      found.energies.push_back({*e, word});
    } else if (std::optional<AmountUnit> a = AmountUnitOfWord(word)) {
      found.amounts.push_back({*a, word});
    }
  }
  // Only the lines after the REACTIONS line may give a reaction units of
  // its own.
  ForEachLineStartingWith(
      after, 'U', found.line + 1, [&found](std::string_view l, int n) {
        std::string_view units = UnitsLine(l);
        if (!units.empty() && !ConvertedAway(units)) {
          found.units_lines.push_back({n, std::string(units)});
        }
        return true;
      });
  return found;
}

std::optional<EaUnit> ConvertibleUnit(EnergyUnit unit) {
  switch (unit) {
    case EnergyUnit::kCal:
      return EaUnit::kCal;
    case EnergyUnit::kKcal:
      return EaUnit::kKcal;
    case EnergyUnit::kJ:
      return EaUnit::kJ;
    case EnergyUnit::kKj:
      return EaUnit::kKj;
    case EnergyUnit::kKelvin:
      return EaUnit::kKelvin;
    case EnergyUnit::kEvolts:
      break;
  }
  return std::nullopt;
}

UnitDecision DecideUnit(const ReactionsLine& declared, bool automatic,
                        EaUnit given, const std::string& file) {
  UnitDecision decision;
  decision.unit = automatic ? EaUnit::kCal : given;
  const std::string where = file + ":" + std::to_string(declared.line) + ": ";
  auto warn = [&](const std::string& text) {
    decision.warnings.push_back(FormatWarning(file, declared.line, text));
  };

  if (!declared.energies.empty()) {
    const DeclaredWord<EnergyUnit>& first = declared.energies.front();
    bool agree = true;
    bool all_given = true;
    for (const auto& d : declared.energies) {
      agree = agree && d.unit == first.unit;
      all_given = all_given && ConvertibleUnit(d.unit) == given;
    }
    if (automatic) {
      if (!agree) {
        decision.error = "kestrelon: " + where + "REACTIONS declares " +
                         Joined(declared.energies) +
                         "; give the unit of Ea with --unit (kj, kcal, j, "
                         "cal or kelvin)";
        return decision;
      }
      std::optional<EaUnit> unit = ConvertibleUnit(first.unit);
      if (!unit) {
        decision.error = "kestrelon: " + where + "REACTIONS declares " +
                         first.word +
                         ", which kestrelon cannot convert: Ea can only be "
                         "given in kJ/mol, kcal/mol, J/mol, cal/mol or K";
        return decision;
      }
      decision.unit = *unit;
    } else if (!all_given) {
      // Only a single convertible unit is what --unit auto would take.
      const bool auto_helps = agree && ConvertibleUnit(first.unit).has_value();
      warn("REACTIONS declares " + Joined(declared.energies) +
           ", cleaning as " + UnitName(given) +
           (auto_helps ? "; --unit auto takes the declared unit" : ""));
    }
  }

  for (const auto& a : declared.amounts) {
    if (a.unit != AmountUnit::kMolecules) continue;
    warn("REACTIONS declares " + a.word +
         ": A is copied as it stands (kestrelon converts only Ea)");
    break;
  }
  // A UNITS line the run keeps names a unit the files do not convert to;
  // the first few are named, the rest counted.
  constexpr size_t kNamedUnitsLines = 3;
  const size_t units_lines = declared.units_lines.size();
  for (size_t i = 0; i < units_lines && i < kNamedUnitsLines; ++i) {
    const UnitsLineSeen& u = declared.units_lines[i];
    std::string text = "\"" + u.text +
                       "\" is not read: the reaction's numbers are cleaned "
                       "as the others are, Ea as " +
                       UnitName(decision.unit);
    if (i + 1 == kNamedUnitsLines && units_lines > kNamedUnitsLines) {
      text += " (and " + std::to_string(units_lines - kNamedUnitsLines) +
              " more UNITS lines)";
    }
    decision.warnings.push_back(FormatWarning(file, u.line, text));
  }

  return decision;
}

}  // namespace kestrelon

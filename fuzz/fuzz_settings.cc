#include "fuzz_settings.h"

#include <map>

#include "run/name_rules.h"

namespace kestrelon::fuzz {
namespace {

// Everything but NUL: no dialog can type one.
std::string Typed(std::string_view v) {
  std::string out;
  for (char c : v) {
    if (c != '\0') out += c;
  }
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> Words(std::string_view text, size_t limit) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size() && words.size() < limit) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Two species names from the input: the two words after the first word
// that begins with "SPEC" (either case), else the first two words.
std::vector<std::string> SpeciesNames(std::string_view data) {
  std::vector<std::string_view> words = Words(data, 4096);
  size_t from = 0;
  for (size_t k = 0; k < words.size(); ++k) {
    std::string up(words[k].substr(0, 4));
    UpperCaseAscii(up);
    if (up == "SPEC") {
      from = k + 1;
      break;
    }
  }
  std::vector<std::string> names;
  for (size_t k = from; k < words.size() && names.size() < 2; ++k) {
    names.push_back(Typed(words[k].substr(0, 24)));
  }
  return names;
}

}  // namespace

FuzzSettings ReadSettings(std::string_view data) {
  FuzzSettings s;
  if (data.substr(0, 5) != "!FUZZ") {
    std::vector<std::string> names = SpeciesNames(data);
    if (names.size() == 2) {
      // The second rename takes the name the first one freed.
      s.renames = {{names[0], "FZNEW"}, {names[1], names[0]}};
    }
    return s;
  }
  size_t end = data.find_first_of("\r\n");
  std::string_view line = data.substr(
      5, end == std::string_view::npos ? std::string_view::npos : end - 5);
  static const char* const kA[] = {"0.000E+00", "0.00E+00", "0.0E+00"};
  static const char* const kN[] = {"0.0000", "0.000", "0.00"};
  static const char* const kEa[] = {"0.00", "0.0", "0"};
  static const std::map<std::string, EaUnit> kUnits = {
      {"kj", EaUnit::kKj},
      {"kcal", EaUnit::kKcal},
      {"j", EaUnit::kJ},
      {"cal", EaUnit::kCal},
      {"kelvin", EaUnit::kKelvin}};
  for (std::string_view word : Words(line, 32)) {
    if (word.size() < 2 || word[1] != '=') continue;
    std::string v = Typed(word.substr(2));
    int index = v.empty() ? 0 : (v[0] - '0');
    bool index_ok = v.size() == 1 && index >= 0 && index <= 2;
    switch (word[0]) {
      case 'u':
        if (kUnits.count(v)) s.window.unit = kUnits.at(v);
        break;
      case 'n':
        s.name = v;
        break;
      case 't':
        s.thermo_name = v;
        break;
      case 'e':
        s.window.mech_ext = MechExtChoice::kCustom;
        s.window.mech_ext_text = v;
        break;
      case 'x':
        s.window.thermo_ext = ThermoExtChoice::kCustom;
        s.window.thermo_ext_text = v;
        break;
      case 'a':
        if (index_ok) s.window.a_pattern = kA[index];
        break;
      case 'b':
        if (index_ok) s.window.n_pattern = kN[index];
        break;
      case 'c':
        if (index_ok) s.window.ea_pattern = kEa[index];
        break;
      case 'r': {
        size_t gt = v.find('>');
        if (gt != std::string::npos && s.renames.size() < 2) {
          s.renames.emplace_back(v.substr(0, gt), v.substr(gt + 1));
        }
        break;
      }
      case 'i':
        // One name inside the scratch directory, as a file chooser gives.
        if (!v.empty() && v != "." && v != ".." && v.size() <= 64 &&
            v.find('/') == std::string::npos) {
          s.input_name = v;
        }
        break;
      case 'p':
        s.plant_links = v == "1";
        break;
      case 'l':
        s.linked_input = v == "1";
        break;
      case 'k':
        s.check_only = v == "1";
        break;
      default:
        break;
    }
  }
  return s;
}

std::vector<std::string> OutputNames(const FuzzSettings& s) {
  const std::string clean = CleanTypedName(s.name);
  const std::string ext =
      MechanismExtension(s.window.mech_ext, s.window.mech_ext_text);
  return {clean + "j." + ext, clean + "cal." + ext, clean + "kelvin." + ext,
          CleanTypedName(s.thermo_name) + "." +
              ThermoExtension(s.window.thermo_ext, s.window.thermo_ext_text)};
}

bool HasBystander(const FuzzSettings& s) {
  std::vector<std::string> names = OutputNames(s);
  names.push_back(s.input_name);
  for (const std::string& n : names) {
    if (n == kBystanderName) return false;
  }
  return true;
}

}  // namespace kestrelon::fuzz

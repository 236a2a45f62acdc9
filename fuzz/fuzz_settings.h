// What the fuzzed user chooses, read from an optional control line at the
// start of the input (a CHEMKIN comment, so the mechanism stays valid):
//   !FUZZ u=kj n=NAME t=THERMONAME e=EXT x=THERMOEXT a=1 b=2 c=0
//         r=OLD>NEW r=OLD>NEW i=INPUTNAME p=1 l=1 k=1
// u: unit (kj kcal j cal kelvin); n, t: typed names; e, x: custom
// extensions; a, b, c: index of the A, n and Ea pattern; r: a rename (at
// most two); i: name of the input file; p=1: plant symbolic links named
// like the working files; l=1: the chosen input is a symbolic link to the
// real file outside the scratch directory; k=1: analyse only (--check).
// Without a control line the names are fixed and the renames use the
// first two species names found in the input. Never fails.
#ifndef KESTRELON_FUZZ_FUZZ_SETTINGS_H_
#define KESTRELON_FUZZ_FUZZ_SETTINGS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ui_services.h"

namespace kestrelon::fuzz {

// A file of the user in the scratch directory that no run may change.
inline constexpr const char* kBystanderName = "keep.txt";
inline constexpr const char* kBystanderText =
    "a file of the user\r\nnot to be lost\r\n";

struct FuzzSettings {
  WindowSettings window;
  std::string name = "fzclean";
  std::string thermo_name = "fzthermo";
  std::string input_name = "mech.inp";
  std::vector<std::pair<std::string, std::string>> renames;
  bool plant_links = false;
  bool linked_input = false;
  bool check_only = false;
};

FuzzSettings ReadSettings(std::string_view data);

// The joule, calorie and kelvin files and the thermodynamic file that the
// typed names give, in that order.
std::vector<std::string> OutputNames(const FuzzSettings& s);

// The bystander stands only where no file of the run may go: a run
// replaces output files of the same name without asking.
bool HasBystander(const FuzzSettings& s);

}  // namespace kestrelon::fuzz

#endif  // KESTRELON_FUZZ_FUZZ_SETTINGS_H_

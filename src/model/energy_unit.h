// The energy units of activation energies: the five units an input file
// may use, the three units of the cleaned files (one file each, named by a
// word after the cleaned name: "j", "cal", "kelvin"), the gas constants,
// and the conversion of an activation energy from the input file's unit
// into the three output units. The constants and the order of the operations
// are fixed (1000.0, 4.184, 8.3144 and 1.9872, left to right) so that files
// cleaned anywhere print the same digits. Both values of R are used: 1.9872
// for calorie-based input, 8.3144 for joule-based input.
#ifndef KESTRELON_MODEL_ENERGY_UNIT_H_
#define KESTRELON_MODEL_ENERGY_UNIT_H_

namespace kestrelon {

// Unit of the activation energies in the input file: the five option
// buttons of the frame "Units of activation energy in input file".
enum class EaUnit { kKj, kKcal, kJ, kCal, kKelvin };

// Unit of the activation energies of a cleaned file.
enum class OutUnit { kJoule, kCalorie, kKelvin };

// The cleaned files in the order they are written.
inline constexpr OutUnit kOutUnits[] = {OutUnit::kJoule, OutUnit::kCalorie,
                                        OutUnit::kKelvin};

inline constexpr double kKilo = 1000.0;
inline constexpr double kJoulesPerCalorie = 4.184;
inline constexpr double kGasConstantJoule = 8.3144;
// Not kGasConstantJoule / kJoulesPerCalorie: calorie-based input divides by
// this rounded value, so its kelvin digits differ slightly from the joule
// route's, and files from both routes must keep printing what they always
// printed.
inline constexpr double kGasConstantCalorie = 1.9872;

// The word between the cleaned name and the "." of the file: "j", "cal",
// "kelvin".
const char* FileWord(OutUnit unit);

// "J/mol", "cal/mol", "K".
const char* UnitName(OutUnit unit);

// "cal/mol", "kcal/mol", "J/mol", "kJ/mol" or "K".
const char* UnitName(EaUnit unit);

// Never throws; an overflow gives an infinity, which FormatNumber refuses.
double ConvertEa(EaUnit from, OutUnit to, double x);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_ENERGY_UNIT_H_

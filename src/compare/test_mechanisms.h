// For tests only: a small cleaned mechanism as the writer lays it out, the
// same mechanism shuffled, and a helper that edits such texts.
#ifndef KESTRELON_COMPARE_TEST_MECHANISMS_H_
#define KESTRELON_COMPARE_TEST_MECHANISMS_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace kestrelon::test_support {

// A small cleaned mechanism as the writer lays it out, Ea in J/mol. Line
// numbers: reactions start at line 9; the CO+O2 reaction (line 23) has its
// reverse-rate line after it (line 24); the list follows the END (line 25).
constexpr const char* kBase =
    "ELEMENTS\r\n"
    "H   O   C   AR\r\n"
    "END\r\n"
    "SPECIES\r\n"
    "H2   O2   H   O   OH\r\n"
    "H2O   HO2   CO   CO2   AR\r\n"
    "END\r\n"
    "REACTIONS\r\n"
    "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\r\n"
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\r\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\r\n"
    "H2+M<=>H+H+M 4.580E+19 -1.4000 436725.9\r\n"
    "H2/2.5/ H2O/12.0/ CO/1.9/ CO2/3.8/ AR/0.0/\r\n"
    "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\r\n"
    "LOW /6.366E+20 -1.7200 2195.8/\r\n"
    "TROE /0.5 1.0E-30 1.0E+30 /\r\n"
    "H2/2.0/ H2O/14.0/ O2/0.78/\r\n"
    "HO2+OH<=>H2O+O2 1.930E+20 -2.4900 2443.5\r\n"
    "DUP\r\n"
    "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0\r\n"
    "DUP\r\n"
    "HO2+H=>OH+OH 7.080E+13 0.0000 1234.3\r\n"
    "CO+O2<=>CO2+O 1.120E+12 0.0000 199576.8\r\n"
    "CO2+O<=>CO+O2 1.500E+13 0.0000 225936.0\r\n"
    "END\r\n"
    "****List of non-elementary reactions****\r\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\n";

// The same mechanism with lists and reactions in another order, sides
// swapped, species reordered on a side, "2OH" for "OH+OH", the duplicate
// pair the other way round and the efficiencies in another order.
constexpr const char* kShuffled =
    "ELEMENTS\r\n"
    "AR   C\r\n"
    "O   H\r\n"
    "END\r\n"
    "SPECIES\r\n"
    "AR   CO2   CO   HO2   H2O\r\n"
    "OH   O   H   O2   H2\r\n"
    "END\r\n"
    "REACTIONS\r\n"
    "CO2+O<=>O2+CO 1.120E+12 0.0000 199576.8\r\n"
    "O2+CO<=>CO2+O 1.500E+13 0.0000 225936.0\r\n"
    "HO2+OH<=>H2O+O2 1.210E+09 1.2400 -5481.0\r\n"
    "DUP\r\n"
    "2OH<=>H2O+O 3.570E+04 2.4000 -8828.2\r\n"
    "H+H+M<=>H2+M 4.580E+19 -1.4000 436725.9\r\n"
    "AR/0.0/ CO2/3.8/ CO/1.9/ H2O/12.0/ H2/2.5/\r\n"
    "HO2+OH<=>O2+H2O 1.930E+20 -2.4900 2443.5\r\n"
    "DUP\r\n"
    "HO2(+M)<=>O2+H(+M) 4.650E+12 0.4400 0.0\r\n"
    "TROE /0.5 1.0E-30 1.0E+30/\r\n"
    "LOW /6.366E+20 -1.7200 2195.8/\r\n"
    "O2/0.78/ H2O/14.0/ H2/2.0/\r\n"
    "H+HO2=>2OH 7.080E+13 0.0000 1234.3\r\n"
    "OH+H<=>O+H2 5.080E+04 2.6700 26317.4\r\n"
    "OH+O<=>H+O2 3.547E+15 -0.4060 69450.2\r\n"
    "END\r\n"
    "****List of non-elementary reactions****\r\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\r\n";

// `text` with each `from` replaced by its `to` (each must occur once).
inline std::string Edit(
    std::string text,
    std::initializer_list<std::pair<const char*, const char*>> edits) {
  for (const auto& [from, to] : edits) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) continue;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
    text.replace(at, std::string(from).size(), to);
  }
  return text;
}

}  // namespace kestrelon::test_support

#endif  // KESTRELON_COMPARE_TEST_MECHANISMS_H_

// For the tests of the checks: NASA-7 entries written in their fixed
// columns, and a small hand-written H/O mechanism with an ion, whose
// reactions start at line 8 and whose thermo data all have a constant
// Cp/R of 3.5 and are continuous.
#ifndef KESTRELON_TESTS_SUPPORT_CHECK_TEST_SUPPORT_H_
#define KESTRELON_TESTS_SUPPORT_CHECK_TEST_SUPPORT_H_

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace kestrelon::check_test {

using Poly = std::array<double, 7>;
inline const Poly kFlat = {3.5, 0, 0, 0, 0, 0, 0};

struct Element {
  const char* symbol;
  int count;
};

// One entry, its four lines each closed by "\n".
inline std::string Entry(const std::string& name,
                         const std::vector<Element>& elements,
                         const Poly& low = kFlat, const Poly& high = kFlat,
                         double t_low = 300, double t_mid = 1000,
                         double t_high = 5000) {
  char buf[128];
  std::string fields;
  for (size_t k = 0; k < 4; ++k) {
    if (k < elements.size()) {
      std::snprintf(buf, sizeof buf, "%-2s%3d", elements[k].symbol,
                    elements[k].count);
      fields += buf;
    } else {
      fields += "     ";
    }
  }
  std::snprintf(buf, sizeof buf, "%-18s%-6s%s%c%10.3f%10.3f%8.2f", name.c_str(),
                "TEST", fields.c_str(), 'G', t_low, t_high, t_mid);
  std::string line1 = buf;
  line1.resize(79, ' ');
  const double a[14] = {high[0], high[1], high[2], high[3], high[4],
                        high[5], high[6], low[0],  low[1],  low[2],
                        low[3],  low[4],  low[5],  low[6]};
  std::string out = line1 + "1\n";
  for (int l = 0; l < 3; ++l) {
    std::string line;
    for (int k = 0; k < (l < 2 ? 5 : 4); ++k) {
      std::snprintf(buf, sizeof buf, "%15.8E", a[l * 5 + k]);
      line += buf;
    }
    line.resize(79, ' ');
    out += line + static_cast<char>('2' + l) + "\n";
  }
  return out;
}

inline std::string BaseEntries() {
  return Entry("H", {{"H", 1}}) + Entry("O", {{"O", 1}}) +
         Entry("OH", {{"O", 1}, {"H", 1}}) + Entry("H2", {{"H", 2}}) +
         Entry("O2", {{"O", 2}}) + Entry("H2O", {{"H", 2}, {"O", 1}}) +
         Entry("HO2", {{"H", 1}, {"O", 2}}) + Entry("N2", {{"N", 2}}) +
         Entry("H3O+", {{"H", 3}, {"O", 1}, {"E", -1}}) +
         Entry("E", {{"E", 1}});
}

// A thermo file: line 1 THERMO, line 2 the temperatures, entries from 3.
inline std::string ThermoFile(const std::string& entries) {
  return "THERMO\n   300.000  1000.000  5000.000\n" + entries + "END\n";
}

inline const char* const kSpecies = "H O OH H2 O2 H2O HO2 N2 H3O+ E";

// Lines 8 to 20 of the mechanism: near-misses of every finding.
inline const char* const kCleanReactions =
    "H+O2<=>O+OH           3.5E15 -0.41 16600\n"   // 8
    "O+H2<=>H+OH           5.1E04  2.67  6290\n"   // 9
    "2OH<=>O+H2O           3.6E04  2.40 -2110\n"   // 10 a coefficient 2X
    "H2+M<=>H+H+M          4.6E19 -1.40 104400\n"  // 11 a third body
    "H2O/12/ N2/1.0/\n"                            // 12
    "H+O2(+M)<=>HO2(+M)    4.7E12  0.44  0\n"      // 13 (+M)
    "LOW/6.4E20 -1.72 525/\n"                      // 14
    "H2O/14/\n"                                    // 15
    "HO2+OH<=>H2O+O2       1.9E20 -2.49  575\n"    // 16 a DUP pair
    "DUP\n"                                        // 17
    "HO2+OH<=>H2O+O2      -1.2E09  1.24 -2420\n"   // 18 negative A, DUP
    "DUPLICATE\n"                                  // 19
    "H3O++E<=>H2O+H        1.0E13  0.00  0\n";     // 20 an ion and E

inline std::string Mechanism(const std::string& species,
                             const std::string& reactions) {
  return "ELEMENTS\nH O N E\nEND\nSPECIES\n" + species + "\nEND\nREACTIONS\n" +
         reactions + "END\n";
}

}  // namespace kestrelon::check_test

#endif  // KESTRELON_TESTS_SUPPORT_CHECK_TEST_SUPPORT_H_

// GenerateMechanism writes a deterministic, realistic CHEMKIN mechanism of
// a chosen size, for benchmarks and stress tests: element and species lines,
// a THERMO section with one record per species, and reactions in every form
// the cleaning run meets (reversible and irreversible, third bodies with
// efficiencies, fall-off with LOW/TROE/SRI lines, chemically activated with
// HIGH, REV and DUP lines, coefficients of 2, non-elementary reactions),
// with comments, tabs and lower case mixed in.
//
// `table_lines` is the number of lines the working table will hold after
// the input passes (comment-only lines, blank lines and the THERMO section
// do not count); the result holds exactly that many. At least 64.
#ifndef KESTRELON_BENCH_MECHANISM_GENERATOR_H_
#define KESTRELON_BENCH_MECHANISM_GENERATOR_H_

#include <string>

namespace kestrelon {

std::string GenerateMechanism(int table_lines);

}  // namespace kestrelon

#endif  // KESTRELON_BENCH_MECHANISM_GENERATOR_H_

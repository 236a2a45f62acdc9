// The line `kestrelon clean --check` prints when the analysis went through:
// "m.inp: 213 lines, 53 species, 325 reactions: no problem found". The
// counts are read from the working table as the analysis left it: species
// are the blank-separated names of the species rows (specrow+1 to
// specend-1), reactions the rows of the reaction section that are not
// auxiliary data lines ("#DATAUX#"), of which those tagged "#NER#" are the
// non-elementary ones. When the command printed warnings, the line says how
// many instead of "no problem found". Reads the table only where the index
// points; throws only what the table throws for an index outside it.
#ifndef KESTRELON_CLI_CHECK_REPORT_H_
#define KESTRELON_CLI_CHECK_REPORT_H_

#include <string>

#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

struct MechanismCounts {
  int lines = 0;
  int species = 0;
  int reactions = 0;
  int non_elementary = 0;
};

// `input_lines` is the number of lines of the input file.
MechanismCounts CountMechanism(const WorkingTable& table,
                               const SectionIndex& index, int input_lines);

std::string CheckReport(const std::string& file, const MechanismCounts& counts,
                        int warnings);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CHECK_REPORT_H_

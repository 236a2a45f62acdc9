// The output stage of a cleaning run: turns the analysed working table into
// the three cleaned mechanism files.
//
// RunOutputStage converts the activation energies of the reaction section
// into columns 6 (J/mol), 7 (cal/mol) and 5 (K), takes the non-elementary
// reactions out of the table, removes the auxiliary tags, and writes the
// joule, calorie and kelvin files (paths.files, in that order), then
// appends the non-elementary list to them. Returns the number of
// non-elementary reactions and the input line of each line written.
//
// Each file holds the non-empty rows from "ELEMENTS" to the END of the
// reaction section, reaction lines rebuilt as equation, A, n and the file's
// Ea joined by single blanks, with "(+" and "," restored, every line ending
// in CR LF. A file of the same name is replaced.
//
// Throws RunError when a number is out of range or a non-elementary reaction
// lacks its coefficients (naming the input line), and when a file cannot be
// written (naming the file). Files already written stay.
#ifndef KESTRELON_OUTPUT_OUTPUT_STAGE_H_
#define KESTRELON_OUTPUT_OUTPUT_STAGE_H_

#include <array>
#include <string>

#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

struct OutputPaths {
  std::array<std::string, 3> files;  // joule, calorie, kelvin
  std::string work_dir;              // for the working files; ends with "/"
};

struct OutputResult {
  int nercount = 0;  // non-elementary reactions
  // The input line of each line of the files (they have the same lines).
  InputLines lines;
};

OutputResult RunOutputStage(WorkingTable& table, const SectionIndex& index,
                            const CoefficientStyle& style,
                            const InputLines& input,
                            const OutputPaths& paths);

// The first step of the stage on its own: the Ea column (11) of every row
// of the reaction section, converted from style.unit and printed with the
// Ea pattern, into columns 6 (J/mol), 7 (cal/mol) and 5 (K).
void ConvertActivationEnergies(WorkingTable& table, const SectionIndex& index,
                               const CoefficientStyle& style,
                               const InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_OUTPUT_STAGE_H_

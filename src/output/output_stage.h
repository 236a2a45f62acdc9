// The output stage of a cleaning run: turns the analysed working table into
// the three cleaned mechanism files next to the input file.
//
// RunOutputStage sets the status "Creating Files...", asks for the cleaned
// file name (until one is given that overwrites neither the input nor the
// thermodynamic file of the run) and keeps it in ctx.cleanname, sets the
// progress bar to 90, converts the activation energies of the reaction
// section into columns 6 (J/mol), 7 (cal/mol) and 5 (K), takes the
// non-elementary reactions out of the table, removes the auxiliary tags, and
// writes the joule, calorie and kelvin files, ctx.vars.outpathj, outpathcal
// and outpathk (inputdir + cleanname + "j" / "cal" / "kelvin" + "." +
// outext), then appends the non-elementary list to them.
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

#include "run/run_context.h"

namespace kestrelon {

inline constexpr const char* kCleanNamePrompt =
    "What do you want to call the cleaned file?\r\n"
    "\r\n"
    "Reminder... A filename cannot contain any of the following characters:"
    "\r\n"
    "\\/:*?<>|\"";
inline constexpr const char* kNoCleanName = "You did not enter a name.";
inline constexpr const char* kOverwritesThermo =
    "This name would overwrite the thermodynamic file.";

void RunOutputStage(RunContext& ctx);

// Step 5 of the stage on its own: the Ea column (11) of every row of the
// reaction section, converted from ctx.unit and printed with the Ea pattern,
// into columns 6 (J/mol), 7 (cal/mol) and 5 (K).
void ConvertActivationEnergies(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_OUTPUT_STAGE_H_

// The first pass of a cleaning run. It reads the text of the chosen
// mechanism file and writes its normalised copy "tempo.int" (`out`):
// ASCII letters upper-cased, every TAB turned into one blank, nothing else
// trimmed, and the ELEMENTS keyword on a line of its own. Lines of the input
// end at CR LF, CR or LF; every line written ends with CR LF.
//
// The ELEMENTS keyword line is the first line that, after leading blanks,
// begins with ELEM; the keyword and END are looked for only before a "!". It
// is written as "ELEMENTS", then the element symbols on a line of their own
// with their blanks (an empty line when the keyword stood alone), then "END"
// when the line also closed the section.
//
// Returns the number of lines of "tempo.int" that read exactly "END";
// lines.origin[i] is then the input line that line i+1 of "tempo.int" came
// from.
//
// With `permissive`, the section lines are read as SectionCloser
// (run/section_closer.h) reads them, a section still open at the end of the
// input gets an "END" line (with the input line of the last line), and END
// lines are counted without a limit. A UTF-8 byte-order mark at the start
// is skipped in any case.
//
// Throws RunError when the count of END lines passes 32,767 (marked as a
// refusal a permissive run does not make; `out` then holds the whole copy).
#ifndef KESTRELON_RUN_NORMALISE_INPUT_H_
#define KESTRELON_RUN_NORMALISE_INPUT_H_

#include <string>
#include <string_view>

#include "model/run_record.h"

namespace kestrelon {

int NormaliseInput(std::string_view input, std::string& out, InputLines& lines,
                   bool permissive = false);

// The 1-based position of the last "/" of `inputpath` (0 when it has none).
// Throws RunError naming `name` when the path is longer than 32,767
// characters.
int SlashPosition(const std::string& inputpath, const std::string& name);

// The text of the "Loaded: " label for `inputpath`, whose file name starts
// after position `slashpos` (1-based position of the last "/").
std::string LoadedLabel(const std::string& inputpath, int slashpos);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_NORMALISE_INPUT_H_

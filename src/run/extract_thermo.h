// The third pass of a cleaning run. It reads the normalised copy
// "tempo.int" and writes over it, in its memory, the text of "tempo3.int",
// the file the working table is loaded from: the lines of the tagged copy
// "tempo2.int" (as TagLine makes them, run/tag_sections.h) in the same
// order without the empty ones (a line of blanks is not empty), every ","
// turned into ";", and without the THERMO section when the input has one.
// The tagged copy itself is never held. Every line written ends with CR LF,
// and input.origin is rewritten so that entry i is the input line of line
// i+1 of "tempo3.int" (of table row i+1 once the table is loaded).
//
// The THERMO section runs from the first "THERMO" line of the tagged copy
// to the first "END" line after it; its lines, empty lines included and
// commas untouched, are the database file's text. A section without an END
// line is a failure the run throws once it has seen that the mechanism has
// a THERMO section it may keep (before anything is asked or written), so
// that a cut-off database never reaches a file.
//
// Never throws but for want of memory.
#ifndef KESTRELON_RUN_EXTRACT_THERMO_H_
#define KESTRELON_RUN_EXTRACT_THERMO_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/run_error.h"
#include "model/run_record.h"

namespace kestrelon {

struct MechanismCopy {
  bool has_thermo = false;  // the tagged copy holds a THERMO line
  // The lines of "tempo3.int" as LinesOf reads them, views into the text
  // written, valid while it is unchanged.
  std::vector<std::string_view> lines;
  std::string thermo_text;  // the THERMO section, when it has its END
  // "THERMO section has no END line", naming the input line of "THERMO".
  std::optional<RunError> thermo_failure;
};

// `text` holds the normalised copy, and then the text of "tempo3.int".
MechanismCopy CopyMechanism(std::string& text, InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_EXTRACT_THERMO_H_

// Whether a command's report reached its standard output. A full disk, a
// closed pipe or /dev/full make the stream fail, at once or at the flush;
// a command that could not write its report has failed, whatever it found.
//
// Flushes `out`; when it has failed, writes "kestrelon: cannot write the
// output" (with the system's reason when the flush gave one) on `err` and
// returns false. Never throws but what the streams throw.
#ifndef KESTRELON_CLI_OUTPUT_CHECK_H_
#define KESTRELON_CLI_OUTPUT_CHECK_H_

#include <ostream>

namespace kestrelon {

bool OutputWritten(std::ostream& out, std::ostream& err);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_OUTPUT_CHECK_H_

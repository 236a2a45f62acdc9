// Whether the input file of a run is one of the run's own working files
// under another name: a symbolic link named like the input pointing at
// "tempo3.int", or a hard link "tempo.int" of the input. The run writes and
// deletes its working files, so it would destroy the input. Files are
// compared by device and inode (links followed), never by name.
//
// Reads the file system (stat); writes nothing. Throws RunError naming the
// input when it clashes.
#ifndef KESTRELON_RUN_WORKING_FILE_CLASH_H_
#define KESTRELON_RUN_WORKING_FILE_CLASH_H_

#include <string>

namespace kestrelon {

// `inputdir` ends with "/" and holds the working files; `shown` names the
// input in the message.
void RefuseInputAsWorkingFile(const std::string& inputpath,
                              const std::string& inputdir,
                              const std::string& shown);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_WORKING_FILE_CLASH_H_

// The working files of one run ("tempo.int" to "tempo3.int"), held in
// memory while the run goes well. Reads nothing; writes the files into the
// input file's directory only when the user is to see them: after a failed
// run (LeaveOnDisk), each file the run had reached with the lines it had
// written, and "tempo.int" after the unreadable-file branch.
//
// Create() starts an empty file and returns its text for the pass to fill;
// Remove() is the run's deletion. Drop() lets the text go while the file
// stays the run's: LeaveOnDisk writes what the given function makes again
// (the passes are pure functions of the input, so it is the same text), and
// a large input need not be held three times over. Text() of a file that does
// not exist throws RunError. LeaveOnDisk throws FileError when a file cannot be
// written.
#ifndef KESTRELON_RUN_WORKING_FILES_H_
#define KESTRELON_RUN_WORKING_FILES_H_

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "model/run_record.h"

namespace kestrelon {

class WorkingFiles {
 public:
  std::string& Create(const char* name);
  const std::string& Text(const char* name) const;
  void Remove(const char* name);
  // Returns the text let go.
  std::string Drop(const char* name, std::function<std::string()> remake);

  // Writes every file the run holds now into `directory` (ends with "/").
  void LeaveOnDisk(const std::string& directory) const;

 private:
  static constexpr const char* kNames[] = {kTempo, kTempo2, kTempo3};
  static size_t Slot(const char* name);

  std::array<std::optional<std::string>, 3> files_;
  std::array<std::function<std::string()>, 3> remakes_;
};

}  // namespace kestrelon

#endif  // KESTRELON_RUN_WORKING_FILES_H_

// RenameSession renames species, one pair of names at a time, in every file
// a cleaning run wrote: the thermodynamic file first (when the run wrote
// one), then the joule, calorie and kelvin files. Each rename works on the
// files as the previous one left them. Names are matched as whole names by
// the layout of each kind of line, never by a plain text search.
//
// The rename dialog of the window and the command line's --rename options
// both drive a session; it holds no widgets. It never throws: a failure is
// reported in the result, and no file is left half-written.
#ifndef KESTRELON_RENAME_RENAME_SESSION_H_
#define KESTRELON_RENAME_RENAME_SESSION_H_

#include <string>
#include <string_view>

namespace kestrelon {

inline constexpr const char* kRenameFirstLabel =
    "Do you want to rename a species?";
inline constexpr const char* kRenameNextLabel = "Another one?";
inline constexpr const char* kRenameBothNames = "Type both names.";

struct RenameTargets {
  bool has_thermo = false;
  std::string thermopath;
  std::string outpathj;
  std::string outpathcal;
  std::string outpathk;
  std::string work_path;  // the working file "tempo3.int" of the input dir
};

struct RenameResult {
  enum class Status { kRenamed, kRefused, kFailed };
  Status status = Status::kRenamed;
  // What the dialog's label shows next: "Another one?" after a rename,
  // "Type both names." when a name is empty, or which file failed.
  std::string label;
};

class RenameSession {
 public:
  explicit RenameSession(RenameTargets targets);

  // `former` and `new_name` as typed; they are upper-cased, not trimmed.
  RenameResult Rename(std::string_view former, std::string_view new_name);

  const RenameTargets& targets() const { return targets_; }

 private:
  RenameTargets targets_;
};

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_RENAME_SESSION_H_

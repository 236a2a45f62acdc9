// RunWarning is what a cleaning run reports without stopping: a text, and
// where it knows them the file and the line of that file it concerns. The
// run keeps them in the order found and hands them to its caller with the
// outcome. FormatWarning writes one as the command line prints it:
//   "kestrelon: FILE:LINE: warning: text"  (a line is known)
//   "kestrelon: FILE: warning: text"       (only the file)
//   "kestrelon: warning: text"             (neither)
// the same form as a failure, "kestrelon: FILE:LINE: reason". Nothing here
// throws but std::bad_alloc.
#ifndef KESTRELON_MODEL_RUN_WARNING_H_
#define KESTRELON_MODEL_RUN_WARNING_H_

#include <string>

namespace kestrelon {

struct RunWarning {
  std::string text;
  std::string file;  // may be empty
  int line = 0;      // 1-based; 0 for none
};

std::string FormatWarning(const std::string& file, int line,
                          const std::string& text);

inline std::string FormatWarning(const RunWarning& w) {
  return FormatWarning(w.file, w.line, w.text);
}

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_RUN_WARNING_H_

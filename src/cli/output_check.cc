#include "cli/output_check.h"

#include <cerrno>
#include <cstring>

namespace kestrelon {

bool OutputWritten(std::ostream& out, std::ostream& err) {
  // A stream that failed earlier no longer knows why; errno would be some
  // later call's.
  const bool failed_before = !out;
  errno = 0;
  out.flush();
  if (out) return true;
  const int error = errno;
  err << "kestrelon: cannot write the output";
  if (!failed_before && error != 0) err << ": " << std::strerror(error);
  err << "\n";
  return false;
}

}  // namespace kestrelon

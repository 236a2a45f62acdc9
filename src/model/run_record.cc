#include "model/run_record.h"

namespace kestrelon {

bool IsWorkingFileName(const std::string& name) {
  for (const char* w : kWorkingFiles) {
    if (name == w) return true;
  }
  return false;
}

}  // namespace kestrelon

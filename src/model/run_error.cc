#include "model/run_error.h"

#include <utility>

namespace kestrelon {
namespace {

std::string Compose(const std::string& reason, const std::string& file,
                    int line) {
  std::string text;
  if (!file.empty()) {
    text += file;
    if (line > 0) {
      text += ':';
      text += std::to_string(line);
    }
    text += ": ";
  }
  return text + reason;
}

}  // namespace

RunError::RunError(std::string reason, std::string file, int line)
    : std::runtime_error(Compose(reason, file, line)),
      reason_(std::move(reason)),
      file_(std::move(file)),
      line_(line) {}

std::string RunError::Describe() const { return what(); }

}  // namespace kestrelon

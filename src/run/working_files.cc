#include "run/working_files.h"

#include <cstring>
#include <utility>

#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {

size_t WorkingFiles::Slot(const char* name) {
  for (size_t i = 0; i < std::size(kNames); ++i) {
    if (std::strcmp(kNames[i], name) == 0) return i;
  }
  throw RunError(std::string("no working file ") + name);
}

std::string& WorkingFiles::Create(const char* name) {
  remakes_[Slot(name)] = nullptr;
  return files_[Slot(name)].emplace();
}

const std::string& WorkingFiles::Text(const char* name) const {
  const std::optional<std::string>& file = files_[Slot(name)];
  if (!file) throw RunError(std::string("working file missing: ") + name);
  return *file;
}

void WorkingFiles::Remove(const char* name) {
  files_[Slot(name)].reset();
  remakes_[Slot(name)] = nullptr;
}

std::string WorkingFiles::Drop(const char* name,
                               std::function<std::string()> remake) {
  std::optional<std::string>& file = files_[Slot(name)];
  std::string text = file ? std::move(*file) : std::string();
  file.reset();
  remakes_[Slot(name)] = std::move(remake);
  return text;
}

void WorkingFiles::LeaveOnDisk(const std::string& directory) const {
  for (size_t i = 0; i < files_.size(); ++i) {
    if (files_[i]) {
      WriteFile(directory + kNames[i], *files_[i]);
    } else if (remakes_[i]) {
      WriteFile(directory + kNames[i], remakes_[i]());
    }
  }
}

}  // namespace kestrelon

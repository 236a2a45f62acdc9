#include "shell/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// A line break inside a typed text would shift the lines of the file.
std::string OneLine(const std::optional<std::string>& text) {
  if (!text) return kNoCustomExtension;
  std::string line;
  for (char c : *text) {
    if (c != '\r' && c != '\n') line += c;
  }
  return line;
}

}  // namespace

std::string SettingsFilePath(const char* xdg_config_home, const char* home) {
  std::string base;
  if (xdg_config_home != nullptr && xdg_config_home[0] == '/') {
    base = xdg_config_home;
  } else if (home != nullptr && home[0] != '\0') {
    base = std::string(home) + "/.config";
  } else {
    return {};
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  if (base == "/") base.clear();
  return base + "/kestrelon/Kestrelon.ini";
}

std::string SettingsFilePath() {
  return SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

SavedExtensions LoadSettingsFile(const std::string& path) noexcept {
  SavedExtensions saved;
  if (path.empty()) return saved;
  try {
    const std::string text = ReadFile(path);
    const std::vector<std::string_view> lines = LinesOf(text);
    if (lines.size() >= 2 && lines[1] != kNoCustomExtension) {
      saved.mech = std::string(lines[1]);
    }
    if (lines.size() >= 3 && lines[2] != kNoCustomExtension) {
      saved.thermo = std::string(lines[2]);
    }
  } catch (...) {
    // A settings file that cannot be read leaves the window as it starts.
  }
  return saved;
}

bool SaveSettingsFile(const std::string& path,
                      const SavedExtensions& extensions) noexcept {
  if (path.empty()) return false;
  try {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);
    LineBuffer out;
    out.Add(kSettingsFirstLine);
    out.Add(OneLine(extensions.mech));
    out.Add(OneLine(extensions.thermo));
    WriteFile(path, out.text());
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace kestrelon

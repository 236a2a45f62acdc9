// The settings file keeps the custom output extensions from one program
// start to the next. It is three lines of text, each ending in CR LF:
//
//   This file can be erased without consequences to your computer
//   <text of mechext when "Customize:" is selected, otherwise XXX>
//   <text of thermext when "Customize:" is selected, otherwise XXX>
//
// "XXX" (exact, case-sensitive) means "no custom extension"; the first line
// is never checked. The file lives at $XDG_CONFIG_HOME/kestrelon/Kestrelon.ini
// (by default ~/.config/kestrelon/Kestrelon.ini).
//
// Neither reading nor writing ever reports a failure: a missing, unreadable
// or short file restores what it can, and a file that cannot be written is
// simply not written. Nothing here throws.
#ifndef KESTRELON_SHELL_SETTINGS_FILE_H_
#define KESTRELON_SHELL_SETTINGS_FILE_H_

#include <optional>
#include <string>

namespace kestrelon {

inline constexpr const char* kSettingsFirstLine =
    "This file can be erased without consequences to your computer";
inline constexpr const char* kNoCustomExtension = "XXX";

// A value is set when its "Customize:" button is (or is to be) selected;
// it holds the text box exactly as typed.
struct SavedExtensions {
  std::optional<std::string> mech;
  std::optional<std::string> thermo;

  bool operator==(const SavedExtensions&) const = default;
};

// The settings file's path for the given environment values (either may be
// null). A relative or empty XDG_CONFIG_HOME counts as unset. Empty when no
// home directory is known.
std::string SettingsFilePath(const char* xdg_config_home, const char* home);

// The same, from the process environment.
std::string SettingsFilePath();

// Reads the file: line 2 gives `mech`, line 3 gives `thermo`, each unless it
// reads "XXX". A missing line ends the reading, keeping what was read.
SavedExtensions LoadSettingsFile(const std::string& path) noexcept;

// Creates the file's directory when needed and writes the three lines.
// Returns whether the file was written; callers may ignore it.
bool SaveSettingsFile(const std::string& path,
                      const SavedExtensions& extensions) noexcept;

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_SETTINGS_FILE_H_

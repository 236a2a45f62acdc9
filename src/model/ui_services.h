// UiServices is everything a cleaning run asks of the user interface: the
// file chooser, the name prompts, message boxes, the status text and the
// progress bar, repaints, the two dialogs, links, the current directory and
// the settings the main window holds. The core reaches the user only through
// it. Implementations: the Qt window, the batch command line, and scripted
// fakes in tests.
//
// Every call comes from the thread that runs the cleaning. An implementation
// may throw RunError from any call that cannot be answered (the command line
// does so when a name it was given is refused); the run then ends through its
// failure path.
#ifndef KESTRELON_MODEL_UI_SERVICES_H_
#define KESTRELON_MODEL_UI_SERVICES_H_

#include <optional>
#include <string>

#include "model/energy_unit.h"
#include "model/number_format.h"

namespace kestrelon {

class RenameSession;

// The extension choices of the cleaned files and of the thermodynamic file:
// a fixed one, or the text typed in the "Customize:" box.
enum class MechExtChoice { kRxn, kMech, kCustom };
enum class ThermoExtChoice { kDat, kThe, kCustom };

// What the main window shows when a run reads it. The pattern texts are the
// items selected in the A, n and Ea pattern lists.
struct WindowSettings {
  EaUnit unit = EaUnit::kCal;
  MechExtChoice mech_ext = MechExtChoice::kRxn;
  std::string mech_ext_text = "*.ext";  // text of mechext, as typed
  ThermoExtChoice thermo_ext = ThermoExtChoice::kDat;
  std::string thermo_ext_text = "*.ext";  // text of thermext, as typed
  std::string a_pattern{kDefaultAPattern};
  std::string n_pattern{kDefaultNPattern};
  std::string ea_pattern{kDefaultEaPattern};
  // A thermodynamic database in a file of its own, cleaned into the run's
  // thermodynamic file; empty for none. Only the command line gives one.
  std::string thermo_file;
};

enum class MessageIcon { kNone, kInformation, kCritical };

// Which question a name prompt asks, so that a non-interactive
// implementation can answer it without reading the prompt's text.
enum class NamePrompt { kThermoName, kCleanName };

// The filter of the choosers that pick a mechanism: cleaned files carry
// the extensions offered for them.
inline constexpr const char* kMechanismChooserFilter =
    "*.RXN Files (*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All Files "
    "(*.*)|*.*|";

struct FileChooserRequest {
  std::string title;
  // Pairs of description and pattern separated by "|", ending with "|".
  std::string filter;
  std::string initial_directory;
};

class UiServices {
 public:
  virtual ~UiServices() = default;

  // The full path of the chosen file, or nothing on Cancel.
  virtual std::optional<std::string> ChooseFile(
      const FileChooserRequest& request) = 0;

  // Modal prompt with no default text. `prompt` holds lines joined by CR LF.
  // Cancel gives the empty text.
  virtual std::string AskText(NamePrompt kind, const std::string& title,
                              const std::string& prompt) = 0;

  // Modal message box with an OK button; `text` holds lines joined by CR LF.
  virtual void ShowMessage(const std::string& text, const std::string& title,
                           MessageIcon icon) = 0;

  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetProgress(int value) = 0;  // 0 to 100
  virtual void ShowProgress(bool visible) = 0;
  // Shows the current status, progress and labels at once.
  virtual void Repaint() = 0;

  // The "Loaded: " line and the "Output file: " lines of the window.
  virtual void SetLoadedLabel(const std::string& text) = 0;
  virtual void SetOutputLabel(const std::string& text) = 0;

  // The working table was changed in a way the user may look at.
  virtual void TableChanged() {}
  // Whether the user can look at the working table after a run (the
  // window's grid). A run for a user who cannot lets the table go as soon
  // as the files are composed from it.
  virtual bool ShowsTable() const { return true; }

  // Opens the error dialog without blocking; there is never more than one.
  virtual void ShowErrorDialog() = 0;

  // Shows the rename dialog modally over `session`; returns when it closes.
  virtual void RunRenameDialog(RenameSession& session) = 0;

  // Hands a link to the system's handler; failures are ignored.
  virtual void OpenLink(const std::string& link) = 0;

  virtual std::string CurrentDirectory() = 0;

  virtual WindowSettings ReadSettings() = 0;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_UI_SERVICES_H_

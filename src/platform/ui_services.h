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
#ifndef KESTRELON_PLATFORM_UI_SERVICES_H_
#define KESTRELON_PLATFORM_UI_SERVICES_H_

#include <optional>
#include <string>

namespace kestrelon {

class RenameSession;

// Unit of the activation energies in the input file: the five option
// buttons of the frame "Units of activation energy in input file".
enum class EaUnit { kKj, kKcal, kJ, kCal, kKelvin };

enum class MechExtChoice { kRxn, kMech, kCustom };   // OptOB5, OptOB6, OptOB7
enum class ThermoExtChoice { kDat, kThe, kCustom };  // OptOB8, OptOB9, OptOB10

// What the main window shows when a run reads it. The pattern texts are the
// selected items of List1, List2 and List3.
struct WindowSettings {
  EaUnit unit = EaUnit::kCal;
  MechExtChoice mech_ext = MechExtChoice::kRxn;
  std::string mech_ext_text = "*.ext";  // text of mechext, as typed
  ThermoExtChoice thermo_ext = ThermoExtChoice::kDat;
  std::string thermo_ext_text = "*.ext";  // text of thermext, as typed
  std::string a_pattern = "0.000E+00";
  std::string n_pattern = "0.0000";
  std::string ea_pattern = "0.0";
  // A thermodynamic database in a file of its own, cleaned into the run's
  // thermodynamic file; empty for none. Only the command line gives one.
  std::string thermo_file;
};

enum class MessageIcon { kNone, kInformation, kCritical };

// Which question a name prompt asks, so that a non-interactive
// implementation can answer it without reading the prompt's text.
enum class NamePrompt { kThermoName, kCleanName };

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

  virtual void SetLoadedLabel(const std::string& text) = 0;  // namefilelbl1
  virtual void SetOutputLabel(const std::string& text) = 0;  // namefilelbl2

  // The working table was changed in a way the user may look at.
  virtual void TableChanged() {}

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

#endif  // KESTRELON_PLATFORM_UI_SERVICES_H_

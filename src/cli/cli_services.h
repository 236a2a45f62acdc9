// CliServices answers a cleaning run's questions from the command line's
// options, without a window and without ever reading standard input: the
// file chooser gives the mechanism, the name prompts give --name and
// --thermo-name (a name the run refuses ends the run with the reason), the
// rename dialog applies the --rename pairs in order, and the settings come
// from --unit, --ext, --thermo-ext and the format options.
//
// Each rename is first judged by JudgeRename (rename/species_guard.h): a
// former name that is not a species is passed over with a warning on
// stderr, and a new name that already is one ends the run (RunError).
//
// Information messages go to stdout (unless quiet); the notice that the run
// waits for another run's lock goes to stderr, quiet or not; the
// unreadable-file message and the error dialog's text go to stderr. Status,
// progress and repaints are silent.
#ifndef KESTRELON_CLI_CLI_SERVICES_H_
#define KESTRELON_CLI_CLI_SERVICES_H_

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "model/ui_services.h"

namespace kestrelon {

struct CleanOptions {
  std::string mechanism;  // as given; the first when several are
  // Every mechanism given, in the order given.
  std::vector<std::string> mechanisms;
  std::string name;
  std::string thermo_name;
  WindowSettings settings;
  // --unit auto: the unit comes from the input's REACTIONS line.
  bool unit_auto = false;
  std::vector<std::pair<std::string, std::string>> renames;
  bool quiet = false;
  bool check = false;
  // --wait: how long to wait for another run in the directory; no limit
  // when empty.
  std::optional<double> wait_seconds;
  // --permissive: section lines read as other readers do, no table limit.
  bool permissive = false;
  // --jobs: runs at the same time over several mechanisms; 0 for the
  // number of cores.
  int jobs = 0;
};

class CliServices : public UiServices {
 public:
  CliServices(CleanOptions options, std::ostream& out, std::ostream& err);

  std::optional<std::string> ChooseFile(const FileChooserRequest&) override;
  std::string AskText(NamePrompt kind, const std::string& title,
                      const std::string& prompt) override;
  void ShowMessage(const std::string& text, const std::string& title,
                   MessageIcon icon) override;
  // Silent, but for the wait on another run's directory lock.
  void SetStatus(const std::string& text) override;
  void SetProgress(int) override {}
  void ShowProgress(bool) override {}
  void Repaint() override {}
  void SetLoadedLabel(const std::string&) override {}
  void SetOutputLabel(const std::string&) override {}
  bool ShowsTable() const override { return false; }
  void ShowErrorDialog() override;
  void RunRenameDialog(RenameSession& session) override;
  void OpenLink(const std::string&) override {}
  std::string CurrentDirectory() override;
  WindowSettings ReadSettings() override { return options_.settings; }

 private:
  CleanOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  int thermo_asks_ = 0;
  int clean_asks_ = 0;
  std::string last_message_;
};

// Text for a terminal: CR LF becomes LF.
std::string ForTerminal(const std::string& text);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CLI_SERVICES_H_

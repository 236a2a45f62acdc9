// The fuzzed user at the window, shared by the fuzz targets that run a
// cleaning: it answers the prompts and renames from FuzzSettings, and
// works in the sandbox's current directory.
#ifndef KESTRELON_FUZZ_FUZZ_UI_H_
#define KESTRELON_FUZZ_FUZZ_UI_H_

#include <optional>
#include <string>
#include <utility>

#include "fuzz_settings.h"
#include "model/run_error.h"
#include "model/ui_services.h"
#include "rename/rename_session.h"
#include "sandbox.h"

namespace kestrelon::fuzz {

// The user at the window: answers each name prompt once (a prompt asked a
// second time means the run refused the name, and a user who cannot type
// another one gives up, as the command line does) and renames in the
// dialog.
class FuzzUi : public UiServices {
 public:
  FuzzUi(const FuzzSettings& settings, std::string input_path)
      : settings_(settings), input_path_(std::move(input_path)) {}

  std::optional<std::string> ChooseFile(const FileChooserRequest&) override {
    return input_path_;
  }
  std::string AskText(NamePrompt kind, const std::string&,
                      const std::string&) override {
    bool thermo = kind == NamePrompt::kThermoName;
    int& asks = thermo ? thermo_asks_ : clean_asks_;
    if (++asks > 1) throw RunError("name refused: " + last_message_);
    return thermo ? settings_.thermo_name : settings_.name;
  }
  void ShowMessage(const std::string& text, const std::string&,
                   MessageIcon) override {
    last_message_ = text;
  }
  void SetStatus(const std::string&) override {}
  void SetProgress(int) override {}
  void ShowProgress(bool) override {}
  void Repaint() override {}
  void SetLoadedLabel(const std::string&) override {}
  void SetOutputLabel(const std::string&) override {}
  void ShowErrorDialog() override {}
  void RunRenameDialog(RenameSession& session) override {
    for (const auto& [former, renamed] : settings_.renames) {
      session.Rename(former, renamed);
    }
  }
  void OpenLink(const std::string&) override {}
  std::string CurrentDirectory() override { return TheSandbox().cwd; }
  WindowSettings ReadSettings() override { return settings_.window; }

 private:
  const FuzzSettings& settings_;
  std::string input_path_;
  int thermo_asks_ = 0;
  int clean_asks_ = 0;
  std::string last_message_;
};

}  // namespace kestrelon::fuzz

#endif  // KESTRELON_FUZZ_FUZZ_UI_H_

// WindowServices is the UiServices of the main window: what a cleaning run
// asks of the user, answered with Qt dialogs and the window's controls.
//
// - The file chooser opens in the user's home directory with the run's
//   title and filters (see chooser_filters.h); Cancel gives nothing.
// - Name prompts and message boxes carry the run's title and show each
//   CR LF of a text as a line break; Cancel in a prompt gives "". A message
//   box keeps each line whole (see text_fit.h).
// - Status, progress and the file labels are set at once and drawn at the
//   run's repaint points: Repaint() paints the window synchronously, so the
//   user sees them while the run holds the thread and no input is handled.
//
// Every dialog runs through the window's DesktopHooks. Nothing here throws,
// except what a test's hooks throw.
#ifndef KESTRELON_SHELL_WINDOW_SERVICES_H_
#define KESTRELON_SHELL_WINDOW_SERVICES_H_

#include "model/ui_services.h"

namespace kestrelon {

class MainWindow;

class WindowServices : public UiServices {
 public:
  explicit WindowServices(MainWindow& window) : window_(window) {}

  std::optional<std::string> ChooseFile(
      const FileChooserRequest& request) override;
  std::string AskText(NamePrompt kind, const std::string& title,
                      const std::string& prompt) override;
  void ShowMessage(const std::string& text, const std::string& title,
                   MessageIcon icon) override;
  void SetStatus(const std::string& text) override;
  void SetProgress(int value) override;
  void ShowProgress(bool visible) override;
  void Repaint() override;
  void SetLoadedLabel(const std::string& text) override;
  void SetOutputLabel(const std::string& text) override;
  void TableChanged() override;
  void ShowErrorDialog() override;
  void RunRenameDialog(RenameSession& session) override;
  void OpenLink(const std::string& link) override;
  std::string CurrentDirectory() override;
  WindowSettings ReadSettings() override;

 private:
  MainWindow& window_;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_WINDOW_SERVICES_H_

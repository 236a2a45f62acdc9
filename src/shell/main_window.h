// MainWindow is `cleanfrm`, the program's one window: the settings of a
// cleaning run on the first tab, the run button with the status text,
// progress bar, file labels and the grid of the working table on the
// second, the comparison of two cleaned mechanisms on the third (see
// compare_tab.h), the about panel on the fourth, and below the tabs the
// line that says how the last run ended (see run_report_label.h) and
// "&Quit". The settings tab scrolls when the window is too small for it;
// the window opens no larger than the screen.
//
// It owns the working table that runs fill and the grid shows, the
// UiServices a run talks to, and the two dialogs (the modeless error dialog,
// at most one, and the modal rename dialog, made once and reused). When it
// opens it restores custom extensions from the settings file; "&Quit"
// writes that file and ends the program. Closing the window by its close
// box writes nothing.
//
// One run at a time: "&Load File and Run" is disabled while a run holds the
// window, and a re-entered press is ignored. No exception leaves a handler.
#ifndef KESTRELON_SHELL_MAIN_WINDOW_H_
#define KESTRELON_SHELL_MAIN_WINDOW_H_

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "model/ui_services.h"
#include "model/working_table.h"
#include "shell/window_tabs.h"

class QTabWidget;

namespace kestrelon {

class CompareTab;
class DesktopHooks;
class ErrorDialog;
class RenameDialog;
class RenameSession;
class RunReportLabel;
class WindowServices;
class WorkingTableModel;

class MainWindow : public QMainWindow {
 public:
  // `hooks` outlives the window. `settings_path` is the settings file to
  // read now and to write on "&Quit" (empty: none).
  MainWindow(DesktopHooks& hooks, std::string settings_path,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // What a run reads from the controls when it starts.
  WindowSettings ReadRunSettings() const;

  // Opens the error dialog, or brings the open one to the front.
  void ShowErrorDialog();
  // Shows the rename dialog modally over `session`.
  void RunRenameDialog(RenameSession& session);

  // The open error dialog, or nullptr.
  ErrorDialog* error_dialog() const;
  // The rename dialog once a run has shown it, or nullptr.
  RenameDialog* rename_dialog() const { return rename_dialog_; }

  const WindowParts& parts() const { return parts_; }
  QTabWidget* tabs() const { return tabs_; }
  RunReportLabel* report_label() const { return report_; }
  CompareTab* compare_tab() const { return compare_tab_; }
  WorkingTable& table() { return table_; }
  WorkingTableModel& model() { return *model_; }
  DesktopHooks& hooks() { return hooks_; }
  UiServices& services();
  bool running() const { return running_; }

 private:
  void OnOpenCmd();
  void OnQuitCmd();
  void LoadSettings();
  void SaveSettings();
  void FitToScreen();

  DesktopHooks& hooks_;
  const std::string settings_path_;
  WorkingTable table_;
  WorkingTableModel* model_ = nullptr;
  WindowParts parts_;
  QTabWidget* tabs_ = nullptr;
  RunReportLabel* report_ = nullptr;
  CompareTab* compare_tab_ = nullptr;
  QPointer<ErrorDialog> error_dialog_;
  RenameDialog* rename_dialog_ = nullptr;
  std::unique_ptr<WindowServices> services_;
  bool running_ = false;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_MAIN_WINDOW_H_

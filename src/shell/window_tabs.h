// The controls of the main window `cleanfrm`, built by the three tab
// builders below. Each control carries the name its role is known by as its
// objectName (OpenCmd, optOB4, List1, ...). The builders only lay controls
// out and set their first texts and selections; the window connects them.
// Nothing here throws.
#ifndef KESTRELON_SHELL_WINDOW_TABS_H_
#define KESTRELON_SHELL_WINDOW_TABS_H_

#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QWidget;

namespace kestrelon {

class ClickableLabel;

struct WindowParts {
  // Tab 1, "General Settings".
  QButtonGroup* units = nullptr;      // ids: the EaUnit values
  QButtonGroup* mech_exts = nullptr;  // ids: the MechExtChoice values
  QLineEdit* mechext = nullptr;
  QButtonGroup* thermo_exts = nullptr;  // ids: the ThermoExtChoice values
  QLineEdit* thermext = nullptr;
  QListWidget* list1 = nullptr;
  QListWidget* list2 = nullptr;
  QListWidget* list3 = nullptr;

  // Tab 2, "Start Kestrelon".
  QPushButton* open_cmd = nullptr;
  QLabel* statuslbl = nullptr;
  QProgressBar* prog_bar = nullptr;
  QLabel* namefilelbl1 = nullptr;
  QLabel* namefilelbl2 = nullptr;
  QTableView* grid = nullptr;

  // Tab 3, "About Kestrelon".
  ClickableLabel* aboutxt3 = nullptr;
  ClickableLabel* aboutxt4 = nullptr;
};

QWidget* BuildSettingsTab(WindowParts& parts);
QWidget* BuildStartTab(WindowParts& parts);
QWidget* BuildAboutTab(WindowParts& parts);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_WINDOW_TABS_H_

// kestrelon_screenshots DIR [A B]: draws the window's tabs and its two
// dialogs into DIR/window-settings.png, window-start.png, window-about.png,
// error-dialog.png and rename-dialog.png, for the documentation. The start
// tab and the line below the tabs show the labels as a finished run leaves
// them. Given two cleaned
// files A and B, also the compare tab with them compared and the first
// changed reaction selected, as window-compare.png.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <iostream>

#include "run/run_driver.h"
#include "shell/compare_tab.h"
#include "shell/desktop_hooks.h"
#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/rename_dialog.h"
#include "shell/run_report_label.h"

namespace {

bool Save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  if (!widget.grab().save(path)) {
    std::cerr << "cannot write " << path.toStdString() << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 4) {
    std::cerr << "usage: kestrelon_screenshots DIR [A B]\n";
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  kestrelon::DesktopHooks hooks;
  kestrelon::MainWindow window(hooks, "");
  // The size of the pictures, whatever the screen of the platform.
  window.resize(800, 620);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  const QString runs = QStringLiteral("/home/ann/mechanisms/");
  window.parts().namefilelbl1->setText("Loaded: " + runs + "h2_syngas.inp");
  window.parts().namefilelbl2->setText(
      "Output file: " + runs + "h2.dat\nOutput file: " + runs +
      "h2j.rxn\nOutput file: " + runs + "h2cal.rxn\nOutput file: " + runs +
      "h2kelvin.rxn");
  kestrelon::RunOutcome finished;
  finished.kind = kestrelon::RunOutcome::Kind::kSuccess;
  finished.vars.inputpath = (runs + "h2_syngas.inp").toStdString();
  finished.vars.has_thermo = true;
  window.report_label()->ShowOutcome(finished);

  // The about tab is the last, after the compare tab.
  QWidget* about = window.tabs()->widget(window.tabs()->count() - 1);
  const std::pair<QWidget*, const char*> tabs[] = {
      {window.tabs()->widget(0), "window-settings.png"},
      {window.tabs()->widget(1), "window-start.png"},
      {about, "window-about.png"}};
  bool ok = true;
  for (const auto& [tab, name] : tabs) {
    window.tabs()->setCurrentWidget(tab);
    ok = Save(window, dir.filePath(name)) && ok;
  }
  if (argc == 4) {
    kestrelon::CompareTab& compare = *window.compare_tab();
    window.tabs()->setCurrentWidget(&compare);
    window.resize(1280, 860);
    compare.findChild<QLineEdit*>("CompareFileA")->setText(argv[2]);
    compare.findChild<QLineEdit*>("CompareFileB")->setText(argv[3]);
    compare.findChild<QPushButton*>("CompareCmd")->click();
    QTableView* table = compare.table();
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      if (table->model()->index(row, 0).data().toString() ==
          "rate parameters") {
        table->selectRow(row);
        break;
      }
    }
    ok = Save(window, dir.filePath("window-compare.png")) && ok;
  }

  kestrelon::ErrorDialog error;
  error.show();
  if (QTest::qWaitForWindowExposed(&error)) {
    ok = Save(error, dir.filePath("error-dialog.png")) && ok;
  }
  kestrelon::RenameDialog rename(&window);
  rename.show();
  if (QTest::qWaitForWindowExposed(&rename)) {
    ok = Save(rename, dir.filePath("rename-dialog.png")) && ok;
  }
  return ok ? 0 : 1;
}

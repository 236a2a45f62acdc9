// kestrelon_screenshots DIR: draws the window's three tabs and its two
// dialogs into DIR/window-settings.png, window-start.png, window-about.png,
// error-dialog.png and rename-dialog.png, for the documentation. The start
// tab shows the labels as a finished run leaves them.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <iostream>

#include "shell/desktop_hooks.h"
#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/rename_dialog.h"

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
  if (argc != 2) {
    std::cerr << "usage: kestrelon_screenshots DIR\n";
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  kestrelon::DesktopHooks hooks;
  kestrelon::MainWindow window(hooks, "");
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  const QString runs = QStringLiteral("/home/ann/mechanisms/");
  window.parts().namefilelbl1->setText("Loaded: " + runs + "h2_syngas.inp");
  window.parts().namefilelbl2->setText(
      "Output file: " + runs + "h2.dat\nOutput file: " + runs +
      "h2j.rxn\nOutput file: " + runs + "h2cal.rxn\nOutput file: " + runs +
      "h2kelvin.rxn");

  const char* names[] = {"window-settings.png", "window-start.png",
                         "window-about.png"};
  bool ok = true;
  for (int tab = 0; tab < 3; ++tab) {
    window.tabs()->setCurrentIndex(tab);
    ok = Save(window, dir.filePath(names[tab])) && ok;
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

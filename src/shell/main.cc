// kestrelon-gui: the Kestrelon window, and the plot writer of
// `kestrelon compare --plot` (see plot_export.h).
#include <QApplication>
#include <cstring>
#include <exception>
#include <iostream>

#include "shell/desktop_hooks.h"
#include "shell/main_window.h"
#include "shell/plot_export.h"
#include "shell/settings_file.h"

int main(int argc, char** argv) {
  try {
    if (argc > 1 && std::strcmp(argv[1], kestrelon::kDrawComparePlot) == 0) {
      return kestrelon::DrawComparePlot(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRELON_VERSION));
    kestrelon::DesktopHooks hooks;
    kestrelon::MainWindow window(hooks, kestrelon::SettingsFilePath());
    window.show();
    return QApplication::exec();
  } catch (const std::exception& e) {
    std::cerr << "kestrelon-gui: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "kestrelon-gui: unexpected failure\n";
  }
  return 1;
}

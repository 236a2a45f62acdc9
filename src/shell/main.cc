// kestrelon-gui: the Kestrelon window.
#include <QApplication>
#include <exception>
#include <iostream>

#include "shell/desktop_hooks.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"

int main(int argc, char** argv) {
  try {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));
    QApplication::setApplicationVersion(QStringLiteral("2.20"));
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

#include "shell/desktop_hooks.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QUrl>

namespace kestrelon {

int DesktopHooks::Exec(QDialog& dialog) { return dialog.exec(); }

void DesktopHooks::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

// exit() leaves nested event loops too, so an open modal dialog does not
// keep the program alive.
void DesktopHooks::Quit() { QCoreApplication::exit(0); }

}  // namespace kestrelon

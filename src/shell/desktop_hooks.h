// DesktopHooks are the few points where the window hands control to the
// desktop: running a modal dialog, opening a link in the system's handler,
// and ending the program. The window builds every dialog itself (titles,
// texts, filters, buttons) and passes it here only to be run, so a test can
// replace this class, look at the dialog as the user would see it, answer
// it and return without a nested event loop.
//
// None of these calls throws, except where a test double chooses to.
#ifndef KESTRELON_SHELL_DESKTOP_HOOKS_H_
#define KESTRELON_SHELL_DESKTOP_HOOKS_H_

class QDialog;
class QUrl;

namespace kestrelon {

class DesktopHooks {
 public:
  virtual ~DesktopHooks() = default;

  // Runs `dialog` modally; returns QDialog::Accepted or QDialog::Rejected.
  virtual int Exec(QDialog& dialog);

  // Hands `url` to the system's handler; a failure is ignored.
  virtual void OpenUrl(const QUrl& url);

  // Ends the program at once, leaving every event loop.
  virtual void Quit();
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_DESKTOP_HOOKS_H_

// ErrorDialog (`errorfrm`) tells the user that a file could not be treated
// and shows the layout the program expects. It is modeless: the main window
// stays usable while it is open. It deletes itself when it closes ("&Exit"
// or its close box), so the window opens a fresh one next time; the window
// keeps at most one. Every new dialog shows the example layout again.
// Nothing here throws.
#ifndef KESTRELON_SHELL_ERROR_DIALOG_H_
#define KESTRELON_SHELL_ERROR_DIALOG_H_

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kestrelon {

class ErrorDialog : public QDialog {
  Q_OBJECT

 public:
  // Without a parent, so that it can outlive the main window's close box
  // (the program ends once no window of it is left open).
  ErrorDialog();

  QPlainTextEdit* format_text() const { return format_txt_; }
  QPushButton* exit_button() const { return error_cmd_; }

 private:
  QPlainTextEdit* format_txt_;
  QPushButton* error_cmd_;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_ERROR_DIALOG_H_

// TestHooks answer the window's dialogs from a script instead of running
// them, and record what each dialog showed, so a test can drive whole runs
// through the real window headless. Dialogs are recognised by their type:
// the file chooser takes `file` (nothing: Cancel), each name prompt takes
// the next of `texts` (none left or an empty text: Cancel), message boxes
// are confirmed, and the rename dialog renames each pair of `renames` with
// its "Yes, Rename >>>" button before "No, Thanks >>>" closes it.
#ifndef KESTRELON_SHELL_TEST_HOOKS_H_
#define KESTRELON_SHELL_TEST_HOOKS_H_

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "shell/desktop_hooks.h"
#include "shell/rename_dialog.h"

namespace kestrelon {

class TestHooks : public DesktopHooks {
 public:
  std::optional<QString> file;
  std::deque<QString> texts;
  std::vector<std::pair<QString, QString>> renames;
  // Called with every dialog before it is answered (to look at the window
  // in the middle of a run, or to throw).
  std::function<void(QDialog&)> on_dialog;

  // One entry per dialog: "chooser TITLE|FILTER;;FILTER|DIR",
  // "prompt TITLE|LABEL", "message TITLE|TEXT|ICON", "rename
  // LABEL|FORMER|NEW|LABEL...", the last part once per rename.
  QStringList log;
  std::vector<QUrl> opened;
  int quits = 0;

  int Exec(QDialog& dialog) override {
    if (on_dialog) on_dialog(dialog);
    if (auto* chooser = qobject_cast<QFileDialog*>(&dialog)) {
      log << QStringLiteral("chooser %1|%2|%3")
                 .arg(chooser->windowTitle(),
                      chooser->nameFilters().join(QStringLiteral(";;")),
                      chooser->directory().absolutePath());
      if (!file) return QDialog::Rejected;
      chooser->selectFile(*file);
      return QDialog::Accepted;
    }
    if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
      log << QStringLiteral("prompt %1|%2")
                 .arg(prompt->windowTitle(), prompt->labelText());
      if (++prompts_ > 50) throw std::runtime_error("the prompt loops");
      QString answer = texts.empty() ? QString() : texts.front();
      if (!texts.empty()) texts.pop_front();
      if (answer.isEmpty()) return QDialog::Rejected;
      prompt->setTextValue(answer);
      return QDialog::Accepted;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      const QMessageBox::Icon icon = box->icon();
      log << QStringLiteral("message %1|%2|%3")
                 .arg(box->windowTitle(), box->text(),
                      icon == QMessageBox::Information ? "information"
                      : icon == QMessageBox::Critical  ? "critical"
                      : icon == QMessageBox::NoIcon    ? "none"
                                                       : "other");
      return QDialog::Accepted;
    }
    if (auto* rename = qobject_cast<RenameDialog*>(&dialog)) {
      QStringList labels{rename->label()->text(), rename->former_box()->text(),
                         rename->new_box()->text()};
      for (const auto& [former, renamed] : renames) {
        rename->former_box()->setText(former);
        rename->new_box()->setText(renamed);
        rename->rename_button()->click();
        labels << rename->label()->text();
      }
      log << QStringLiteral("rename ") + labels.join(QLatin1Char('|'));
      rename->skip_button()->click();
      return rename->result();
    }
    log << QStringLiteral("unknown dialog ") + dialog.objectName();
    return QDialog::Rejected;
  }

  void OpenUrl(const QUrl& url) override { opened.push_back(url); }
  void Quit() override { ++quits; }

  // Entries of `log` that start with `kind`.
  QStringList Logged(const QString& kind) const {
    QStringList found;
    for (const QString& line : log) {
      if (line.startsWith(kind + QLatin1Char(' '))) found << line;
    }
    return found;
  }

 private:
  int prompts_ = 0;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_TEST_HOOKS_H_

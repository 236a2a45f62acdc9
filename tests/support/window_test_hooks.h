// TestHooks answer the window's dialogs from a script and log what each
// showed, so a test can drive whole runs through the real window headless:
// the chooser takes `file` (none: Cancel), each name prompt the next of
// `texts` (none or empty: Cancel), message boxes are confirmed, and the
// rename dialog renames each of `renames` before "No, Thanks >>>".
#ifndef KESTRELON_TESTS_SUPPORT_WINDOW_TEST_HOOKS_H_
#define KESTRELON_TESTS_SUPPORT_WINDOW_TEST_HOOKS_H_

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
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

  // One entry per dialog: "chooser TITLE|FILTER;;FILTER|DIR", "prompt
  // TITLE|LABEL", "message TITLE|TEXT|ICON", "rename
  // LABEL|FORMER|NEW|LABEL...", the last part once per rename.
  QStringList log;
  std::vector<QUrl> opened;
  int quits = 0;

  int Exec(QDialog& dialog) override {
    if (on_dialog) on_dialog(dialog);
    if (auto* chooser = qobject_cast<QFileDialog*>(&dialog)) {
      log << "chooser " + chooser->windowTitle() + "|" +
                 chooser->nameFilters().join(";;") + "|" +
                 chooser->directory().absolutePath();
      if (file) chooser->selectFile(*file);
      return file ? QDialog::Accepted : QDialog::Rejected;
    }
    if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
      log << "prompt " + prompt->windowTitle() + "|" + prompt->labelText();
      if (log.size() > 50) qFatal("the prompt loops");
      const QString answer = texts.empty() ? QString() : texts.front();
      if (!texts.empty()) texts.pop_front();
      prompt->setTextValue(answer);
      return answer.isEmpty() ? QDialog::Rejected : QDialog::Accepted;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      const char* icons[] = {"none", "information", "warning", "critical"};
      // The box shows its lines as rich text; the log keeps what it reads.
      const QString text =
          box->textFormat() == Qt::RichText
              ? QTextDocumentFragment::fromHtml(box->text()).toPlainText()
              : box->text();
      log << "message " + box->windowTitle() + "|" + text + "|" +
                 icons[box->icon() % 4];
      return QDialog::Accepted;
    }
    auto& rename = dynamic_cast<RenameDialog&>(dialog);
    QStringList labels{rename.message(), rename.former_box()->text(),
                       rename.new_box()->text()};
    for (const auto& [former, renamed] : renames) {
      rename.former_box()->setText(former);
      rename.new_box()->setText(renamed);
      rename.rename_button()->click();
      labels << rename.message();
    }
    log << "rename " + labels.join('|');
    rename.skip_button()->click();
    return rename.result();
  }

  void OpenUrl(const QUrl& url) override { opened.push_back(url); }
  void Quit() override { ++quits; }
};

}  // namespace kestrelon

#endif  // KESTRELON_TESTS_SUPPORT_WINDOW_TEST_HOOKS_H_

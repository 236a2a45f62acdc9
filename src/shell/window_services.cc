#include "shell/window_services.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>

#include "shell/chooser_filters.h"
#include "shell/desktop_hooks.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "shell/table_model.h"
#include "shell/text_fit.h"

namespace kestrelon {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

std::optional<std::string> WindowServices::ChooseFile(
    const FileChooserRequest& request) {
  // The run names the root directory; on Linux the user's files live in
  // the home directory.
  QFileDialog dialog(&window_, ToDisplay(request.title), QDir::homePath());
  dialog.setObjectName("CMD");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = ChooserFilters(request.filter);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
  if (window_.hooks().Exec(dialog) != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return QFile::encodeName(QDir::cleanPath(files.front())).toStdString();
}

std::string WindowServices::AskText(NamePrompt, const std::string& title,
                                    const std::string& prompt) {
  QInputDialog dialog(&window_);
  dialog.setObjectName("InputBox");
  dialog.setWindowTitle(ToDisplay(title));
  dialog.setLabelText(ToDisplay(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextValue(QString());
  if (window_.hooks().Exec(dialog) != QDialog::Accepted) return {};
  return FromDisplay(dialog.textValue());
}

void WindowServices::ShowMessage(const std::string& text,
                                 const std::string& title, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), ToDisplay(title), QString(), QMessageBox::Ok,
                  &window_);
  box.setObjectName("MsgBox");
  const QScreen* screen = window_.screen();
  const int screen_width =
      screen != nullptr ? screen->availableGeometry().width() : 1024;
  box.setTextFormat(Qt::RichText);
  box.setText(MessageBoxText(ToDisplay(text), box.font(),
                             MessageTextLimit(screen_width)));
  window_.hooks().Exec(box);
}

void WindowServices::SetStatus(const std::string& text) {
  window_.parts().statuslbl->setText(ToDisplay(text));
}

void WindowServices::SetProgress(int value) {
  window_.parts().prog_bar->setValue(value);
}

void WindowServices::ShowProgress(bool visible) {
  window_.parts().prog_bar->setVisible(visible);
}

// A synchronous paint: the run keeps the thread, so no event loop would
// draw the new status and progress, and none may run (it would handle the
// user's clicks in the middle of the run).
void WindowServices::Repaint() { window_.repaint(); }

void WindowServices::SetLoadedLabel(const std::string& text) {
  window_.parts().namefilelbl1->setText(ToDisplay(text));
}

void WindowServices::SetOutputLabel(const std::string& text) {
  window_.parts().namefilelbl2->setText(ToDisplay(text));
}

void WindowServices::TableChanged() { window_.model().Reset(); }

void WindowServices::ShowErrorDialog() { window_.ShowErrorDialog(); }

void WindowServices::RunRenameDialog(RenameSession& session) {
  window_.RunRenameDialog(session);
}

void WindowServices::OpenLink(const std::string& link) {
  window_.hooks().OpenUrl(QUrl(QString::fromStdString(link)));
}

std::string WindowServices::CurrentDirectory() {
  return QFile::encodeName(QDir::currentPath()).toStdString();
}

WindowSettings WindowServices::ReadSettings() {
  return window_.ReadRunSettings();
}

}  // namespace kestrelon

#include "shell/save_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "shell/desktop_hooks.h"

namespace kestrelon {

QString AskSaveName(DesktopHooks& hooks, QWidget* parent, QString& last_dir,
                    const QString& title, const QStringList& filters) {
  QFileDialog dialog(parent, title, last_dir);
  dialog.setObjectName("SaveChooser");
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  if (hooks.Exec(dialog) != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return {};
  QString path = QDir::cleanPath(files.front());
  if (QFileInfo(path).suffix().isEmpty()) {
    const QString filter = dialog.selectedNameFilter();
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star >= 0) path += filter.mid(star + 1, filter.indexOf(')') - star - 1);
  }
  last_dir = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace kestrelon

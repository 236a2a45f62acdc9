// Helpers of the window tests: a control found by its name, the bytes of
// files, the cells of a table row, and the controls of a compare tab driven
// over files written into a scratch directory.
#ifndef KESTRELON_TESTS_SUPPORT_WINDOW_TEST_SUPPORT_H_
#define KESTRELON_TESTS_SUPPORT_WINDOW_TEST_SUPPORT_H_

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <string_view>

namespace kestrelon {

template <typename T = QWidget>
T* FindChild(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

// The bytes of every file in `dir`, by name.
inline QMap<QString, QByteArray> FilesIn(const QString& dir) {
  QMap<QString, QByteArray> files;
  for (const QString& name : QDir(dir).entryList(QDir::Files)) {
    files[name] = ReadAll(dir + "/" + name);
  }
  return files;
}

// The cells of `row`, joined with "|".
inline QString RowText(QTableView* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->model()->columnCount(); ++c) {
    cells << table->model()->index(row, c).data().toString();
  }
  return cells.join('|');
}

// The compare tab `root_`, its files in `dir_`.
class CompareTabDriver {
 protected:
  template <typename T = QWidget>
  T* Find(const char* name) const {
    return FindChild<T>(root_, name);
  }
  QString Write(const QString& name, std::string_view text) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write");
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.fileName();
  }
  void Compare(const QString& a, const QString& b) const {
    Find<QLineEdit>("CompareFileA")->setText(a);
    Find<QLineEdit>("CompareFileB")->setText(b);
    Find<QPushButton>("CompareCmd")->click();
  }
  QString Message() const { return Find<QLabel>("CompareMessage")->text(); }

  QTemporaryDir dir_;
  QWidget* root_ = nullptr;  // the tab
};

}  // namespace kestrelon

#endif  // KESTRELON_TESTS_SUPPORT_WINDOW_TEST_SUPPORT_H_

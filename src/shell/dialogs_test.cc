// The window's dialogs and panels on their own: the about tab and its two
// links, the error dialog (texts, at most one, "&Exit"), the rename dialog
// (texts, places, buttons), and the file chooser's filters.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/error_layout.h"
#include "rename/rename_session.h"
#include "shell/chooser_filters.h"
#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/rename_dialog.h"
#include "shell/test_hooks.h"

namespace kestrelon {
namespace {

QString TextOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return QStringLiteral("<no text>");
}

int OpenErrorDialogs() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("errorfrm")) ++count;
  }
  return count;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  template <typename T = QWidget>
  T* Find(MainWindow& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qWarning("no control %s", name);
    return found;
  }

 private slots:
  void ChooserFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("the run's filter")
        << "*.RXN Files (*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All Files "
           "(*.*)|*.*|"
        << QStringList{"*.RXN Files (*.rxn *.RXN)",
                       ".MECH Files (*.mech *.MECH)", "All Files (*)"};
    QTest::newRow("several patterns, no brackets")
        << "Mechanisms|*.inp;*.Ck|"
        << QStringList{"Mechanisms (*.inp *.INP *.ck *.CK)"};
    QTest::newRow("pair without pattern dropped")
        << "Text (*.txt)|*.txt|Odd||" << QStringList{"Text (*.txt *.TXT)"};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void ChooserFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(kestrelon::ChooserFilters(filter.toStdString()), expected);
  }

  void AboutTexts() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    const QList<QLabel*> boxes = window.findChildren<QLabel*>("aboutxt");
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes[0]->text(),
             QStringLiteral("Kestrelon version 2.20 - September 2004\n"
                            "for Windows 98, 2000, NT and XP"));
    QVERIFY(boxes[0]->font().bold());
    QCOMPARE(boxes[0]->font().pointSize(), 12);
    QCOMPARE(boxes[1]->text(), QStringLiteral("The Kestrelon developers"));
    QCOMPARE(boxes[1]->font().pointSize(), 10);
    QCOMPARE(boxes[2]->text().split('\n').size(), 5);
    QVERIFY(boxes[2]->text().endsWith(QStringLiteral("\nFax: none")));
    QCOMPARE(boxes[2]->font().pointSize(), 10);
    for (const char* link : {"aboutxt3", "aboutxt4"}) {
      auto* box = Find<QLabel>(window, link);
      QVERIFY(box->font().underline());
      QCOMPARE(box->font().pointSize(), 10);
      QCOMPARE(box->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    QCOMPARE(
        window.findChildren<QFrame*>(QRegularExpression("^Line[12]$")).size(),
        2);
  }

  void AboutLinks() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QTabWidget>(window, "SSTab1")->setCurrentIndex(2);
    QTest::mouseClick(Find(window, "aboutxt3"), Qt::LeftButton);
    QTest::mouseClick(Find(window, "aboutxt4"), Qt::LeftButton);
    QCOMPARE(hooks.opened.size(), size_t{2});
    QCOMPARE(hooks.opened[0].toString(),
             QStringLiteral("mailto:developers@kestrelon.example, "
                            "support@kestrelon.example"));
    QCOMPARE(hooks.opened[1].toString(),
             QStringLiteral("https://kestrelon.example/download"));
    // A right-click is not a click on the link.
    QTest::mouseClick(Find(window, "aboutxt4"), Qt::RightButton);
    QCOMPARE(hooks.opened.size(), size_t{2});
  }

  void ErrorDialogOnceAtMost() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.ShowErrorDialog();
    ErrorDialog* first = window.error_dialog();
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    window.ShowErrorDialog();
    QCOMPARE(window.error_dialog(), first);
    QCOMPARE(OpenErrorDialogs(), 1);

    // "&Exit" closes and unloads it; the next one is new and shows the
    // same texts.
    QTest::mouseClick(first->exit_button(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.error_dialog() == nullptr);
    QCOMPARE(OpenErrorDialogs(), 0);
    window.ShowErrorDialog();
    QCOMPARE(OpenErrorDialogs(), 1);
    QCOMPARE(window.error_dialog()->format_text()->toPlainText(),
             QString::fromLatin1(kErrorExampleLayout).replace("\r\n", "\n"));
  }

  void ErrorDialogTexts() {
    ErrorDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Possible Causes..."));
    const char* labels[][2] = {
        {"errorlbl", "Kestrelon cannot read this file."},
        {"titlelbl1",
         "This is not a valid CHEMKIN file, or its format is not currently "
         "supported."},
        {"Label2",
         "Try to save your file with a Windows Text Editor (Notepad, "
         "Wordpad...) or check that your file has the following format:"},
    };
    int last_y = -1;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const auto& [name, text] : labels) {
      auto* label = dialog.findChild<QLabel*>(name);
      QVERIFY2(label != nullptr, name);
      QCOMPARE(label->text(), QString::fromLatin1(text));
      QVERIFY(label->font().bold());
      QVERIFY(label->y() > last_y);
      last_y = label->y();
    }
    QPlainTextEdit* format = dialog.format_text();
    QCOMPARE(format->objectName(), QStringLiteral("FormatTxt"));
    QVERIFY(format->isReadOnly());
    const QStringList lines = format->toPlainText().split('\n');
    QCOMPARE(lines.size(), 16);
    QCOMPARE(lines.front(), QStringLiteral("ELEMENTS !3 lines minimum"));
    QCOMPARE(lines[5], QStringLiteral("CH3 H2O HO2 CCl4 CH4"));
    QCOMPARE(lines.back(), QStringLiteral("END"));
    QVERIFY(format->y() > last_y);
    QCOMPARE(dialog.exit_button()->objectName(), QStringLiteral("ErrorCmd"));
    QCOMPARE(dialog.exit_button()->text(), QStringLiteral("&Exit"));
    // All sixteen lines show without scrolling.
    QVERIFY(!format->verticalScrollBar()->isVisible());
  }

  void RenameDialogLayout() {
    QWidget parent;
    RenameDialog dialog(&parent);
    QCOMPARE(dialog.objectName(), QStringLiteral("renamefrm"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Rename"));
    QVERIFY(dialog.isModal());
    struct Row {
      const char* name;
      QString text;
      bool bold;
      QRect geometry;
    } rows[] = {
        {"renamelbl",
         "Do you want to rename a species?",
         true,
         {8, 8, 265, 25}},
        {"skipcmd", "No, Thanks >>>", true, {8, 48, 265, 25}},
        {"yesreplacecmd", "Yes, Rename >>>", true, {8, 88, 265, 25}},
        {"spec1txt", "FORMER NAME", false, {8, 120, 121, 41}},
        {"spec2txt", "NEW NAME", false, {152, 120, 121, 41}},
    };
    for (const Row& row : rows) {
      QWidget* w = dialog.findChild<QWidget*>(row.name);
      QVERIFY2(w != nullptr, row.name);
      QCOMPARE(TextOf(w), row.text);
      QCOMPARE(w->font().bold(), row.bold);
      QCOMPARE(w->geometry(), row.geometry);
    }
  }

  // Every showing starts from the first texts; "Yes, Rename >>>" puts the
  // session's answer into the label and leaves the boxes as typed.
  void RenameDialogButtons() {
    QTemporaryDir dir;
    RenameSession session({false, "", dir.filePath("aj.rxn").toStdString(),
                           dir.filePath("acal.rxn").toStdString(),
                           dir.filePath("akelvin.rxn").toStdString(),
                           dir.filePath("tempo3.int").toStdString()});
    QWidget parent;
    RenameDialog dialog(&parent);
    dialog.Start(session);
    dialog.former_box()->setText("");
    dialog.new_box()->setText("X");
    dialog.rename_button()->click();
    QCOMPARE(dialog.label()->text(), QString::fromLatin1(kRenameBothNames));
    QCOMPARE(dialog.former_box()->text(), QString());
    QCOMPARE(dialog.new_box()->text(), QStringLiteral("X"));
    dialog.skip_button()->click();
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    dialog.Finish();

    dialog.Start(session);
    QCOMPARE(dialog.label()->text(),
             QStringLiteral("Do you want to rename a species?"));
    QCOMPARE(dialog.former_box()->text(), QStringLiteral("FORMER NAME"));
    QCOMPARE(dialog.new_box()->text(), QStringLiteral("NEW NAME"));
    dialog.Finish();
    // Without a session the button does nothing.
    dialog.rename_button()->click();
    QCOMPARE(dialog.label()->text(),
             QStringLiteral("Do you want to rename a species?"));
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::DialogsTest)
#include "dialogs_test.moc"

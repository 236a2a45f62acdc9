// Whole cleaning runs started with "&Load File and Run" on the real window,
// every dialog answered by TestHooks: what the user sees during and after a
// run, the settings of the window reaching the written files, the
// unreadable-file branch with its error dialog, and the failure path.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/test_hooks.h"

namespace kestrelon {
namespace {

// A small mechanism with a thermodynamic record for OH and one reaction.
QByteArray Mechanism(const char* ea) {
  return QByteArray(
             "! test mechanism\r\n"
             "elements\r\n"
             "h o n\r\n"
             "end\r\n"
             "species\r\n"
             "h2 o2 h o oh n2\r\n"
             "end\r\n"
             "thermo\r\n"
             "   300.000  1000.000  5000.000\r\n"
             "OH                RUS 78O   1H   1    0    0G   200.000  3500.000"
             "  1000.000    1\r\n"
             " 3.09288767E+00 5.48429716E-04 1.26505228E-07-8.79461556E-11 "
             "1.17412376E-14    2\r\n"
             " 3.85865700E+03 4.47669610E+00 3.99201543E+00-2.40131752E-03 "
             "4.61793841E-06    3\r\n"
             "-3.88113333E-09 1.36411470E-12 3.61508056E+03-1.03925458E-01  "
             "                 4\r\n"
             "end\r\n"
             "reactions\r\n"
             "h + o2 = oh + o   3.547e+15  -0.406  ") +
         ea + "   ! chain branching\r\nend\r\n";
}

const QByteArray kThermoFirstLine =
    "OH                RUS 78O   1H   1    0    0G   200.000  3500.000  "
    "1000.000    1";

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll();
}

QList<QByteArray> Lines(const QString& path) {
  QList<QByteArray> lines = ReadAll(path).split('\n');
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return lines;
}

int OpenErrorDialogs() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("errorfrm") && w->isVisible()) ++count;
  }
  return count;
}

const QString kChooser =
    "chooser Select the File you have to Clean...|*.RXN Files (*.rxn "
    "*.RXN);;.MECH Files (*.mech *.MECH);;All Files (*)|";
const QString kReminder =
    "Reminder... A filename cannot contain any of the following "
    "characters:\n\\/:*?<>|\"";
const QString kThermoPrompt =
    "prompt Kestrelon|A thermodynamic database is present in your file;\n"
    "it will be copied to a new separate file.\n"
    "What do you want to call this file?\n\n" +
    kReminder;
const QString kCleanPrompt =
    "prompt Kestrelon|What do you want to call the cleaned file?\n\n" +
    kReminder;

}  // namespace

class WindowRunTest : public QObject {
  Q_OBJECT

 private:
  // A fresh directory with a short path, so the labels show full paths.
  QString NewDir() {
    dirs_.push_back(
        std::make_unique<QTemporaryDir>(QDir::tempPath() + "/krt-XXXXXX"));
    return dirs_.back()->path();
  }
  QString WriteInput(const QString& dir, const QByteArray& content) {
    const QString path = dir + "/h2.inp";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the input");
    file.write(content);
    return path;
  }
  std::unique_ptr<MainWindow> NewWindow(TestHooks& hooks) {
    auto window = std::make_unique<MainWindow>(hooks, "");
    window->tabs()->setCurrentIndex(1);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("not exposed");
    return window;
  }
  void Run(MainWindow& window) {
    QTest::mouseClick(window.parts().open_cmd, Qt::LeftButton);
  }
  template <typename T>
  T* Find(MainWindow& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }

  std::vector<std::unique_ptr<QTemporaryDir>> dirs_;

 private slots:
  void WholeRun() {
    const QString dir = NewDir();
    const QString input = WriteInput(dir, Mechanism("16599.0"));
    TestHooks hooks;
    hooks.file = input;
    hooks.texts = {"", "thermo1", "mech1"};
    hooks.renames = {{"oh", "hydroxyl"}};
    auto window = NewWindow(hooks);
    const MainWindow& w = *window;

    // What the window shows while each dialog is open.
    QStringList seen;
    bool nested_run_started = false;
    bool pressed_again = false;
    hooks.on_dialog = [&](QDialog& dialog) {
      seen << QStringLiteral("%1|%2|%3|%4")
                  .arg(dialog.metaObject()->className(),
                       w.parts().statuslbl->text())
                  .arg(w.parts().prog_bar->value())
                  .arg(w.parts().prog_bar->isVisible() ? "shown" : "hidden");
      QVERIFY(w.running());
      QVERIFY(!w.parts().open_cmd->isEnabled());
      if (qobject_cast<QFileDialog*>(&dialog) != nullptr && !pressed_again) {
        pressed_again = true;
        // A second press inside the run does nothing, even one that
        // reaches the handler past the disabled button.
        w.parts().open_cmd->click();
        emit w.parts().open_cmd->clicked();
        nested_run_started = hooks.Logged("chooser").size() > 0;
      }
    };
    Run(*window);

    QVERIFY(!nested_run_started);
    QStringList expected_log = {
        kChooser + QDir::homePath(),
        kThermoPrompt,
        "message Kestrelon|You did not enter a name!|none",
        kThermoPrompt,
        kCleanPrompt,
        "rename Do you want to rename a species?|FORMER NAME|NEW NAME|Another "
        "one?",
        "message Operation successful!|4 Ouput Files have been created:\n" +
            dir + "/thermo1.dat (Thermo Data)\n" + dir +
            "/mech1j.rxn (Ea in joule/mole)\n" + dir +
            "/mech1cal.rxn (Ea in calorie/mole)\n" + dir +
            "/mech1kelvin.rxn (Ea/R in Kelvin)|information",
    };
    QCOMPARE(hooks.log, expected_log);
    QCOMPARE(seen, (QStringList{
                       "QFileDialog|In progress...|0|shown",
                       "QInputDialog|Thermo Section...|20|shown",
                       "QMessageBox|Thermo Section...|20|shown",
                       "QInputDialog|Thermo Section...|20|shown",
                       "QInputDialog|Creating Files...|80|shown",
                       "kestrelon::RenameDialog|Creating Files...|90|shown",
                       "QMessageBox|Information...|100|shown",
                   }));

    // The written files, renamed.
    QCOMPARE(QDir(dir).entryList(QDir::Files),
             (QStringList{"h2.inp", "mech1cal.rxn", "mech1j.rxn",
                          "mech1kelvin.rxn", "thermo1.dat"}));
    QVERIFY(Lines(dir + "/mech1cal.rxn")
                .contains("H+O2<=>HYDROXYL+O 3.547E+15 -0.4060 16599.0"));
    QVERIFY(Lines(dir + "/mech1j.rxn")
                .contains("H+O2<=>HYDROXYL+O 3.547E+15 -0.4060 69450.2"));
    QVERIFY(Lines(dir + "/mech1kelvin.rxn")
                .contains("H+O2<=>HYDROXYL+O 3.547E+15 -0.4060 8353.0"));
    QByteArray renamed_record = kThermoFirstLine;
    renamed_record.replace("OH      ", "HYDROXYL");
    QVERIFY(Lines(dir + "/thermo1.dat").contains(renamed_record));

    // The window after the run.
    QCOMPARE(w.parts().statuslbl->text(), QString());
    QVERIFY(w.parts().prog_bar->isHidden());
    QCOMPARE(w.parts().prog_bar->value(), 0);
    QVERIFY(w.parts().open_cmd->isEnabled());
    QVERIFY(!w.running());
    QCOMPARE(window->model().rowCount(), 0);
    QVERIFY(input.size() < 50);
    QCOMPARE(w.parts().namefilelbl1->text(), "Loaded: " + input);
    QCOMPARE(w.parts().namefilelbl2->text(),
             "Output file: " + dir + "/thermo1.dat\nOutput file: " + dir +
                 "/mech1j.rxn\nOutput file: " + dir +
                 "/mech1cal.rxn\nOutput file: " + dir + "/mech1kelvin.rxn");

    // A second run reuses the rename dialog, which starts from its first
    // texts again.
    RenameDialog* first_dialog = window->rename_dialog();
    hooks.log.clear();
    hooks.on_dialog = nullptr;
    hooks.texts = {"thermo2", "mech2"};
    hooks.renames = {};
    Run(*window);
    QCOMPARE(window->rename_dialog(), first_dialog);
    QCOMPARE(hooks.Logged("rename"),
             QStringList{"rename Do you want to rename a species?|FORMER "
                         "NAME|NEW NAME"});
    QVERIFY(QFile::exists(dir + "/mech2kelvin.rxn"));
  }

  // The unit of Ea, the extensions and the number patterns chosen on the
  // window reach the files of the run.
  void SettingsReachTheRun_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("mech_button");
    QTest::addColumn<QString>("mech_text");
    QTest::addColumn<QString>("thermo_button");
    QTest::addColumn<QString>("thermo_text");
    QTest::addColumn<QList<int>>("pattern_rows");
    QTest::addColumn<QString>("mech_ext");
    QTest::addColumn<QString>("thermo_ext");
    QTest::addColumn<QStringList>("lines");  // joule, calorie, kelvin file
    const QList<int> defaults{0, 0, 1};
    const QString head = "H+O2<=>OH+O 3.547E+15 -0.4060 ";
    QTest::newRow("Kelvin, customised *.ext")
        << "OptOB11"
        << "OptOB7"
        << "*.ext"
        << "OptOB10"
        << "*.ext" << defaults << "ext"
        << "ext"
        << QStringList{head + "8314.4", head + "1987.2", head + "1000.0"};
    QTest::newRow("kJ/mol, mech and the")
        << "optOB1"
        << "OptOB6"
        << "zz"
        << "OptOB9"
        << "zz" << defaults << "mech"
        << "the"
        << QStringList{head + "1000000.0", head + "239005.7",
                       head + "120273.3"};
    QTest::newRow("kcal/mol, slash in custom extensions")
        << "optOB2"
        << "OptOB7"
        << "a/b"
        << "OptOB10"
        << "a/b" << defaults << "ab"
        << "axb"
        << QStringList{head + "4184000.0", head + "1000000.0",
                       head + "503220.6"};
    QTest::newRow("J/mol, other patterns")
        << "optOB3"
        << "OptOB5"
        << "zz"
        << "OptOB8"
        << "zz" << QList<int>{2, 2, 0} << "rxn"
        << "dat"
        << QStringList{"H+O2<=>OH+O 3.5E+15 -0.41 1000.00",
                       "H+O2<=>OH+O 3.5E+15 -0.41 239.01",
                       "H+O2<=>OH+O 3.5E+15 -0.41 120.27"};
    QTest::newRow("cal/mol, whole Ea, nothing left of custom texts")
        << "optOB4"
        << "OptOB7"
        << "*.*"
        << "OptOB10"
        << "*." << QList<int>{1, 1, 2} << "rxn"
        << "dat"
        << QStringList{"H+O2<=>OH+O 3.55E+15 -0.406 4184",
                       "H+O2<=>OH+O 3.55E+15 -0.406 1000",
                       "H+O2<=>OH+O 3.55E+15 -0.406 503"};
  }
  void SettingsReachTheRun() {
    QFETCH(QString, unit);
    QFETCH(QString, mech_button);
    QFETCH(QString, mech_text);
    QFETCH(QString, thermo_button);
    QFETCH(QString, thermo_text);
    QFETCH(QList<int>, pattern_rows);
    QFETCH(QString, mech_ext);
    QFETCH(QString, thermo_ext);
    QFETCH(QStringList, lines);
    const QString dir = NewDir();
    TestHooks hooks;
    hooks.file = WriteInput(dir, Mechanism("1000.0"));
    hooks.texts = {"t", "m"};
    auto window = NewWindow(hooks);
    window->findChild<QRadioButton*>(unit)->click();
    window->findChild<QRadioButton*>(mech_button)->click();
    window->findChild<QRadioButton*>(thermo_button)->click();
    Find<QLineEdit>(*window, "mechext")->setText(mech_text);
    Find<QLineEdit>(*window, "thermext")->setText(thermo_text);
    Find<QListWidget>(*window, "List1")->setCurrentRow(pattern_rows[0]);
    Find<QListWidget>(*window, "List2")->setCurrentRow(pattern_rows[1]);
    Find<QListWidget>(*window, "List3")->setCurrentRow(pattern_rows[2]);
    Run(*window);

    QVERIFY(QFile::exists(dir + "/t." + thermo_ext));
    const char* words[] = {"j", "cal", "kelvin"};
    for (int i = 0; i < 3; ++i) {
      const QString path = dir + "/m" + words[i] + "." + mech_ext;
      QVERIFY2(Lines(path).contains(lines[i].toLatin1()), qPrintable(path));
    }
  }

  // A file with fewer than three END lines: the message, then one error
  // dialog, however often it happens; the run ends with nothing shown.
  void UnreadableFileOpensOneErrorDialog() {
    const QString dir = NewDir();
    TestHooks hooks;
    hooks.file = WriteInput(dir,
                            "elements\r\nh o\r\nend\r\nspecies\r\nh2 o2\r\n"
                            "end\r\nreactions\r\nh+o2=oh+o 1 0 0\r\n");
    auto window = NewWindow(hooks);
    int open_at_message = -1;
    hooks.on_dialog = [&](QDialog&) { open_at_message = OpenErrorDialogs(); };

    Run(*window);
    QCOMPARE(hooks.log,
             (QStringList{kChooser + QDir::homePath(),
                          "message Error !|Your file can not be treated!|"
                          "critical"}));
    QCOMPARE(open_at_message, 0);
    QCOMPARE(OpenErrorDialogs(), 1);
    ErrorDialog* dialog = window->error_dialog();
    QVERIFY(dialog != nullptr);
    QCOMPARE(window->parts().statuslbl->text(), QString());
    QVERIFY(window->parts().prog_bar->isHidden());
    QVERIFY(QFile::exists(dir + "/tempo.int"));

    // Again while the dialog is open: the same dialog, still one.
    Run(*window);
    QCOMPARE(open_at_message, 1);
    QCOMPARE(OpenErrorDialogs(), 1);
    QCOMPARE(window->error_dialog(), dialog);

    // Closed with "&Exit", then again: one new dialog.
    dialog->exit_button()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(OpenErrorDialogs(), 0);
    Run(*window);
    QCOMPARE(OpenErrorDialogs(), 1);
    window->error_dialog()->close();
  }

  void CancelInTheChooser() {
    const QString dir = NewDir();
    TestHooks hooks;  // no file: Cancel
    auto window = NewWindow(hooks);
    QString status_in_chooser;
    hooks.on_dialog = [&](QDialog&) {
      status_in_chooser = window->parts().statuslbl->text();
    };
    Run(*window);
    QCOMPARE(hooks.log, QStringList{kChooser + QDir::homePath()});
    QCOMPARE(status_in_chooser, QStringLiteral("In progress..."));
    QCOMPARE(window->parts().statuslbl->text(), QString());
    QVERIFY(window->parts().prog_bar->isHidden());
    QCOMPARE(window->parts().prog_bar->value(), 0);
    QCOMPARE(window->parts().namefilelbl1->text(), QString());
    QCOMPARE(window->parts().namefilelbl2->text(), QString());
    QVERIFY(window->parts().open_cmd->isEnabled());
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList());
  }

  // A run that fails after the table was loaded: status cleared, bar
  // hidden, and the grid keeps the cells until the next run.
  void FailureKeepsTheGridUntilTheNextRun() {
    const QString dir = NewDir();
    TestHooks hooks;
    hooks.file = WriteInput(dir, Mechanism("16599.0"));
    hooks.texts = {"thermo1"};
    hooks.on_dialog = [](QDialog& dialog) {
      auto* prompt = qobject_cast<QInputDialog*>(&dialog);
      if (prompt != nullptr && prompt->labelText().startsWith(
                                   "What do you want to call the cleaned")) {
        throw std::runtime_error("the user's machine failed");
      }
    };
    auto window = NewWindow(hooks);
    Run(*window);

    QCOMPARE(window->parts().statuslbl->text(), QString());
    QVERIFY(window->parts().prog_bar->isHidden());
    QCOMPARE(window->parts().prog_bar->value(), 0);
    QVERIFY(window->parts().open_cmd->isEnabled());
    QVERIFY(hooks.messages.isEmpty());
    QCOMPARE(window->parts().namefilelbl1->text(), "Loaded: " + *hooks.file);
    QVERIFY(QFile::exists(dir + "/thermo1.dat"));
    QVERIFY(!QFile::exists(dir + "/mech1j.rxn"));
    WorkingTableModel& model = window->model();
    QVERIFY(model.rowCount() > 0);
    QStringList first_column;
    for (int row = 0; row < model.rowCount(); ++row) {
      first_column << model.index(row, 0).data().toString();
    }
    QVERIFY(first_column.contains("REACTIONS"));
    QVERIFY(first_column.contains("ELEMENTS"));

    hooks.file.reset();
    hooks.on_dialog = nullptr;
    Run(*window);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(window->parts().namefilelbl1->text(), QString());
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowRunTest)
#include "window_run_test.moc"

// Whole cleaning runs started with "&Load File and Run" on the real window,
// every dialog answered by TestHooks: what the user sees during and after a
// run, the settings of the window reaching the written files, the
// unreadable-file branch with its error dialog, and the failure path.
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/test_hooks.h"

namespace kestrelon {
namespace {

const QByteArray kThermoRecord =
    "OH                RUS 78O   1H   1    0    0G   200.000  3500.000  "
    "1000.000    1";

// A small mechanism with a thermodynamic record for OH and one reaction.
QByteArray Mechanism(const char* ea) {
  return "! test mechanism\r\nelements\r\nh o n\r\nend\r\nspecies\r\n"
         "h2 o2 h o oh n2\r\nend\r\nthermo\r\n"
         "   300.000  1000.000  5000.000\r\n" +
         kThermoRecord +
         "\r\n 3.09288767E+00 5.48429716E-04 1.26505228E-07-8.79461556E-11 "
         "1.17412376E-14    2\r\n"
         " 3.85865700E+03 4.47669610E+00 3.99201543E+00-2.40131752E-03 "
         "4.61793841E-06    3\r\n"
         "-3.88113333E-09 1.36411470E-12 3.61508056E+03-1.03925458E-01  "
         "                 4\r\nend\r\nreactions\r\n"
         "h + o2 = oh + o   3.547e+15  -0.406  " +
         QByteArray(ea) + "   ! chain branching\r\nend\r\n";
}

QList<QByteArray> Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {"<missing>"};
  return file.readAll().split('\n');
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
    "*.RXN);;.MECH Files (*.mech *.MECH);;All Files (*)|" +
    QDir::homePath();
const QString kReminder =
    "\n\nReminder... A filename cannot contain any of the following "
    "characters:\n\\/:*?<>|\"";
const QString kThermoPrompt =
    "prompt Kestrelon|A thermodynamic database is present in your file;\n"
    "it will be copied to a new separate file.\n"
    "What do you want to call this file?" +
    kReminder;

}  // namespace

class WindowRunTest : public QObject {
  Q_OBJECT

 private:
  // A window on its second tab; `hooks` choose h2.inp holding `input`, in
  // a fresh directory with a short path, so the labels show full paths.
  std::unique_ptr<MainWindow> Start(TestHooks& hooks, const QByteArray& input) {
    dirs_.push_back(
        std::make_unique<QTemporaryDir>(QDir::tempPath() + "/krt-XXXXXX"));
    QFile file(dirs_.back()->filePath("h2.inp"));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the input");
    file.write(input);
    hooks.file = file.fileName();
    auto window = std::make_unique<MainWindow>(hooks, "");
    window->tabs()->setCurrentIndex(1);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("not exposed");
    return window;
  }
  void Run(MainWindow& window) {
    QTest::mouseClick(window.parts().open_cmd, Qt::LeftButton);
  }

  std::vector<std::unique_ptr<QTemporaryDir>> dirs_;

 private slots:
  void WholeRun() {
    TestHooks hooks;
    hooks.texts = {"", "thermo1", "mech1"};
    hooks.renames = {{"oh", "hydroxyl"}};
    auto window = Start(hooks, Mechanism("16599.0"));
    const QString dir = QFileInfo(*hooks.file).path();
    const WindowParts& parts = window->parts();

    // What the window shows while each dialog is open.
    QStringList seen;
    bool nested_run_started = false;
    hooks.on_dialog = [&](QDialog& dialog) {
      seen << QStringLiteral("%1|%2|%3|%4")
                  .arg(dialog.metaObject()->className(),
                       parts.statuslbl->text())
                  .arg(parts.prog_bar->value())
                  .arg(parts.prog_bar->isVisible() ? "shown" : "hidden");
      QVERIFY(window->running());
      QVERIFY(!parts.open_cmd->isEnabled());
      if (seen.size() == 1) {
        // A second press inside the run does nothing, even one that
        // reaches the handler past the disabled button.
        emit parts.open_cmd->clicked();
        nested_run_started = hooks.log.size() > 0;
      }
    };
    Run(*window);

    QVERIFY(!nested_run_started);
    QCOMPARE(
        hooks.log,
        (QStringList{kChooser, kThermoPrompt,
                     "message Kestrelon|You did not enter a name!|none",
                     kThermoPrompt,
                     "prompt Kestrelon|What do you want to call the cleaned "
                     "file?" +
                         kReminder,
                     "rename Do you want to rename a species?|FORMER NAME|NEW "
                     "NAME|Another one?",
                     "message Operation successful!|4 Ouput Files have been "
                     "created:\n" +
                         dir + "/thermo1.dat (Thermo Data)\n" + dir +
                         "/mech1j.rxn (Ea in joule/mole)\n" + dir +
                         "/mech1cal.rxn (Ea in calorie/mole)\n" + dir +
                         "/mech1kelvin.rxn (Ea/R in Kelvin)|information"}));
    QCOMPARE(seen, (QStringList{
                       "QFileDialog|In progress...|0|shown",
                       "QInputDialog|Thermo Section...|20|shown",
                       "QMessageBox|Thermo Section...|20|shown",
                       "QInputDialog|Thermo Section...|20|shown",
                       "QInputDialog|Creating Files...|80|shown",
                       "kestrelon::RenameDialog|Creating Files...|90|shown",
                       "QMessageBox|Information...|100|shown",
                   }));

    // The written files, renamed, and the window after the run.
    QVERIFY(Lines(dir + "/mech1kelvin.rxn")
                .contains("H+O2<=>HYDROXYL+O 3.547E+15 -0.4060 8353.0\r"));
    QVERIFY(Lines(dir + "/thermo1.dat")
                .contains(
                    QByteArray(kThermoRecord).replace("OH      ", "HYDROXYL") +
                    "\r"));
    QCOMPARE(parts.statuslbl->text(), QString());
    QVERIFY(parts.prog_bar->isHidden());
    QVERIFY(parts.open_cmd->isEnabled());
    QCOMPARE(parts.namefilelbl1->text(), "Loaded: " + *hooks.file);
    QCOMPARE(parts.namefilelbl2->text().count("Output file: "), 4);

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
  }

  // The unit buttons, the extension buttons with their custom boxes and the
  // number patterns reach the files of the run (Ea 1000 in the input).
  void SettingsReachTheRun() {
    struct Case {
      const char* unit;
      const char* mech_button;
      const char* thermo_button;
      const char* custom;  // typed into both boxes
      const char* patterns;
      const char* files;  // mechanism extension, thermo extension
      const char* head;
      const char* ea;  // in the joule, calorie and kelvin files
    } cases[] = {
        {"OptOB11", "OptOB7", "OptOB10", "*.ext", "001", "ext ext",
         "3.547E+15 -0.4060", "8314.4 1987.2 1000.0"},
        {"optOB1", "OptOB6", "OptOB9", "zz", "001", "mech the",
         "3.547E+15 -0.4060", "1000000.0 239005.7 120273.3"},
        {"optOB2", "OptOB7", "OptOB10", "a/b", "001", "ab axb",
         "3.547E+15 -0.4060", "4184000.0 1000000.0 503220.6"},
        {"optOB3", "OptOB5", "OptOB8", "zz", "220", "rxn dat", "3.5E+15 -0.41",
         "1000.00 239.01 120.27"},
        // Nothing is left of the custom texts: the default extensions.
        {"optOB4", "OptOB7", "OptOB10", "*.*", "112", "rxn dat",
         "3.55E+15 -0.406", "4184 1000 503"},
    };
    for (const Case& c : cases) {
      TestHooks hooks;
      hooks.texts = {"t", "m"};
      auto window = Start(hooks, Mechanism("1000.0"));
      for (const char* button : {c.unit, c.mech_button, c.thermo_button}) {
        window->findChild<QRadioButton*>(button)->click();
      }
      window->parts().mechext->setText(c.custom);
      window->parts().thermext->setText(c.custom);
      window->parts().list1->setCurrentRow(c.patterns[0] - '0');
      window->parts().list2->setCurrentRow(c.patterns[1] - '0');
      window->parts().list3->setCurrentRow(c.patterns[2] - '0');
      Run(*window);

      const QString dir = QFileInfo(*hooks.file).path();
      const QStringList ext = QString(c.files).split(' ');
      QVERIFY2(QFile::exists(dir + "/t." + ext[1]), c.unit);
      const QStringList ea = QString(c.ea).split(' ');
      const char* words[] = {"j", "cal", "kelvin"};
      for (int i = 0; i < 3; ++i) {
        const QString path = dir + "/m" + words[i] + "." + ext[0];
        const QString line = "H+O2<=>OH+O " + QString(c.head) + " " + ea[i];
        QVERIFY2(Lines(path).contains(line.toLatin1() + "\r"),
                 qPrintable(path));
      }
    }
  }

  // A file with fewer than three END lines: the message, then one error
  // dialog, however often it happens; the run ends with nothing shown.
  void UnreadableFileOpensOneErrorDialog() {
    TestHooks hooks;
    auto window = Start(hooks,
                        "elements\r\nh o\r\nend\r\nspecies\r\nh2 o2\r\nend\r\n"
                        "reactions\r\nh+o2=oh+o 1 0 0\r\n");
    int open_at_message = -1;
    hooks.on_dialog = [&](QDialog&) { open_at_message = OpenErrorDialogs(); };

    Run(*window);
    QCOMPARE(hooks.log,
             (QStringList{kChooser,
                          "message Error !|Your file can not be treated!|"
                          "critical"}));
    QCOMPARE(open_at_message, 0);
    QCOMPARE(OpenErrorDialogs(), 1);
    ErrorDialog* dialog = window->error_dialog();
    QCOMPARE(window->parts().statuslbl->text(), QString());
    QVERIFY(window->parts().prog_bar->isHidden());
    QVERIFY(QFile::exists(QFileInfo(*hooks.file).path() + "/tempo.int"));

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

  // A run that fails after the table was loaded: status cleared, bar
  // hidden, and the grid keeps the cells until the next run, here one
  // cancelled in the chooser.
  void FailureKeepsTheGridUntilTheNextRun() {
    TestHooks hooks;
    hooks.texts = {"thermo1"};
    hooks.on_dialog = [](QDialog& dialog) {
      auto* prompt = qobject_cast<QInputDialog*>(&dialog);
      if (prompt != nullptr && prompt->labelText().startsWith(
                                   "What do you want to call the cleaned")) {
        throw std::runtime_error("the user's machine failed");
      }
    };
    auto window = Start(hooks, Mechanism("16599.0"));
    const WindowParts& parts = window->parts();
    Run(*window);

    QCOMPARE(parts.statuslbl->text(), QString());
    QVERIFY(parts.prog_bar->isHidden());
    QVERIFY(parts.open_cmd->isEnabled());
    QVERIFY(hooks.Logged("message").isEmpty());
    QCOMPARE(parts.namefilelbl1->text(), "Loaded: " + *hooks.file);
    QStringList cells;
    for (int row = 0; row < window->model().rowCount(); ++row) {
      cells << window->model().index(row, 0).data().toString();
    }
    QVERIFY(cells.contains("REACTIONS"));

    hooks.file.reset();
    hooks.on_dialog = nullptr;
    Run(*window);
    QCOMPARE(window->model().rowCount(), 0);
    QCOMPARE(parts.namefilelbl1->text(), QString());
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowRunTest)
#include "window_run_test.moc"

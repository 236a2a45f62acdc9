// The main window without a run: its controls, captions and first
// selections, what a run would read from it, the settings file as "&Quit"
// writes it and the next start reads it, the about links, and the two
// dialogs on their own.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/error_layout.h"
#include "rename/rename_session.h"
#include "shell/error_dialog.h"
#include "shell/main_window.h"
#include "shell/rename_dialog.h"
#include "shell/test_hooks.h"

namespace kestrelon {
namespace {

QString TextOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return QStringLiteral("<no text>");
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll();
}

int OpenErrorDialogs() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("errorfrm")) ++count;
  }
  return count;
}

const QByteArray kFirstLine =
    "This file can be erased without consequences to your computer\r\n";

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T = QWidget>
  T* Find(MainWindow& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qWarning("no control %s", name);
    return found;
  }
  QRadioButton* Radio(MainWindow& window, const char* name) {
    return Find<QRadioButton>(window, name);
  }

  QTemporaryDir dir_;
  QString settings_;

 private slots:
  void init() {
    settings_ = dir_.filePath("cfg/kestrelon/Kestrelon.ini");
    QFile::remove(settings_);
  }

  void Captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* rows[][2] = {
        {"QuitCmd", "&Quit"},
        {"Label3", "Please, check these settings before starting Kestrelon..."},
        {"FRM1", "Units of activation energy in input file"},
        {"optOB4", "cal/mol"},
        {"optOB2", "kcal/mol"},
        {"optOB3", "J/mol"},
        {"optOB1", "kJ/mol"},
        {"OptOB11", "Kelvin"},
        {"FRM2", "Extension of mechanism files (output)"},
        {"OptOB5", "*.rxn"},
        {"OptOB6", "*.mech"},
        {"OptOB7", "Customize:"},
        {"mechext", "*.ext"},
        {"FRM3", "Extension of thermodynamic database files (output)"},
        {"OptOB8", "*.dat"},
        {"OptOB9", "*.the"},
        {"OptOB10", "Customize:"},
        {"thermext", "*.ext"},
        {"FRM4", "Format of Arrhenius coefficients"},
        {"Albl", "A"},
        {"nlbl", "n"},
        {"Label1", "Ea"},
        {"Label2",
         "Tip: if you intend to use Tarnovell afterwards, select the same "
         "number formats for all your mechanisms."},
        {"OpenCmd", "&Load File and Run"},
        {"statuslbl", ""},
        {"namefilelbl1", ""},
        {"namefilelbl2", ""},
        {"Frame1", "About Kestrelon"},
        {"aboutxt3", "developers@kestrelon.example\nsupport@kestrelon.example"},
        {"aboutxt4", "https://kestrelon.example/download"},
    };
    for (const auto& row : rows) {
      QTest::newRow(row[0])
          << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
  }
  void Captions() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    QWidget* control = window.findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(TextOf(control), text);
  }

  void WindowAndTabs() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    QCOMPARE(window.objectName(), QStringLiteral("cleanfrm"));
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Kestrelon -- Version 2.20 -- September 2004"));
    auto* tabs = Find<QTabWidget>(window, "SSTab1");
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("General Settings"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Start Kestrelon"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("About Kestrelon"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(Find(window, "Label4") != nullptr);
    QVERIFY(!Find<QLabel>(window, "Label4")->text().isEmpty());
    QVERIFY(Find(window, "MSFlexGrid1") != nullptr);
    auto* bar = Find<QProgressBar>(window, "ProgBar");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QVERIFY(bar->isHidden());
  }

  void StartSelections() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    const char* checked[] = {"optOB4", "OptOB5", "OptOB8"};
    const char* unchecked[] = {"optOB1", "optOB2", "optOB3", "OptOB11",
                               "OptOB6", "OptOB7", "OptOB9", "OptOB10"};
    for (const char* name : checked)
      QVERIFY2(Radio(window, name)->isChecked(), name);
    for (const char* name : unchecked) {
      QVERIFY2(!Radio(window, name)->isChecked(), name);
    }
    WindowSettings s = window.ReadRunSettings();
    QCOMPARE(s.unit, EaUnit::kCal);
    QCOMPARE(s.mech_ext, MechExtChoice::kRxn);
    QCOMPARE(s.thermo_ext, ThermoExtChoice::kDat);
    QCOMPARE(s.mech_ext_text, std::string("*.ext"));
    QCOMPARE(s.thermo_ext_text, std::string("*.ext"));
    QCOMPARE(s.a_pattern, std::string("0.000E+00"));
    QCOMPARE(s.n_pattern, std::string("0.0000"));
    QCOMPARE(s.ea_pattern, std::string("0.0"));
  }

  void Lists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    QTest::newRow("List1") << "List1"
                           << QStringList{"0.000E+00", "0.00E+00", "0.0E+00"}
                           << "0.000E+00";
    QTest::newRow("List2") << "List2" << QStringList{"0.0000", "0.000", "0.00"}
                           << "0.0000";
    QTest::newRow("List3") << "List3" << QStringList{"0.00", "0.0", "0"}
                           << "0.0";
  }
  void Lists() {
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    auto* list = window.findChild<QListWidget*>(name);
    QVERIFY(list != nullptr);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    QCOMPARE(shown, items);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().front()->text(), selected);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->editTriggers() & QAbstractItemView::AllEditTriggers,
             QAbstractItemView::NoEditTriggers);
    // A ctrl-click on the selected pattern leaves it selected.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect rect = list->visualItemRect(list->selectedItems().front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      rect.center());
    QCOMPARE(list->selectedItems().size(), 1);
  }

  // The buttons of a frame stand from left to right in their order.
  void ButtonOrder_data() {
    QTest::addColumn<QStringList>("names");
    QTest::newRow("units") << QStringList{"optOB4", "optOB2", "optOB3",
                                          "optOB1", "OptOB11"};
    QTest::newRow("mechanism")
        << QStringList{"OptOB5", "OptOB6", "OptOB7", "mechext"};
    QTest::newRow("thermo")
        << QStringList{"OptOB8", "OptOB9", "OptOB10", "thermext"};
    QTest::newRow("formats")
        << QStringList{"Albl", "List1", "nlbl", "List2", "Label1", "List3"};
  }
  void ButtonOrder() {
    QFETCH(QStringList, names);
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int last = -1;
    for (const QString& name : names) {
      QWidget* w = window.findChild<QWidget*>(name);
      QVERIFY(w != nullptr);
      QVERIFY2(w->x() > last, qPrintable(name));
      last = w->x();
    }
  }

  // Frames stand from top to bottom in their order.
  void FrameOrder() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int last = -1;
    for (const char* name : {"Label3", "FRM1", "FRM2", "FRM3", "FRM4"}) {
      QWidget* w = Find(window, name);
      QVERIFY2(w->y() > last, name);
      last = w->y();
    }
  }

  void RunReadsUnit_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("unit");
    QTest::newRow("kJ/mol") << "optOB1" << static_cast<int>(EaUnit::kKj);
    QTest::newRow("kcal/mol") << "optOB2" << static_cast<int>(EaUnit::kKcal);
    QTest::newRow("J/mol") << "optOB3" << static_cast<int>(EaUnit::kJ);
    QTest::newRow("cal/mol") << "optOB4" << static_cast<int>(EaUnit::kCal);
    QTest::newRow("Kelvin") << "OptOB11" << static_cast<int>(EaUnit::kKelvin);
  }
  void RunReadsUnit() {
    QFETCH(QString, button);
    QFETCH(int, unit);
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.findChild<QRadioButton*>(button)->click();
    QCOMPARE(static_cast<int>(window.services().ReadSettings().unit), unit);
  }

  void RunReadsExtensionsAndPatterns() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    Radio(window, "OptOB6")->click();
    Radio(window, "OptOB10")->click();
    Find<QLineEdit>(window, "mechext")->setText("ignored");
    Find<QLineEdit>(window, "thermext")->setText("t/h");
    Find<QListWidget>(window, "List1")->setCurrentRow(2);
    Find<QListWidget>(window, "List2")->setCurrentRow(1);
    Find<QListWidget>(window, "List3")->setCurrentRow(2);
    const WindowSettings s = window.services().ReadSettings();
    QCOMPARE(s.mech_ext, MechExtChoice::kMech);
    QCOMPARE(s.mech_ext_text, std::string("ignored"));
    QCOMPARE(s.thermo_ext, ThermoExtChoice::kCustom);
    QCOMPARE(s.thermo_ext_text, std::string("t/h"));
    QCOMPARE(s.a_pattern, std::string("0.0E+00"));
    QCOMPARE(s.n_pattern, std::string("0.000"));
    QCOMPARE(s.ea_pattern, std::string("0"));
  }

  // "&Quit" writes the file for each combination of the two "Customize:"
  // buttons, and the next window restores from it.
  void QuitWritesAndNextStartReads_data() {
    QTest::addColumn<bool>("mech_custom");
    QTest::addColumn<bool>("thermo_custom");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("both") << true << true << kFirstLine + "*.ext\r\nt x\r\n";
    QTest::newRow("thermo only")
        << false << true << kFirstLine + "XXX\r\nt x\r\n";
    QTest::newRow("mech only")
        << true << false << kFirstLine + "*.ext\r\nXXX\r\n";
    QTest::newRow("neither") << false << false << kFirstLine + "XXX\r\nXXX\r\n";
  }
  void QuitWritesAndNextStartReads() {
    QFETCH(bool, mech_custom);
    QFETCH(bool, thermo_custom);
    QFETCH(QByteArray, expected);
    {
      TestHooks hooks;
      MainWindow window(hooks, settings_.toStdString());
      // Texts typed into a box whose button is not selected are not kept.
      Find<QLineEdit>(window, "thermext")->setText("t x");
      if (mech_custom) Radio(window, "OptOB7")->click();
      if (thermo_custom) Radio(window, "OptOB10")->click();
      Find<QPushButton>(window, "QuitCmd")->click();
      QCOMPARE(hooks.quits, 1);
      QCOMPARE(ReadAll(settings_), expected);
    }
    TestHooks hooks;
    MainWindow next(hooks, settings_.toStdString());
    QCOMPARE(Radio(next, "OptOB7")->isChecked(), mech_custom);
    QCOMPARE(Radio(next, "OptOB5")->isChecked(), !mech_custom);
    QCOMPARE(Radio(next, "OptOB10")->isChecked(), thermo_custom);
    QCOMPARE(Radio(next, "OptOB8")->isChecked(), !thermo_custom);
    QCOMPARE(Find<QLineEdit>(next, "mechext")->text(), QStringLiteral("*.ext"));
    QCOMPARE(Find<QLineEdit>(next, "thermext")->text(),
             thermo_custom ? QStringLiteral("t x") : QStringLiteral("*.ext"));
    // The unit and the patterns always start at their first values.
    QVERIFY(Radio(next, "optOB4")->isChecked());
  }

  void StartReadsHandWrittenFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("mech_custom");
    QTest::addColumn<QString>("mech_text");
    QTest::addColumn<bool>("thermo_custom");
    QTest::addColumn<QString>("thermo_text");
    QTest::newRow("lower-case placeholder")
        << kFirstLine + "xxx\r\nXXX\r\n"
        << true << "xxx" << false << "*.ext";
    QTest::newRow("two lines") << kFirstLine + "m2\r\n"
                               << true << "m2" << false << "*.ext";
    QTest::newRow("one line")
        << kFirstLine << false << "*.ext" << false << "*.ext";
  }
  void StartReadsHandWrittenFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, mech_custom);
    QFETCH(QString, mech_text);
    QFETCH(bool, thermo_custom);
    QFETCH(QString, thermo_text);
    QVERIFY(QDir().mkpath(QFileInfo(settings_).path()));
    QFile file(settings_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    QCOMPARE(Radio(window, "OptOB7")->isChecked(), mech_custom);
    QCOMPARE(Find<QLineEdit>(window, "mechext")->text(), mech_text);
    QCOMPARE(Radio(window, "OptOB10")->isChecked(), thermo_custom);
    QCOMPARE(Find<QLineEdit>(window, "thermext")->text(), thermo_text);
    QCOMPARE(Find<QTabWidget>(window, "SSTab1")->currentIndex(), 0);
  }

  void CloseBoxWritesNothing() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    Radio(window, "OptOB7")->click();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.close());
    QCOMPARE(ReadAll(settings_), QByteArray("<missing>"));
    QCOMPARE(hooks.quits, 0);
  }

  // Closing the window by its close box leaves an open error dialog open;
  // the program ends once the dialog is closed too. Runs the application's
  // own event loop, which is what ends the program.
  void CloseBoxWaitsForTheErrorDialog() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowErrorDialog();
    QStringList steps;
    QTimer::singleShot(0, [&] {
      window.close();
      steps << "window closed";
    });
    QTimer::singleShot(100, [&] {
      steps << (window.error_dialog() != nullptr &&
                        window.error_dialog()->isVisible()
                    ? "dialog still open"
                    : "dialog gone");
      window.error_dialog()->exit_button()->click();
    });
    QTimer::singleShot(3000, [&] {
      steps << "still running";
      QCoreApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, (QStringList{"window closed", "dialog still open"}));
  }

  // "&Quit" ends the program's event loop at once and takes the error
  // dialog with it.
  void QuitEndsTheProgram() {
    struct RealQuit : TestHooks {
      void Quit() override {
        ++quits;
        DesktopHooks::Quit();
      }
    } hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowErrorDialog();
    QTimer::singleShot(0,
                       [&] { Find<QPushButton>(window, "QuitCmd")->click(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(hooks.quits, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(OpenErrorDialogs(), 0);
    QCOMPARE(ReadAll(settings_), kFirstLine + "XXX\r\nXXX\r\n");
  }

  void QuitClosesTheErrorDialog() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.ShowErrorDialog();
    QCOMPARE(OpenErrorDialogs(), 1);
    Find<QPushButton>(window, "QuitCmd")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(OpenErrorDialogs(), 0);
    QCOMPARE(hooks.quits, 1);
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowTest)
#include "window_test.moc"

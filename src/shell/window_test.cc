// The main window without a run: its captions and first selections, the
// settings file as "&Quit" writes it and the next start reads it, the two
// ways the window closes, the about links and the file chooser's filters.
#include <QButtonGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "shell/chooser_filters.h"
#include "shell/clickable_label.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"
#include "tests/support/window_test_hooks.h"
#include "tests/support/window_test_support.h"

namespace kestrelon {
namespace {

// What a control shows: its text or title, "(x) " before a checked button,
// the items of a list or the tabs of a tab widget with "(x) " before the
// selected one.
QString TextOf(QWidget* w) {
  QStringList parts;
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    return (b->isChecked() ? "(x) " : "") + b->text();
  }
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    for (QListWidgetItem* item : list->findItems("*", Qt::MatchWildcard)) {
      parts << (item->isSelected() ? "(x) " : "") + item->text();
    }
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) {
      parts << (i == tabs->currentIndex() ? "(x) " : "") + tabs->tabText(i);
    }
  }
  return parts.isEmpty() ? w->windowTitle() : parts.join('|');
}

const QByteArray kFirstLine =
    "This file can be erased without consequences to your computer\r\n";

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString settings_;

 private slots:
  void init() {
    settings_ = dir_.filePath("cfg/kestrelon/Kestrelon.ini");
    QFile::remove(settings_);
  }

  // The window opens on the settings tab with the first unit, extension
  // and pattern choices selected, and the Ea list on its middle pattern.
  void StartSelections() {
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    const char* rows[][2] = {
        {"SSTab1",
         "(x) General Settings|Start Kestrelon|Compare Mechanisms|About "
         "Kestrelon"},
        {"optOB4", "(x) cal/mol"},
        {"OptOB5", "(x) *.rxn"},
        {"OptOB8", "(x) *.dat"},
        {"List1", "(x) 0.000E+00|0.00E+00|0.0E+00"},
        {"List3", "0.00|(x) 0.0|0"},
    };
    for (const auto& row : rows) {
      QWidget* control = window.findChild<QWidget*>(row[0]);
      QVERIFY2(control != nullptr, row[0]);
      QCOMPARE(TextOf(control), QString::fromLatin1(row[1]));
    }
  }

  // "&Quit" writes the file for each combination of the two "Customize:"
  // buttons, and the next window restores from it, as from a file written
  // by hand. Texts typed into a box whose button is not selected are not
  // kept; the unit and the patterns always start at their first values.
  void SettingsFileRoundTrip_data() {
    QTest::addColumn<bool>("by_quit");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("next");
    QTest::newRow("both") << true << kFirstLine + "*.ext\r\nt x\r\n"
                          << "Customize: *.ext | Customize: t x | cal/mol";
    QTest::newRow("thermo only") << true << kFirstLine + "XXX\r\nt x\r\n"
                                 << "*.rxn *.ext | Customize: t x | cal/mol";
    QTest::newRow("mech only") << true << kFirstLine + "*.ext\r\nXXX\r\n"
                               << "Customize: *.ext | *.dat *.ext | cal/mol";
    QTest::newRow("neither") << true << kFirstLine + "XXX\r\nXXX\r\n"
                             << "*.rxn *.ext | *.dat *.ext | cal/mol";
    QTest::newRow("lower-case placeholder")
        << false << kFirstLine + "xxx\r\nXXX\r\n"
        << "Customize: xxx | *.dat *.ext | cal/mol";
    // Two lines, ending in LF or nothing; blanks are kept.
    QTest::newRow("two lines") << false << QByteArray("first\n XXX ")
                               << "Customize:  XXX  | *.dat *.ext | cal/mol";
  }
  void SettingsFileRoundTrip() {
    QFETCH(bool, by_quit);
    QFETCH(QByteArray, file);
    QFETCH(QString, next);
    if (by_quit) {
      const QList<QByteArray> lines = file.split('\n');
      TestHooks hooks;
      MainWindow window(hooks, settings_.toStdString());
      FindChild<QLineEdit>(&window, "thermext")->setText("t x");
      FindChild<QRadioButton>(&window, "optOB1")->click();
      if (lines[1] != "XXX\r")
        FindChild<QRadioButton>(&window, "OptOB7")->click();
      if (lines[2] != "XXX\r")
        FindChild<QRadioButton>(&window, "OptOB10")->click();
      FindChild<QPushButton>(&window, "QuitCmd")->click();
      QCOMPARE(hooks.quits, 1);
      QCOMPARE(ReadAll(settings_), file);
    } else {
      QVERIFY(QDir().mkpath(QFileInfo(settings_).path()));
      QFile out(settings_);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(file);
    }
    TestHooks hooks;
    MainWindow window(hooks, settings_.toStdString());
    const WindowParts& p = window.parts();
    QCOMPARE(p.mech_exts->checkedButton()->text() + " " + p.mechext->text() +
                 " | " + p.thermo_exts->checkedButton()->text() + " " +
                 p.thermext->text() + " | " + p.units->checkedButton()->text(),
             next);
  }

  // The close box writes nothing. "&Quit" ends the program's event loop
  // at once, takes the error dialog with it and writes the settings file.
  void CloseBoxAndQuit() {
    struct RealQuit : TestHooks {
      void Quit() override {
        ++quits;
        DesktopHooks::Quit();
      }
    } hooks;
    MainWindow window(hooks, settings_.toStdString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.close());
    QCOMPARE(ReadAll(settings_), QByteArray("<missing>"));
    window.show();
    window.ShowErrorDialog();
    QTimer::singleShot(
        0, [&] { FindChild<QPushButton>(&window, "QuitCmd")->click(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(hooks.quits, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.error_dialog() == nullptr);
    QCOMPARE(ReadAll(settings_), kFirstLine + "XXX\r\nXXX\r\n");
  }

  void PathLoadAndSave() {
    const std::string in_home = "/home/ann/.config/kestrelon/Kestrelon.ini";
    QCOMPARE(SettingsFilePath("/srv/", "/home/ann"),
             std::string("/srv/kestrelon/Kestrelon.ini"));
    QCOMPARE(SettingsFilePath(nullptr, "/home/ann"), in_home);
    QCOMPARE(SettingsFilePath("relative", "/home/ann"), in_home);
    QCOMPARE(SettingsFilePath(nullptr, ""), std::string());

    QTemporaryDir dir;
    const std::string path = dir.filePath("k/Kestrelon.ini").toStdString();
    // Line breaks typed into a box are not written.
    QVERIFY(SaveSettingsFile(path, {"a\r\nb", std::nullopt}));
    QVERIFY(LoadSettingsFile(path) == (SavedExtensions{"ab", std::nullopt}));
    // Where nothing can be written, nothing is, quietly.
    QVERIFY(!SaveSettingsFile(path + "/x", {"a", "b"}));
    QVERIFY(!SaveSettingsFile("", {"a", "b"}));
    QVERIFY(LoadSettingsFile(dir.path().toStdString()) == SavedExtensions{});
  }

  void ChooserFilters() {
    // The run's own filter shows in the whole run of window_run_test.
    // Several patterns, no brackets; a pair without a pattern is dropped.
    QCOMPARE(kestrelon::ChooserFilters("Mechanisms|*.inp;*.Ck|Odd||"),
             QStringList{"Mechanisms (*.inp *.INP *.ck *.CK)"});
    QCOMPARE(kestrelon::ChooserFilters(""), QStringList{});
  }

  void AboutLinks() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(3);
    QTest::mouseClick(window.parts().aboutxt3, Qt::LeftButton);
    QTest::mouseClick(window.parts().aboutxt4, Qt::LeftButton);
    // A right-click is not a click on the link.
    QTest::mouseClick(window.parts().aboutxt4, Qt::RightButton);
    QCOMPARE(hooks.opened.size(), size_t{2});
    QCOMPARE(hooks.opened[0].toString(),
             QStringLiteral("mailto:developers@kestrelon.example, "
                            "support@kestrelon.example"));
    QCOMPARE(hooks.opened[1].toString(),
             QStringLiteral("https://kestrelon.example/download"));
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowTest)
#include "window_test.moc"

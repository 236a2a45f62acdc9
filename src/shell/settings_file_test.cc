// The settings file on its own: where it lives, and the files the window's
// round trip does not meet (damaged, hand-written, unwritable).
#include "shell/settings_file.h"

#include <QTemporaryDir>
#include <QtTest>

namespace kestrelon {

class SettingsFileTest : public QObject {
  Q_OBJECT

 private slots:
  void Path() {
    struct Case {
      const char* xdg;
      const char* home;
      const char* expected;
    } cases[] = {
        {"/srv/cfg/", "/home/ann", "/srv/cfg/kestrelon/Kestrelon.ini"},
        {nullptr, "/home/ann", "/home/ann/.config/kestrelon/Kestrelon.ini"},
        {"", "/home/ann", "/home/ann/.config/kestrelon/Kestrelon.ini"},
        {"cfg", "/home/ann", "/home/ann/.config/kestrelon/Kestrelon.ini"},
        {"/", "/home/ann", "/kestrelon/Kestrelon.ini"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const Case& c : cases) {
      QCOMPARE(SettingsFilePath(c.xdg, c.home), std::string(c.expected));
    }
  }

  void Load() {
    struct Case {
      const char* content;  // nullptr: no file at all
      const char* mech;     // nullptr: nothing restored
      const char* thermo;
    } cases[] = {
        {nullptr, nullptr, nullptr},
        {"", nullptr, nullptr},
        {"first\r\nXXX\r\nt2", nullptr, "t2"},
        {"first\nm1\nt1\n", "m1", "t1"},
        {"anything\r\n XXX\r\nXXX \r\n", " XXX", "XXX "},
    };
    for (const Case& c : cases) {
      QTemporaryDir dir;
      const QString path = dir.filePath("Kestrelon.ini");
      QFile file(path);
      if (c.content != nullptr) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
      }
      const SavedExtensions loaded = LoadSettingsFile(path.toStdString());
      QCOMPARE(loaded.mech.value_or("<off>"),
               std::string(c.mech ? c.mech : "<off>"));
      QCOMPARE(loaded.thermo.value_or("<off>"),
               std::string(c.thermo ? c.thermo : "<off>"));
      QVERIFY(LoadSettingsFile(dir.path().toStdString()) == SavedExtensions{});
    }
  }

  void SaveDropsLineBreaksAndFailsQuietly() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("k/Kestrelon.ini").toStdString();
    QVERIFY(SaveSettingsFile(path, {"a\r\nb", std::nullopt}));
    QVERIFY(LoadSettingsFile(path) == (SavedExtensions{"ab", std::nullopt}));
    for (const char* bad : {"k/Kestrelon.ini/x", "k", ""}) {
      const std::string target = *bad ? dir.filePath(bad).toStdString() : "";
      QVERIFY(!SaveSettingsFile(target, {"a", "b"}));
    }
    QVERIFY(LoadSettingsFile(path) == (SavedExtensions{"ab", std::nullopt}));
  }
};

}  // namespace kestrelon

QTEST_GUILESS_MAIN(kestrelon::SettingsFileTest)
#include "settings_file_test.moc"

// The settings file on its own: where it lives, and the files the window's
// round trip does not meet.
#include "shell/settings_file.h"

#include <QTemporaryDir>
#include <QtTest>

namespace kestrelon {

class SettingsFileTest : public QObject {
  Q_OBJECT

 private slots:
  void PathLoadAndSave() {
    const std::string in_home = "/home/ann/.config/kestrelon/Kestrelon.ini";
    QCOMPARE(SettingsFilePath("/srv/", "/home/ann"),
             std::string("/srv/kestrelon/Kestrelon.ini"));
    QCOMPARE(SettingsFilePath(nullptr, "/home/ann"), in_home);
    QCOMPARE(SettingsFilePath("", "/home/ann"), in_home);
    QCOMPARE(SettingsFilePath("relative", "/home/ann"), in_home);
    QCOMPARE(SettingsFilePath(nullptr, nullptr), std::string());
    QCOMPARE(SettingsFilePath(nullptr, ""), std::string());

    QTemporaryDir dir;
    const std::string path = dir.filePath("k/Kestrelon.ini").toStdString();
    QVERIFY(LoadSettingsFile(path) == SavedExtensions{});
    // Line breaks typed into a box are not written.
    QVERIFY(SaveSettingsFile(path, {"a\r\nb", std::nullopt}));
    QVERIFY(LoadSettingsFile(path) == (SavedExtensions{"ab", std::nullopt}));
    // Where nothing can be written, nothing is, quietly.
    QVERIFY(!SaveSettingsFile(path + "/x", {"a", "b"}));
    QVERIFY(!SaveSettingsFile(dir.filePath("k").toStdString(), {"a", "b"}));
    QVERIFY(!SaveSettingsFile("", {"a", "b"}));
    QVERIFY(LoadSettingsFile(dir.path().toStdString()) == SavedExtensions{});
    // Lines ending in LF, or in nothing, blanks kept.
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("first\n XXX\nt2 ");
    file.close();
    QVERIFY(LoadSettingsFile(path) == (SavedExtensions{" XXX", "t2 "}));
  }
};

}  // namespace kestrelon

QTEST_GUILESS_MAIN(kestrelon::SettingsFileTest)
#include "settings_file_test.moc"

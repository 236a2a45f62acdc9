// The settings file on its own: where it lives, the three lines it holds for
// each combination of the two "Customize:" buttons, and what a file read at
// start-up restores, including hand-written and damaged files.
#include "shell/settings_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace kestrelon {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(bytes), bytes.size());
}

std::optional<std::string> Opt(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

}  // namespace

class SettingsFileTest : public QObject {
  Q_OBJECT

 private slots:
  void Path_data() {
    QTest::addColumn<QByteArray>("xdg");  // "<unset>" for no variable
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected");
    QTest::newRow("xdg set")
        << QByteArray("/srv/cfg") << QByteArray("/home/ann")
        << "/srv/cfg/kestrelon/Kestrelon.ini";
    QTest::newRow("xdg with slash")
        << QByteArray("/srv/cfg/") << QByteArray("/home/ann")
        << "/srv/cfg/kestrelon/Kestrelon.ini";
    QTest::newRow("xdg unset")
        << QByteArray("<unset>") << QByteArray("/home/ann")
        << "/home/ann/.config/kestrelon/Kestrelon.ini";
    QTest::newRow("xdg empty") << QByteArray("") << QByteArray("/home/ann")
                               << "/home/ann/.config/kestrelon/Kestrelon.ini";
    QTest::newRow("xdg relative")
        << QByteArray("cfg") << QByteArray("/home/ann")
        << "/home/ann/.config/kestrelon/Kestrelon.ini";
    QTest::newRow("xdg is root") << QByteArray("/") << QByteArray("/home/ann")
                                 << "/kestrelon/Kestrelon.ini";
    QTest::newRow("no home")
        << QByteArray("<unset>") << QByteArray("<unset>") << "";
    QTest::newRow("empty home")
        << QByteArray("<unset>") << QByteArray("") << "";
  }
  void Path() {
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    const char* x = xdg == "<unset>" ? nullptr : xdg.constData();
    const char* h = home == "<unset>" ? nullptr : home.constData();
    QCOMPARE(QString::fromStdString(SettingsFilePath(x, h)), expected);
  }

  // The four combinations of the two "Customize:" buttons.
  void Save_data() {
    QTest::addColumn<QByteArray>("mech");  // "<off>": not customised
    QTest::addColumn<QByteArray>("thermo");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray first =
        "This file can be erased without consequences to your computer\r\n";
    QTest::newRow("both custom") << QByteArray("*.ext") << QByteArray("tdb")
                                 << first + "*.ext\r\ntdb\r\n";
    QTest::newRow("thermo custom")
        << QByteArray("<off>") << QByteArray("tdb") << first + "XXX\r\ntdb\r\n";
    QTest::newRow("mech custom") << QByteArray("m ch") << QByteArray("<off>")
                                 << first + "m ch\r\nXXX\r\n";
    QTest::newRow("none custom") << QByteArray("<off>") << QByteArray("<off>")
                                 << first + "XXX\r\nXXX\r\n";
    QTest::newRow("line break typed")
        << QByteArray("a\r\nb") << QByteArray("<off>")
        << first + "ab\r\nXXX\r\n";
  }
  void Save() {
    QFETCH(QByteArray, mech);
    QFETCH(QByteArray, thermo);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    // The directory of the file does not exist yet: saving makes it.
    const QString path = dir.filePath("config/kestrelon/Kestrelon.ini");
    SavedExtensions saved;
    if (mech != "<off>") saved.mech = mech.toStdString();
    if (thermo != "<off>") saved.thermo = thermo.toStdString();
    QVERIFY(SaveSettingsFile(path.toStdString(), saved));
    QCOMPARE(ReadAll(path), expected);
  }

  void SaveReplacesOldContent() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Kestrelon.ini");
    WriteAll(path, QByteArray(500, 'z'));
    QVERIFY(SaveSettingsFile(path.toStdString(), {Opt("e"), std::nullopt}));
    QCOMPARE(ReadAll(path),
             QByteArray("This file can be erased without consequences to your "
                        "computer\r\ne\r\nXXX\r\n"));
  }

  void SaveFailsQuietly_data() {
    QTest::addColumn<QString>("relative");
    QTest::newRow("parent is a file") << "plain/kestrelon/Kestrelon.ini";
    QTest::newRow("file is a directory") << "dir";
    QTest::newRow("empty path") << "";
  }
  void SaveFailsQuietly() {
    QFETCH(QString, relative);
    QTemporaryDir dir;
    WriteAll(dir.filePath("plain"), "x");
    QVERIFY(QDir(dir.path()).mkdir("dir"));
    const std::string path = relative.isEmpty()
                                 ? std::string()
                                 : dir.filePath(relative).toStdString();
    QVERIFY(!SaveSettingsFile(path, {Opt("a"), Opt("b")}));
    QCOMPARE(ReadAll(dir.filePath("plain")), QByteArray("x"));
  }

  void Load_data() {
    QTest::addColumn<QByteArray>("content");  // "<none>": no file at all
    QTest::addColumn<QByteArray>("mech");     // "<off>": nothing restored
    QTest::addColumn<QByteArray>("thermo");
    QTest::newRow("no file")
        << QByteArray("<none>") << QByteArray("<off>") << QByteArray("<off>");
    QTest::newRow("empty file")
        << QByteArray("") << QByteArray("<off>") << QByteArray("<off>");
    QTest::newRow("placeholders") << QByteArray("first\r\nXXX\r\nXXX\r\n")
                                  << QByteArray("<off>") << QByteArray("<off>");
    QTest::newRow("both custom") << QByteArray("first\r\n*.ext\r\ntdb\r\n")
                                 << QByteArray("*.ext") << QByteArray("tdb");
    QTest::newRow("lower-case placeholder")
        << QByteArray("first\r\nxxx\r\nXXX\r\n") << QByteArray("xxx")
        << QByteArray("<off>");
    QTest::newRow("two lines") << QByteArray("first\r\nmx\r\n")
                               << QByteArray("mx") << QByteArray("<off>");
    QTest::newRow("one line") << QByteArray("first\r\n") << QByteArray("<off>")
                              << QByteArray("<off>");
    QTest::newRow("last line without end")
        << QByteArray("first\r\nXXX\r\nt2") << QByteArray("<off>")
        << QByteArray("t2");
    QTest::newRow("lines ending in LF") << QByteArray("first\nm1\nt1\n")
                                        << QByteArray("m1") << QByteArray("t1");
    QTest::newRow("blanks kept") << QByteArray("first\r\n XXX\r\nXXX \r\n")
                                 << QByteArray(" XXX") << QByteArray("XXX ");
    QTest::newRow("first line not checked")
        << QByteArray("anything at all\r\nm\r\nt\r\n") << QByteArray("m")
        << QByteArray("t");
  }
  void Load() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, mech);
    QFETCH(QByteArray, thermo);
    QTemporaryDir dir;
    const QString path = dir.filePath("Kestrelon.ini");
    if (content != "<none>") WriteAll(path, content);
    SavedExtensions expected;
    if (mech != "<off>") expected.mech = mech.toStdString();
    if (thermo != "<off>") expected.thermo = thermo.toStdString();
    const SavedExtensions loaded = LoadSettingsFile(path.toStdString());
    QCOMPARE(QString::fromStdString(loaded.mech.value_or("<off>")),
             QString::fromLatin1(mech));
    QCOMPARE(QString::fromStdString(loaded.thermo.value_or("<off>")),
             QString::fromLatin1(thermo));
    QVERIFY(loaded == expected);
  }

  void LoadOfDirectoryRestoresNothing() {
    QTemporaryDir dir;
    QVERIFY(LoadSettingsFile(dir.path().toStdString()) == SavedExtensions{});
    QVERIFY(LoadSettingsFile("") == SavedExtensions{});
  }

  void SavedFileReadsBack() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("k/Kestrelon.ini").toStdString();
    const SavedExtensions saved{Opt("*.ext"), Opt("x/y")};
    QVERIFY(SaveSettingsFile(path, saved));
    QVERIFY(LoadSettingsFile(path) == saved);
  }
};

}  // namespace kestrelon

QTEST_GUILESS_MAIN(kestrelon::SettingsFileTest)
#include "settings_file_test.moc"

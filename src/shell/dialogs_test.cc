// The file chooser's filters and the about tab's two links.
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

#include "shell/chooser_filters.h"
#include "shell/clickable_label.h"
#include "shell/main_window.h"
#include "shell/test_hooks.h"

namespace kestrelon {

class DialogsTest : public QObject {
  Q_OBJECT

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

  void AboutLinks() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(2);
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

QTEST_MAIN(kestrelon::DialogsTest)
#include "dialogs_test.moc"

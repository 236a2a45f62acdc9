// The file chooser's filters and the about tab's two links.
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
  void ChooserFilters() {
    QCOMPARE(kestrelon::ChooserFilters(
                 "*.RXN Files (*.rxn)|*.RXN|.MECH Files (*.mech)|*.mech|All "
                 "Files (*.*)|*.*|"),
             (QStringList{"*.RXN Files (*.rxn *.RXN)",
                          ".MECH Files (*.mech *.MECH)", "All Files (*)"}));
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

// The settings tab laid out at the window's smallest size and at the size
// it opens with, with the application font as it is and doubled: every
// control inside its parent, as large as it asks to be, and overlapping no
// other. The window never opens larger than the screen. Geometries only,
// no pixels.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtTest>

#include "shell/main_window.h"
#include "shell/text_fit.h"
#include "tests/support/window_test_hooks.h"

namespace kestrelon {
namespace {

bool IsControl(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) != nullptr ||
         qobject_cast<const QLabel*>(w) != nullptr ||
         qobject_cast<const QLineEdit*>(w) != nullptr ||
         qobject_cast<const QListWidget*>(w) != nullptr ||
         qobject_cast<const QGroupBox*>(w) != nullptr;
}

// The size a control needs at its width: a minimum size set on it wins
// over the one it hints, as in a layout.
QSize NeededSize(const QWidget* w) {
  const QSize hint = w->minimumSizeHint();
  const int for_width =
      w->hasHeightForWidth() ? w->heightForWidth(w->width()) : -1;
  return QSize(w->minimumWidth() > 0 ? w->minimumWidth() : hint.width(),
               std::max(for_width, w->minimumHeight() > 0 ? w->minimumHeight()
                                                          : hint.height()));
}

// What is wrong with the controls below `page`, one line each.
QStringList LayoutFaults(QWidget* page) {
  QStringList faults;
  QList<QWidget*> controls;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (IsControl(w) && w->isVisibleTo(page)) controls << w;
  }
  for (QWidget* w : controls) {
    const QString name = w->objectName();
    if (!w->parentWidget()->rect().contains(w->geometry())) {
      faults << name + " leaves its parent";
    }
    const QSize needed = NeededSize(w);
    if (w->width() < needed.width() || w->height() < needed.height()) {
      faults << QStringLiteral("%1 is clipped: %2x%3, needs %4x%5")
                    .arg(name)
                    .arg(w->width())
                    .arg(w->height())
                    .arg(needed.width())
                    .arg(needed.height());
    }
  }
  for (QWidget* a : controls) {
    for (QWidget* b : controls) {
      if (a >= b || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
      const QRect ra(a->mapTo(page, QPoint()), a->size());
      const QRect rb(b->mapTo(page, QPoint()), b->size());
      if (ra.intersects(rb)) {
        faults << a->objectName() + " overlaps " + b->objectName();
      }
    }
  }
  return faults;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void SettingsTabFits_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("smallest");
    QTest::newRow("smallest") << 1.0 << true;
    QTest::newRow("as opened") << 1.0 << false;
    QTest::newRow("font doubled, smallest") << 2.0 << true;
    QTest::newRow("font doubled, as opened") << 2.0 << false;
  }
  void SettingsTabFits() {
    QFETCH(qreal, scale);
    QFETCH(bool, smallest);
    const QFont normal = QApplication::font();
    QFont font = normal;
    font.setPointSizeF(normal.pointSizeF() * scale);
    QApplication::setFont(font);

    TestHooks hooks;
    MainWindow window(hooks, "");
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY(window.width() <= screen.width());
    QVERIFY(window.height() <= screen.height());
    if (smallest) window.resize(window.minimumSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (scale == 1.0) QCOMPARE(window.minimumSize(), QSize(623, 468));
    const QStringList faults = LayoutFaults(window.tabs()->currentWidget());
    QApplication::setFont(normal);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
  }

  // A long message keeps each line on one line of the box: the path whole
  // or elided in its middle, the sentence with its last word.
  void MessageBoxKeepsLinesWhole_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("elided");
    const QString dir = "/home/someone/mechanisms/2024/propane/";
    QTest::newRow("fits") << dir + "propanekelvin.rxn" << false;
    QTest::newRow("too wide") << dir.repeated(8) + "propanekelvin.rxn" << true;
  }
  void MessageBoxKeepsLinesWhole() {
    QFETCH(QString, path);
    QFETCH(bool, elided);
    const QString text =
        "3 Ouput Files have been created:\n" + path +
        " (Ea/R in Kelvin)\nSome non-elementary reactions may have slipped "
        "through the net, for example:\nA+B+C=>2D+F+2D cannot be detected.";
    QMessageBox box(QMessageBox::Information, "Information", QString());
    const int limit =
        MessageTextLimit(box.screen()->availableGeometry().width());
    box.setText(MessageBoxText(text, box.font(), limit));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label != nullptr);
    const QStringList shown =
        (Qt::mightBeRichText(label->text())
             ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
             : label->text())
            .split('\n');
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[2], text.split('\n')[2]);
    QCOMPARE(shown[1] == path + " (Ea/R in Kelvin)", !elided);
    QCOMPARE(shown[1].contains(QChar(0x2026)), elided);
    // Four lines tall: nothing wrapped.
    const int line = label->fontMetrics().lineSpacing();
    QVERIFY(label->height() < 5 * line);
    QVERIFY(label->height() >= 4 * line);
    box.close();
  }

  // A text that fits is given back as it is. (A text too wide breaks
  // within its room and keeps every character: the refusal with a long
  // name in window_run_test.)
  void WrapLeavesATextThatFits() {
    QCOMPARE(WrapToWidth("Another one?", QApplication::font(), 200),
             "Another one?");
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowLayoutTest)
#include "window_layout_test.moc"

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
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

#include "shell/main_window.h"
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
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::WindowLayoutTest)
#include "window_layout_test.moc"

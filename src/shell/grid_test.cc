// The grid model over the working table, checked by Qt's model tester, and
// how fast the window's grid shows a full table.
#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QTableView>
#include <QtTest>

#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/test_hooks.h"

namespace kestrelon {

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  // Table rows 1 to 25,999 and columns 1 to 12 are model rows and columns
  // 0 to 11. Until the next reset the model keeps its row count and reads
  // what the cells hold now.
  void ModelOverTheTable() {
    WorkingTable table;
    WorkingTableModel model(table);
    QAbstractItemModelTester tester(
        &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.Set(0, 0, "never shown");
    table.Set(40, 12, "last column");
    model.Reset();
    QCOMPARE(model.rowCount(), 40);
    QCOMPARE(model.columnCount(), 12);
    QCOMPARE(model.index(39, 11).data().toString(), QString("last column"));
    QCOMPARE(model.headerData(39, Qt::Vertical).toInt(), 40);
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    table.Clear();
    QCOMPARE(model.rowCount(), 40);
    QVERIFY(!model.index(39, 11).data().isValid());
    table.Set(WorkingTable::kLastDataRow, 1, "bottom");
    model.Reset();
    QCOMPARE(model.rowCount(), WorkingTable::kLastDataRow);
  }

  // After a run on a mechanism of 25,999 lines: the time from the model
  // reset until the grid has painted, and to scroll to the last row.
  void FullTableShowsFast() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.tabs()->setCurrentIndex(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableView* grid = window.parts().grid;
    for (int row = 1; row <= WorkingTable::kLastDataRow; ++row) {
      for (int column = 1; column <= 12; ++column) {
        window.table().Set(
            row, column,
            "H+O2<=>OH+O 3.547E+15 -0.4060 " + std::to_string(row));
      }
    }
    qint64 best = -1;
    for (int attempt = 0; attempt < 3; ++attempt) {
      QElapsedTimer timer;
      timer.start();
      window.model().Reset();
      // The view lays its rows out on a zero timer after a reset.
      QCoreApplication::processEvents();
      grid->repaint();
      if (best < 0 || timer.nsecsElapsed() < best) best = timer.nsecsElapsed();
    }
    qInfo("grid shown after a reset in %.2f ms (best of 3)", best / 1e6);
    QVERIFY(best < 50'000'000);
    QElapsedTimer timer;
    timer.start();
    grid->scrollToBottom();
    QCoreApplication::processEvents();
    grid->repaint();
    QVERIFY(timer.nsecsElapsed() < 50'000'000);
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::GridTest)
#include "grid_test.moc"

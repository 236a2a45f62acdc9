// The grid model over the working table: the cells it shows, its
// consistency as a Qt model, and how fast the grid shows a full table.
#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/test_hooks.h"
#include "table/working_table.h"

namespace kestrelon {

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  // Rows 1 to 25,999 and columns 1 to 12 are shown as rows and columns 0
  // to 11, read-only. Between a change of the table and the next reset the
  // model keeps its row count and reads what the cells hold now.
  void ModelOverTheTable() {
    WorkingTable table;
    WorkingTableModel model(table);
    QAbstractItemModelTester tester(
        &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 12);
    table.Set(0, 0, "never shown");
    for (int row = 1; row <= 40; ++row) table.Set(row, 1, "LINE");
    table.Set(3, 12, "last column");
    model.Reset();
    QCOMPARE(model.rowCount(), 40);
    QCOMPARE(model.index(2, 11).data().toString(), QString("last column"));
    QVERIFY(!model.index(2, 10).data().isValid());
    QCOMPARE(model.headerData(2, Qt::Vertical).toInt(), 3);
    QCOMPARE(model.headerData(11, Qt::Horizontal).toInt(), 12);
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 0), "x"));

    table.Clear();
    QCOMPARE(model.rowCount(), 40);
    QVERIFY(!model.index(0, 0).data().isValid());
    table.Set(WorkingTable::kLastDataRow, 12, "bottom");
    model.Reset();
    QCOMPARE(model.rowCount(), WorkingTable::kLastDataRow);
    QCOMPARE(model.index(WorkingTable::kLastDataRow - 1, 11).data().toString(),
             QString("bottom"));
  }

  // The window's grid after a run on a mechanism of 25,999 lines: the time
  // from the model reset until the grid has painted, and to scroll to the
  // last row.
  void FullTableShowsFast() {
    TestHooks hooks;
    MainWindow window(hooks, "");
    window.tabs()->setCurrentIndex(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableView* grid = window.parts().grid;
    QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    for (int row = 1; row <= WorkingTable::kLastDataRow; ++row) {
      window.table().Set(
          row, 1,
          "H+O2<=>OH+O 3.547E+15 -0.4060 16599.0 ROW " + std::to_string(row));
      for (int column = 2; column <= 12; ++column) {
        window.table().Set(row, column, "X");
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
    qInfo("grid shown after reset of %d rows in %.2f ms (best of 3)",
          WorkingTable::kLastDataRow, best / 1e6);
    QCOMPARE(window.model().rowCount(), WorkingTable::kLastDataRow);
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

// WorkingTableModel shows a WorkingTable in a view without copying it: each
// visible cell is read from the table when it is painted. Table row r and
// column c (both from 1) are model row r-1 and column c-1; row 0 and column
// 0 of the table are never used and are not shown. The model shows the rows
// in use when Reset() was last called, so a run that changes the table must
// call Reset() before the view paints again (the window does so whenever
// the run reports a change). Read-only; nothing here throws.
#ifndef KESTRELON_SHELL_TABLE_MODEL_H_
#define KESTRELON_SHELL_TABLE_MODEL_H_

#include <QAbstractTableModel>

#include "model/working_table.h"

namespace kestrelon {

class WorkingTableModel : public QAbstractTableModel {
 public:
  explicit WorkingTableModel(const WorkingTable& table,
                             QObject* parent = nullptr);

  // Takes in the table's current contents.
  void Reset();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const WorkingTable& table_;
  int rows_ = 0;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_TABLE_MODEL_H_

// KindFilter is the sorting proxy of a comparison table: it sorts by the
// number a cell gives for Qt::UserRole (empty cells first), and keeps the
// rows of one kind, or of every kind. `Model` has `row(r).kind` of type
// `Kind`. Read-only; nothing here throws beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_KIND_FILTER_H_
#define KESTRELON_SHELL_KIND_FILTER_H_

#include <QSortFilterProxyModel>
#include <optional>

namespace kestrelon {

template <typename Model, typename Kind>
class KindFilter : public QSortFilterProxyModel {
 public:
  explicit KindFilter(Model& source, QObject* parent = nullptr)
      : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(&source);
    setSortRole(Qt::UserRole);
  }

  // Keeps the rows of `kind`; nothing: every row.
  void SetKind(std::optional<Kind> kind) {
    kind_ = kind;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex&) const override {
    return !kind_ || source_.row(source_row).kind == *kind_;
  }

 private:
  Model& source_;
  std::optional<Kind> kind_;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_KIND_FILTER_H_

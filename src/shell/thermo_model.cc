#include "shell/thermo_model.h"

#include <cmath>

#include "check/words.h"

namespace kestrelon {
namespace {

enum Column {
  kKind,
  kSpecies,
  kLineA,
  kLineB,
  kQuantity,
  kTemperature,
  kInA,
  kInB,
  kColumns
};

const char* const kHeaders[kColumns] = {"Kind",      "Species",  "Line in A",
                                        "Line in B", "Quantity", "T (K)",
                                        "In A",      "In B"};

const char* KindText(ThermoRowKind kind) {
  switch (kind) {
    case ThermoRowKind::kOnlyInA:
      return "only in A";
    case ThermoRowKind::kOnlyInB:
      return "only in B";
    case ThermoRowKind::kValue:
      break;
  }
  return "values";
}

// A number cell: empty where the row has none (`present` false), as text
// or, for sorting, as a number.
QVariant NumberCell(bool present, double value, bool sort, bool is_line) {
  if (!present) return sort ? QVariant(-INFINITY) : QVariant(QString());
  if (sort) return value;
  if (is_line) return static_cast<int>(value);
  return QString::fromStdString(ShortNumber(value));
}

}  // namespace

ThermoModel::ThermoModel(QObject* parent) : RowsModel(kColumns, parent) {}

QVariant ThermoModel::data(const QModelIndex& index, int role) const {
  const ThermoRow* shown = RowAt(index);
  if (shown == nullptr) return {};
  if (role != Qt::DisplayRole && role != Qt::UserRole) return {};
  const bool sort = role == Qt::UserRole;
  const ThermoRow& r = *shown;
  const bool value = r.kind == ThermoRowKind::kValue;
  switch (index.column()) {
    case kKind:
      return QString::fromUtf8(KindText(r.kind));
    case kSpecies:
      return QString::fromStdString(r.species);
    case kLineA:
      return NumberCell(r.line_a > 0, r.line_a, sort, true);
    case kLineB:
      return NumberCell(r.line_b > 0, r.line_b, sort, true);
    case kQuantity:
      return QString::fromUtf8(r.quantity);
    case kTemperature:
      return NumberCell(value, r.temperature, sort, false);
    case kInA:
      return NumberCell(value, r.a, sort, false);
    case kInB:
      return NumberCell(value, r.b, sort, false);
  }
  return {};
}

QVariant ThermoModel::headerData(int section, Qt::Orientation orientation,
                                 int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kColumns
             ? QString::fromUtf8(kHeaders[section])
             : QVariant();
}

}  // namespace kestrelon

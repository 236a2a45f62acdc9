#include "shell/difference_model.h"

#include <cmath>

#include "compare/number_text.h"
#include "compare/report_text.h"

namespace kestrelon {
namespace {

enum Column {
  kKind,
  kEquation,
  kLineA,
  kLineB,
  kAOfA,
  kNOfA,
  kEaOfA,
  kAOfB,
  kNOfB,
  kEaOfB,
  kRatio,
  kColumns
};

const char* const kHeaders[kColumns] = {"Kind",
                                        "Equation",
                                        "Line in A",
                                        "Line in B",
                                        "A in A",
                                        "n in A",
                                        "Ea in A",
                                        "A in B",
                                        "n in B",
                                        "Ea in B",
                                        "k(B)/k(A) at 1000 K"};

QString KindText(const DifferenceRow& row) {
  QString text = QString::fromUtf8(DifferenceKindName(row.kind));
  if (row.non_elementary) text += QStringLiteral(", non-elementary list");
  if (row.other_way_round) text += QStringLiteral(", B the other way round");
  return text;
}

// A side's cell: its line (field 0) or one of its coefficients (1 to 3),
// as text or, for sorting, as a number.
QVariant SideCell(const std::optional<RowSide>& side, int field, bool sort) {
  if (!side) return sort ? QVariant(-INFINITY) : QVariant(QString());
  if (field == 0) return side->line;
  const std::string& text = field == 1   ? side->a
                            : field == 2 ? side->n
                                         : side->ea;
  if (!sort) return QString::fromStdString(text);
  return ParseNumberText(text).value_or(-INFINITY);
}

}  // namespace

DifferenceModel::DifferenceModel(QObject* parent)
    : RowsModel(kColumns, parent) {}

QVariant DifferenceModel::data(const QModelIndex& index, int role) const {
  const DifferenceRow* shown = RowAt(index);
  if (shown == nullptr) return {};
  if (role != Qt::DisplayRole && role != Qt::UserRole) return {};
  const bool sort = role == Qt::UserRole;
  const DifferenceRow& r = *shown;
  switch (index.column()) {
    case kKind:
      return KindText(r);
    case kEquation:
      return QString::fromStdString(r.equation);
    case kLineA:
      return SideCell(r.a, 0, sort);
    case kAOfA:
    case kNOfA:
    case kEaOfA:
      return SideCell(r.a, index.column() - kAOfA + 1, sort);
    case kLineB:
      return SideCell(r.b, 0, sort);
    case kAOfB:
    case kNOfB:
    case kEaOfB:
      return SideCell(r.b, index.column() - kAOfB + 1, sort);
    case kRatio:
      if (sort) return r.ratio_1000.value_or(-INFINITY);
      return r.ratio_1000 || (r.a && r.b)
                 ? QString::fromStdString(FormatRatio(r.ratio_1000))
                 : QString();
  }
  return {};
}

QVariant DifferenceModel::headerData(int section, Qt::Orientation orientation,
                                     int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kColumns
             ? QString::fromUtf8(kHeaders[section])
             : QVariant();
}

}  // namespace kestrelon

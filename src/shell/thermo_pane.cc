#include "shell/thermo_pane.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSplitter>
#include <QTableView>

#include "check/thermo_compare_output.h"
#include "shell/thermo_chart.h"
#include "shell/thermo_model.h"

namespace kestrelon {
namespace {

const QString kNoSpecies =
    QStringLiteral("Select a species in the table to see its Cp/R.");

}  // namespace

ThermoPane::ThermoPane(QWidget* parent) : QWidget(parent) {
  setObjectName("ThermoPane");
  kind_ = new QComboBox(this);
  kind_->setObjectName("ThermoKindFilter");
  kind_->addItems({QStringLiteral("All differences"),
                   QStringLiteral("Only in A"), QStringLiteral("Only in B"),
                   QStringLiteral("Different values")});

  model_ = new ThermoModel(this);
  filter_ = new ThermoFilter(*model_, this);
  table_ = new QTableView(this);
  table_->setObjectName("ThermoTable");
  table_->setModel(filter_);
  // Unsorted (the report's order) until a header is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setDefaultSectionSize(
      table_->fontMetrics().height() + 6);

  auto* chart = new QChart;
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart_view_ = new QChartView(chart, this);
  chart_view_->setObjectName("CpChart");
  chart_view_->setRenderHint(QPainter::Antialiasing);
  ClearChart(*chart, QString());

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(table_);
  split->addWidget(chart_view_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  split->setSizes({640, 560});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(split);

  // The handlers do nothing that throws but bad_alloc, which Qt's event
  // loop would not survive either way.
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
    filter_->SetKind(
        index == 0 ? std::nullopt
                   : std::optional(static_cast<ThermoRowKind>(index - 1)));
    Draw();
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged,
          this, [this] { Draw(); });
}

ThermoPane::~ThermoPane() {
  // The model points into the comparison; it must not outlive it.
  model_->Reset(nullptr);
}

void ThermoPane::Show(std::optional<ThermoFileComparison> comparison,
                      const ChartContext& context) {
  model_->Reset(nullptr);
  comparison_ = std::move(comparison);
  context_ = context;
  if (comparison_) {
    model_->Reset(&comparison_->rows);
    table_->resizeColumnToContents(0);
    if (filter_->rowCount() > 0) {
      // Making it current draws the plot.
      table_->selectRow(0);
      return;
    }
  }
  Draw();
}

void ThermoPane::Redraw(const ChartContext& context) {
  context_ = context;
  Draw();
}

std::string ThermoPane::Report(bool json) const {
  return json ? RenderThermoCompareJson(comparison_->report)
              : RenderThermoCompareText(comparison_->report);
}

void ThermoPane::Draw() {
  QChart& chart = *chart_view_->chart();
  const QModelIndex current = table_->selectionModel()->currentIndex();
  if (!comparison_ || !current.isValid() || !IsUsableRange(context_.range)) {
    ClearChart(chart, comparison_ ? kNoSpecies : QString());
    return;
  }
  const ThermoRow& row = model_->row(filter_->mapToSource(current).row());
  DrawCpChart(chart, QString::fromStdString(row.species),
              FirstEntry(comparison_->a, row.key),
              FirstEntry(comparison_->b, row.key), context_);
}

}  // namespace kestrelon

#include "shell/compare_tab.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "check/thermo_file_comparison.h"
#include "compare/report_json.h"
#include "compare/report_text.h"
#include "model/run_error.h"
#include "model/ui_services.h"
#include "platform/text_file.h"
#include "shell/chooser_filters.h"
#include "shell/desktop_hooks.h"
#include "shell/difference_model.h"
#include "shell/guarded.h"
#include "shell/qt_text.h"
#include "shell/save_chooser.h"
#include "shell/thermo_pane.h"

namespace kestrelon {
namespace {

const QString kNoReaction =
    QStringLiteral("Select a reaction in the table to see its k(T).");

QChartView* NewChartView(const char* name, QWidget* parent) {
  auto* chart = new QChart;
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

QSpinBox* NewTemperatureBox(const char* name, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(1, 100000);
  box->setSuffix(QStringLiteral(" K"));
  box->setValue(value);
  return box;
}

QPushButton* NewButton(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

std::string FileName(const QString& path) {
  return QFile::encodeName(QDir::cleanPath(path)).toStdString();
}

}  // namespace

CompareTab::CompareTab(DesktopHooks& hooks, QWidget* parent)
    : QWidget(parent), hooks_(hooks), last_dir_(QDir::homePath()) {
  setObjectName("CompareTab");
  file_a_ = new QLineEdit(this);
  file_a_->setObjectName("CompareFileA");
  file_b_ = new QLineEdit(this);
  file_b_->setObjectName("CompareFileB");
  auto* choose_a = NewButton("ChooseFileA", "File &A...", this);
  auto* choose_b = NewButton("ChooseFileB", "File &B...", this);
  auto* compare = NewButton("CompareCmd", "&Compare", this);
  auto* files = new QGridLayout;
  files->addWidget(new QLabel(QStringLiteral("A:"), this), 0, 0);
  files->addWidget(file_a_, 0, 1);
  files->addWidget(choose_a, 0, 2);
  files->addWidget(new QLabel(QStringLiteral("B:"), this), 1, 0);
  files->addWidget(file_b_, 1, 1);
  files->addWidget(choose_b, 1, 2);
  files->addWidget(compare, 0, 3, 2, 1);

  summary_ = new QLabel(this);
  summary_->setObjectName("CompareSummary");
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  message_ = new QLabel(this);
  message_->setObjectName("CompareMessage");
  message_->setWordWrap(true);
  message_->setStyleSheet(QStringLiteral("color: #a00000"));

  kind_ = new QComboBox(this);
  kind_->setObjectName("KindFilter");
  kind_->addItems({QStringLiteral("All differences"),
                   QStringLiteral("Only in A"), QStringLiteral("Only in B"),
                   QStringLiteral("Rate parameters"),
                   QStringLiteral("Auxiliary lines")});
  t_low_ = NewTemperatureBox("TLow", 300, this);
  t_high_ = NewTemperatureBox("THigh", 3000, this);
  auto* save_plot = NewButton("SavePlotCmd", "Save &Plot...", this);
  auto* save_report = NewButton("SaveReportCmd", "Save &Report...", this);
  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("Show:"), this));
  controls->addWidget(kind_);
  thermo_ = new ThermoPane(this);
  controls->addWidget(thermo_->kind_filter());
  thermo_->kind_filter()->hide();
  controls->addSpacing(12);
  controls->addWidget(new QLabel(QStringLiteral("Temperatures:"), this));
  controls->addWidget(t_low_);
  controls->addWidget(new QLabel(QStringLiteral("to"), this));
  controls->addWidget(t_high_);
  controls->addStretch(1);
  controls->addWidget(save_plot);
  controls->addWidget(save_report);

  model_ = new DifferenceModel(this);
  filter_ = new DifferenceFilter(*model_, this);
  table_ = new QTableView(this);
  table_->setObjectName("DifferenceTable");
  table_->setModel(filter_);
  // Unsorted (the report's order) until a header is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setDefaultSectionSize(
      table_->fontMetrics().height() + 6);
  // The line numbers need little room.
  for (int column : {2, 3}) {
    table_->horizontalHeader()->resizeSection(
        column, table_->fontMetrics().horizontalAdvance("Line in A") + 12);
  }

  plots_ = new QTabWidget(this);
  plots_->setObjectName("PlotViews");
  rate_view_ = NewChartView("RateChart", plots_);
  ratio_view_ = NewChartView("RatioChart", plots_);
  plots_->addTab(rate_view_, QStringLiteral("k(T)"));
  plots_->addTab(ratio_view_, QStringLiteral("k(B)/k(A)"));
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(table_);
  split->addWidget(plots_);
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  split->setSizes({640, 560});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addWidget(summary_);
  layout->addWidget(message_);
  layout->addLayout(controls);
  body_ = new QStackedWidget(this);
  body_->addWidget(split);
  body_->addWidget(thermo_);
  layout->addWidget(body_, 1);
  message_->hide();
  ClearChart(*rate_view_->chart(), kNoReaction);
  ClearChart(*ratio_view_->chart(), QString());

  connect(choose_a, &QPushButton::clicked, this, [this] {
    Guarded([this] { Choose(file_a_, QStringLiteral("Select file A...")); });
  });
  connect(choose_b, &QPushButton::clicked, this, [this] {
    Guarded([this] { Choose(file_b_, QStringLiteral("Select file B...")); });
  });
  connect(compare, &QPushButton::clicked, this,
          [this] { Guarded([this] { Compare(); }); });
  connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
    Guarded([this, index] {
      filter_->SetKind(
          index == 0 ? std::nullopt
                     : std::optional(static_cast<DifferenceKind>(index - 1)));
      Redraw();
    });
  });
  for (QSpinBox* box : {t_low_, t_high_}) {
    connect(box, &QSpinBox::valueChanged, this,
            [this] { Guarded([this] { Redraw(); }); });
  }
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged,
          this, [this] { Guarded([this] { DrawRate(); }); });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged,
          this, [this] { Guarded([this] { DrawRatio(); }); });
  connect(save_plot, &QPushButton::clicked, this,
          [this] { Guarded([this] { SavePlot(); }); });
  connect(save_report, &QPushButton::clicked, this,
          [this] { Guarded([this] { SaveReport(); }); });
}

CompareTab::~CompareTab() {
  // The model points into the comparison; it must not outlive it.
  model_->Reset(nullptr);
}

ChartContext CompareTab::Context() const {
  ChartContext c;
  if (comparison_) {
    c.unit = comparison_->report.unit;
    c.unit_from_names = comparison_->report.unit_from_names;
  }
  c.name_a = QFileInfo(file_a_->text()).fileName();
  c.name_b = QFileInfo(file_b_->text()).fileName();
  c.range = {double(t_low_->value()), double(t_high_->value())};
  return c;
}

void CompareTab::Say(const QString& message) {
  message_->setText(message);
  message_->setVisible(!message.isEmpty());
}

void CompareTab::Choose(QLineEdit* box, const QString& title) {
  QFileDialog dialog(this, title, last_dir_);
  dialog.setObjectName("CompareChooser");
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = ChooserFilters(kMechanismChooserFilter);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.front());
  if (hooks_.Exec(dialog) != QDialog::Accepted) return;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return;
  const QString path = QDir::cleanPath(files.front());
  box->setText(path);
  last_dir_ = QFileInfo(path).absolutePath();
}

void CompareTab::Compare() {
  Say(QString());
  // The table shows rows of the comparison it replaces.
  model_->Reset(nullptr);
  comparison_.reset();
  thermo_->Show(std::nullopt, Context());
  summary_->clear();
  const QString a = file_a_->text().trimmed();
  const QString b = file_b_->text().trimmed();
  if (a.isEmpty() || b.isEmpty()) {
    Say(QStringLiteral("Choose the two files to compare."));
  } else {
    try {
      std::optional<ThermoFileComparison> thermo =
          CompareThermoFiles(FileName(a), FileName(b));
      if (thermo) {
        ShowPage(true);
        summary_->setText(ToDisplay(ThermoShortSummary(thermo->report)));
        const std::string unread = UnreadEntriesNote(*thermo);
        thermo_->Show(std::move(thermo), Context());
        Say(ToDisplay(unread));
        return;
      }
      comparison_ = std::make_unique<FileComparison>(
          CompareFiles(FileName(a), FileName(b)));
    } catch (const RunError& e) {
      Say(ToDisplay(e.Describe()));
    } catch (const FileError& e) {
      Say(ToDisplay(RunError(e).Describe()));
    }
  }
  if (comparison_) {
    ShowPage(false);
    summary_->setText(ToDisplay(ShortSummary(comparison_->report)));
    model_->Reset(&comparison_->rows);
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(1);
    if (filter_->rowCount() > 0) {
      // Selecting draws both plots.
      table_->selectRow(0);
      return;
    }
  }
  Redraw();
}

void CompareTab::ShowPage(bool thermo) {
  body_->setCurrentIndex(thermo ? 1 : 0);
  kind_->setVisible(!thermo);
  thermo_->kind_filter()->setVisible(thermo);
}

void CompareTab::Redraw() {
  if (t_low_->value() >= t_high_->value()) {
    Say(QStringLiteral("The first temperature must be below the second."));
    return;
  }
  if (message_->text().startsWith(QStringLiteral("The first temperature"))) {
    Say(QString());
  }
  if (thermo_->comparison()) thermo_->Redraw(Context());
  DrawRate();
  DrawRatio();
}

void CompareTab::DrawRate() {
  QChart& chart = *rate_view_->chart();
  const QModelIndex current = table_->selectionModel()->currentIndex();
  if (!comparison_ || !current.isValid() ||
      t_low_->value() >= t_high_->value()) {
    ClearChart(chart, comparison_ ? kNoReaction : QString());
    return;
  }
  const int row = filter_->mapToSource(current).row();
  DrawRateChart(chart, comparison_->rows[row], Context());
}

void CompareTab::DrawRatio() {
  QChart& chart = *ratio_view_->chart();
  if (!comparison_ || t_low_->value() >= t_high_->value()) {
    ClearChart(chart, QString());
    return;
  }
  const ChartContext context = Context();
  QModelIndexList selected = table_->selectionModel()->selectedRows();
  std::vector<size_t> chosen;
  if (selected.size() >= 2) {
    // In the order the table shows them.
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& x, const QModelIndex& y) {
                return x.row() < y.row();
              });
    for (const QModelIndex& index : selected) {
      const size_t row = filter_->mapToSource(index).row();
      const DifferenceRow& r = comparison_->rows[row];
      if (r.a && r.b && chosen.size() < kMaxRatioCurves) chosen.push_back(row);
    }
    DrawRatioChart(chart, comparison_->rows, chosen,
                   RatioTitle(chosen.size(), true, context), context);
    return;
  }
  std::vector<size_t> shown;
  for (int r = 0; r < filter_->rowCount(); ++r) {
    shown.push_back(filter_->mapToSource(filter_->index(r, 0)).row());
  }
  std::sort(shown.begin(), shown.end());
  chosen = LargestSpread(comparison_->rows, shown, context.unit, context.range);
  DrawRatioChart(chart, comparison_->rows, chosen,
                 RatioTitle(chosen.size(), false, context), context);
}

void CompareTab::SavePlot() {
  const QString path =
      AskSaveName(hooks_, this, last_dir_, QStringLiteral("Save the plot"),
                  {QStringLiteral("PNG image (*.png)"),
                   QStringLiteral("SVG image (*.svg)")});
  if (path.isEmpty()) return;
  QChartView& view = thermo_->comparison()         ? *thermo_->chart_view()
                     : plots_->currentIndex() == 0 ? *rate_view_
                                                   : *ratio_view_;
  QString error;
  Say(SaveChartImage(view, path, &error) ? QString() : error);
}

void CompareTab::SaveReport() {
  const bool thermo = thermo_->comparison() != nullptr;
  if (!comparison_ && !thermo) {
    Say(QStringLiteral("Compare two files first."));
    return;
  }
  const QString path =
      AskSaveName(hooks_, this, last_dir_, QStringLiteral("Save the report"),
                  {QStringLiteral("Text report (*.txt)"),
                   QStringLiteral("JSON report (*.json)")});
  if (path.isEmpty()) return;
  const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
  try {
    WriteFile(FileName(path),
              thermo ? thermo_->Report(json)
                     : (json ? RenderReportJson(comparison_->report)
                             : RenderReportText(comparison_->report)));
    Say(QString());
  } catch (const RunError& e) {
    Say(ToDisplay(e.Describe()));
  } catch (const FileError& e) {
    Say(ToDisplay(RunError(e).Describe()));
  }
}

}  // namespace kestrelon

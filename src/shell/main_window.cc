#include "shell/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "run/run_driver.h"
#include "shell/about_texts.h"
#include "shell/clickable_label.h"
#include "shell/compare_tab.h"
#include "shell/desktop_hooks.h"
#include "shell/error_dialog.h"
#include "shell/guarded.h"
#include "shell/qt_text.h"
#include "shell/rename_dialog.h"
#include "shell/run_report_label.h"
#include "shell/settings_file.h"
#include "shell/table_model.h"
#include "shell/window_services.h"

namespace kestrelon {
namespace {

std::string CurrentPattern(const QListWidget* list, std::string_view fallback) {
  const QListWidgetItem* item = list->currentItem();
  return item != nullptr ? FromDisplay(item->text()) : std::string(fallback);
}

// Column widths of the grid: the line itself, the equation, then the
// narrower fields.
void SizeGridColumns(QTableView* grid) {
  const int wide = grid->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 26;
  grid->horizontalHeader()->resizeSection(0, wide);
  grid->horizontalHeader()->resizeSection(1, wide * 2 / 3);
}

// A tab that scrolls when the window is too small for it (a small screen,
// large fonts) instead of squeezing its controls over one another.
QScrollArea* Scrolled(QWidget* page) {
  auto* area = new QScrollArea;
  area->setObjectName("SettingsScroll");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  page->setAutoFillBackground(false);
  area->viewport()->setAutoFillBackground(false);
  return area;
}

}  // namespace

MainWindow::MainWindow(DesktopHooks& hooks, std::string settings_path,
                       QWidget* parent)
    : QMainWindow(parent),
      hooks_(hooks),
      settings_path_(std::move(settings_path)) {
  setObjectName("cleanfrm");
  setWindowTitle(QString::fromUtf8(kWindowTitle));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  tabs_ = new QTabWidget(central);
  tabs_->setObjectName("SSTab1");
  // The lists get their patterns and first selections here, the about
  // panel its texts; the settings file is read last.
  tabs_->addTab(Scrolled(BuildSettingsTab(parts_)),
                QStringLiteral("General Settings"));
  tabs_->addTab(BuildStartTab(parts_), QStringLiteral("Start Kestrelon"));
  compare_tab_ = new CompareTab(hooks_, tabs_);
  tabs_->addTab(compare_tab_, QStringLiteral("Compare Mechanisms"));
  tabs_->addTab(BuildAboutTab(parts_), QStringLiteral("About Kestrelon"));
  tabs_->setCurrentIndex(0);
  layout->addWidget(tabs_, 1);

  report_ = new RunReportLabel(central);
  auto* quit = new QPushButton(QStringLiteral("&Quit"), central);
  quit->setObjectName("QuitCmd");
  quit->setMinimumWidth(quit->sizeHint().width() + 24);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(report_, 1);
  bottom->addWidget(quit);
  layout->addLayout(bottom);
  setCentralWidget(central);

  model_ = new WorkingTableModel(table_, this);
  parts_.grid->setModel(model_);
  SizeGridColumns(parts_.grid);
  services_ = std::make_unique<WindowServices>(*this);

  connect(parts_.open_cmd, &QPushButton::clicked, this,
          [this] { Guarded([this] { OnOpenCmd(); }); });
  connect(quit, &QPushButton::clicked, this,
          [this] { Guarded([this] { OnQuitCmd(); }); });
  connect(parts_.aboutxt3, &ClickableLabel::clicked, this, [this] {
    Guarded([this] {
      services_->OpenLink(std::string("mailto:") + kAboutMailFirst + ", " +
                          kAboutMailSecond);
    });
  });
  connect(parts_.aboutxt4, &ClickableLabel::clicked, this, [this] {
    Guarded([this] { services_->OpenLink(kAboutDownloadPage); });
  });

  LoadSettings();
  // The settings tab scrolls; below this the other tabs would squeeze.
  setMinimumSize(623, 468);
  FitToScreen();
}

MainWindow::~MainWindow() {
  // The error dialog has no parent (it may outlive a closed main window);
  // it goes with the window object all the same.
  delete error_dialog_.data();
}

UiServices& MainWindow::services() { return *services_; }

ErrorDialog* MainWindow::error_dialog() const { return error_dialog_.data(); }

WindowSettings MainWindow::ReadRunSettings() const {
  WindowSettings s;
  const int unit = parts_.units->checkedId();
  if (unit >= 0) s.unit = static_cast<EaUnit>(unit);
  const int mech = parts_.mech_exts->checkedId();
  if (mech >= 0) s.mech_ext = static_cast<MechExtChoice>(mech);
  s.mech_ext_text = FromDisplay(parts_.mechext->text());
  const int thermo = parts_.thermo_exts->checkedId();
  if (thermo >= 0) s.thermo_ext = static_cast<ThermoExtChoice>(thermo);
  s.thermo_ext_text = FromDisplay(parts_.thermext->text());
  s.a_pattern = CurrentPattern(parts_.list1, kDefaultAPattern);
  s.n_pattern = CurrentPattern(parts_.list2, kDefaultNPattern);
  s.ea_pattern = CurrentPattern(parts_.list3, kDefaultEaPattern);
  return s;
}

void MainWindow::ShowErrorDialog() {
  if (error_dialog_.isNull()) {
    error_dialog_ = new ErrorDialog;
    // Without a parent the dialog is not placed over the window by itself.
    error_dialog_->move(geometry().center() - error_dialog_->rect().center());
  }
  error_dialog_->show();
  error_dialog_->raise();
  error_dialog_->activateWindow();
}

void MainWindow::RunRenameDialog(RenameSession& session) {
  if (rename_dialog_ == nullptr) rename_dialog_ = new RenameDialog(this);
  // The output stage changed the table after the analysis last said so;
  // the grid behind the dialog shows it as the run left it.
  model_->Reset();
  rename_dialog_->Start(session);
  hooks_.Exec(*rename_dialog_);
  rename_dialog_->Finish();
}

void MainWindow::OnOpenCmd() {
  if (running_) return;
  running_ = true;
  parts_.open_cmd->setEnabled(false);
  report_->ShowFirstText();
  try {
    report_->ShowOutcome(RunCleaning(*services_, table_));
  } catch (...) {
    // RunCleaning lets nothing escape; this only keeps the promise that no
    // exception reaches the event loop.
  }
  // Clicks made while the run held the window are delivered now, while
  // the button is still disabled, so they cannot start another run.
  QCoreApplication::processEvents();
  parts_.open_cmd->setEnabled(true);
  running_ = false;
}

void MainWindow::OnQuitCmd() {
  SaveSettings();
  if (!error_dialog_.isNull()) error_dialog_->close();
  if (rename_dialog_ != nullptr) rename_dialog_->reject();
  hooks_.Quit();
}

void MainWindow::FitToScreen() {
  QSize size = QSize(800, 620).expandedTo(sizeHint());
  if (const QScreen* shown_on = screen()) {
    // The frame is not known before the window is shown; leave room for a
    // title bar and borders of a common size.
    const QSize room = shown_on->availableGeometry().size() - QSize(16, 48);
    size = size.boundedTo(room);
  }
  resize(size);
}

void MainWindow::LoadSettings() {
  const SavedExtensions saved = LoadSettingsFile(settings_path_);
  if (saved.mech) {
    parts_.mechext->setText(QString::fromStdString(*saved.mech));
    parts_.mech_exts->button(static_cast<int>(MechExtChoice::kCustom))
        ->setChecked(true);
  }
  if (saved.thermo) {
    parts_.thermext->setText(QString::fromStdString(*saved.thermo));
    parts_.thermo_exts->button(static_cast<int>(ThermoExtChoice::kCustom))
        ->setChecked(true);
  }
}

void MainWindow::SaveSettings() {
  SavedExtensions saved;
  if (parts_.mech_exts->checkedId() ==
      static_cast<int>(MechExtChoice::kCustom)) {
    saved.mech = FromDisplay(parts_.mechext->text());
  }
  if (parts_.thermo_exts->checkedId() ==
      static_cast<int>(ThermoExtChoice::kCustom)) {
    saved.thermo = FromDisplay(parts_.thermext->text());
  }
  SaveSettingsFile(settings_path_, saved);
}

}  // namespace kestrelon

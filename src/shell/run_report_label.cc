#include "shell/run_report_label.h"

#include <QResizeEvent>

#include "platform/file_error.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "run/run_driver.h"
#include "run/unreadable_causes.h"

namespace kestrelon {
namespace {

std::string UnreadableCause(const RunOutcome& outcome) {
  std::string text;
  try {
    text = ReadFile(outcome.vars.inputpath);
  } catch (const FileError&) {
    // Gone since the run read it: the count is all that is left to say.
  }
  return FirstUnreadableCause(outcome.vars.endcount, text);
}

}  // namespace

std::optional<std::string> LastRunReport(const RunOutcome& outcome) {
  const RunVariables& v = outcome.vars;
  if (v.inputpath.empty()) return std::nullopt;
  const std::string file = BaseName(v.inputpath);
  switch (outcome.kind) {
    case RunOutcome::Kind::kSuccess:
      return "Last run: " + std::to_string(v.has_thermo ? 4 : 3) +
             " files written next to " + file;
    case RunOutcome::Kind::kUnreadable:
      return "Last run: " + file +
             " cannot be treated: " + UnreadableCause(outcome);
    case RunOutcome::Kind::kFailed:
      break;
  }
  return "Last run failed: " +
         (outcome.error ? outcome.error->Describe() : std::string("?"));
}

RunReportLabel::RunReportLabel(QWidget* parent) : QLabel(parent) {
  setObjectName("Label4");
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  ShowFirstText();
}

void RunReportLabel::ShowFirstText() {
  Show(QString::fromUtf8(kFirstReport), false);
}

void RunReportLabel::ShowOutcome(const RunOutcome& outcome) {
  std::optional<std::string> report = LastRunReport(outcome);
  if (!report) {
    ShowFirstText();
    return;
  }
  Show(QString::fromStdString(*report),
       outcome.kind == RunOutcome::Kind::kFailed);
}

void RunReportLabel::Show(const QString& text, bool error) {
  full_ = text;
  error_ = error;
  // An empty palette brings back the one the label inherits.
  QPalette colours;
  if (error) colours.setColor(QPalette::WindowText, kErrorColour);
  setPalette(colours);
  setToolTip(text);
  Fit();
}

QSize RunReportLabel::minimumSizeHint() const {
  return QSize(0, QLabel::minimumSizeHint().height());
}

QSize RunReportLabel::sizeHint() const {
  return QSize(fontMetrics().horizontalAdvance(full_),
               QLabel::sizeHint().height());
}

void RunReportLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void RunReportLabel::Fit() {
  setText(
      fontMetrics().elidedText(full_, Qt::ElideMiddle, contentsRect().width()));
}

}  // namespace kestrelon

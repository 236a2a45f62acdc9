// RunReportLabel is `Label4`, the line at the bottom of the main window
// that tells the user how the last run ended:
//   - before the first run, and after a run cancelled in the file chooser,
//     the first text (check the settings, then load a mechanism);
//   - after a success, "Last run: N files written next to FILE";
//   - after the unreadable-file branch, "Last run: FILE cannot be treated: "
//     and the first cause the command line names for it;
//   - after a failure, "Last run failed: FILE:LINE: reason", in the error
//     colour.
// A run that starts brings back the first text. The text is selectable; a
// text wider than the label is elided in the middle and always shown whole
// in the tooltip, so a long path never widens the window.
//
// Reads the input file of an unreadable run to find its cause; writes
// nothing. Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_SHELL_RUN_REPORT_LABEL_H_
#define KESTRELON_SHELL_RUN_REPORT_LABEL_H_

#include <QColor>
#include <QLabel>
#include <optional>
#include <string>

namespace kestrelon {

struct RunOutcome;

inline constexpr const char* kFirstReport =
    "Check the settings, then load a mechanism on the \"Start Kestrelon\" "
    "tab.";
inline const QColor kErrorColour(0xa0, 0x00, 0x00);

// What the label says after `outcome`; nothing for a run that never got a
// file (Cancel in the chooser).
std::optional<std::string> LastRunReport(const RunOutcome& outcome);

class RunReportLabel : public QLabel {
 public:
  explicit RunReportLabel(QWidget* parent = nullptr);

  // The first text, in the normal colour.
  void ShowFirstText();
  // What LastRunReport says, or the first text.
  void ShowOutcome(const RunOutcome& outcome);

  // The whole text, whatever the label's width shows of it.
  const QString& full_text() const { return full_; }
  bool shows_error() const { return error_; }

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show(const QString& text, bool error);
  void Fit();

  QString full_;
  bool error_ = false;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_RUN_REPORT_LABEL_H_

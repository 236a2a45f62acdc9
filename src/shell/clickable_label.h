// A label that reports a click of the left mouse button, for the two links
// of the about tab. Its text can be selected with the keyboard-less mouse
// gestures of a label; a press without a drag counts as a click.
#ifndef KESTRELON_SHELL_CLICKABLE_LABEL_H_
#define KESTRELON_SHELL_CLICKABLE_LABEL_H_

#include <QLabel>

namespace kestrelon {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_CLICKABLE_LABEL_H_

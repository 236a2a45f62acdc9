// A label that reports a click of the left mouse button (released over the
// label), for the two links of the about tab. Nothing here throws.
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

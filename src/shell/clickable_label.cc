#include "shell/clickable_label.h"

#include <QMouseEvent>

namespace kestrelon {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->pos())) {
    emit clicked();
  }
}

}  // namespace kestrelon

#include "singlecode/find_edit_ctrl.h"

#include <QKeyEvent>

void CFindEditCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Handled here, so the dialog never sees it and presses no default.
    emit returnPressed();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

// The find edit of the single template page: Enter searches instead of
// pressing the page's default button (which would write files).
#pragma once

#include <QLineEdit>

class CFindEditCtrl : public QLineEdit {
 public:
  explicit CFindEditCtrl(QWidget* parent) : QLineEdit(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

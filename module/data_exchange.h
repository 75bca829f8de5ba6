// Dialog data exchange: a page binds its fields to control ids in
// DoDataExchange, and UpdateData runs the bindings in one direction:
//   UpdateData(true)   "read all controls into the values"
//   UpdateData(false)  "write all values to the controls"
// While values are written, the controls' signals are blocked, so a page's
// own transfers never trigger its change handlers.
//
// Texts are GBK in std::string, converted at the control.
#pragma once

#include <stdexcept>
#include <string>

#include "module/dialog_builder.h"

class CDataExchange {
 public:
  CDataExchange(const ff::gui::DialogControls& controls, bool saveAndValidate)
      : controls_(controls), m_bSaveAndValidate(saveAndValidate) {}

  const ff::gui::DialogControls& Controls() const { return controls_; }
  QWidget* Control(int id) const { return controls_.Control(id); }

 private:
  const ff::gui::DialogControls& controls_;

 public:
  // true: controls -> values; false: values -> controls.
  const bool m_bSaveAndValidate;
};

// Edit (single or multi-line), editable combo box (its edit text) or label.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Edit holding a path: `value` is the system's bytes (see PathToQ).
void DDX_Path(CDataExchange* pDX, int id, std::string& value);
// Number in an edit ("%d"); unreadable text reads as 0.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Check box: true = checked.
void DDX_Check(CDataExchange* pDX, int id, bool& value);
// Radio group that starts at `firstId`: index of the checked button in
// template order, -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// Combo box: the text of the selected entry (drop-down list) or its edit
// text; writing selects the entry with that text (none when missing).
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);
// Combo box: the index of the selected entry, -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int id, int& value);

// Binds a control object: `widget` receives the control with this id.
// Throws std::logic_error when the control is missing or of another class.
template <class W>
void DDX_Control(CDataExchange* pDX, int id, W*& widget) {
  W* w = pDX->Controls().template Get<W>(id);
  if (!w) throw std::logic_error("DDX_Control: no control of that class with id " + std::to_string(id));
  widget = w;
}

// A property page made from a dialog template: one tab of a property sheet.
//
// The page's window (its controls) is made when the page is first shown,
// and OnInitDialog runs then, as with the window framework's pages: a sheet
// opened on its second page initialises the first page only when the user
// picks its tab. Create() makes it at once (tests do).
#pragma once

#include <QWidget>

#include "module/template_form.h"

class CPropertySheet;

class CPropertyPage : public QWidget, public CTemplateForm {
 public:
  explicit CPropertyPage(int templateId);
  ~CPropertyPage() override;

  // Builds the controls, connects button 1 to OnOK and runs OnInitDialog
  // (once).
  bool Create();
  // The sheet calls these when the page becomes active / when the sheet
  // is cancelled. OnSetActive creates the page when needed.
  virtual bool OnSetActive();
  virtual void OnCancel() {}
  // A new login on the login page: pages that show database rows read
  // them again (called for created pages only).
  virtual void OnNewLogin() {}

  // Focus to the page's first control that takes input (no button, nothing
  // disabled), as when the page was first shown.
  void FocusFirstControl() { SetDefaultFocus(); }

  CPropertySheet* GetParentSheet() const { return sheet_; }
  void SetParentSheet(CPropertySheet* sheet) { sheet_ = sheet; }

 protected:
  // Base: writes the values to the controls; true lets the framework set
  // the focus.
  virtual bool OnInitDialog();
  // Button 1 of the page. Base: nothing (the page stays open).
  virtual void OnOK() {}
  // The controls follow the page's size (the template's grow rules).
  void resizeEvent(QResizeEvent* event) override;

 private:
  CPropertySheet* sheet_ = nullptr;
};

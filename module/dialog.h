// A modal dialog made from a dialog template.
#pragma once

#include <QDialog>

#include "module/template_form.h"

class CDialog : public QDialog, public CTemplateForm {
 public:
  CDialog(int templateId, QWidget* parent = nullptr);
  ~CDialog() override;

  // Creates the controls and runs OnInitDialog (once), then runs the dialog
  // modally. Returns the code given to EndDialog: IDOK (1) or IDCANCEL (2).
  virtual int DoModal();
  // Creates the controls and runs OnInitDialog without running the dialog
  // (tests drive a dialog this way).
  bool Create();
  void EndDialog(int result);

 protected:
  // Base: writes the values to the controls; true lets the framework set
  // the focus.
  virtual bool OnInitDialog();
  // Base: reads the controls, then ends the dialog with IDOK.
  virtual void OnOK();
  // Base: ends the dialog with IDCANCEL.
  virtual void OnCancel();

  // Escape, the close box and button 2 come here as OnCancel; button 1 as OnOK.
  void accept() override { OnOK(); }
  void reject() override { OnCancel(); }
};
